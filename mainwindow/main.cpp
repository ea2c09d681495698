#include "kit/standardknoepfe.h"
#include "mainwindow/form1.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    standardknoepfeDeutsch();
    Form1 fenster(QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    fenster.show();
    return QApplication::exec();
}
