#include "editor/editorfenster.h"
#include "kit/programmorte.h"
#include "kit/standardknoepfe.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    standardknoepfeDeutsch();
    Editorfenster fenster(programmordnerBereiten());
    const QStringList argumente = QCoreApplication::arguments();
    if (argumente.size() > 1)
        fenster.dateiOeffnen(argumente.at(1));
    fenster.show();
    return QApplication::exec();
}
