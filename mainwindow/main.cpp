#include "kit/programmorte.h"
#include "kit/standardknoepfe.h"
#include "mainwindow/form1.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    standardknoepfeDeutsch();
    Form1 fenster(programmordnerBereiten());
    fenster.show();
    return QApplication::exec();
}
