#include "editor/editorfenster.h"
#include "kit/programmorte.h"
#include "kit/standardknoepfe.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    standardknoepfeDeutsch();
    Editorfenster fenster(programmordnerBereiten());
    // The name as the system hands it over: one that is no valid UTF-8 opens too. Qt has
    // taken its own options out of argv.
    if (argc > 1)
        fenster.dateiOeffnen(QByteArray(argv[1]));
    fenster.show();
    return QApplication::exec();
}
