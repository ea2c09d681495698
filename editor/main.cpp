#include "editor/editorfenster.h"
#include "kit/standardknoepfe.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    standardknoepfeDeutsch();
    Editorfenster fenster(QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    const QStringList argumente = QCoreApplication::arguments();
    if (argumente.size() > 1)
        fenster.dateiOeffnen(argumente.at(1));
    fenster.show();
    return QApplication::exec();
}
