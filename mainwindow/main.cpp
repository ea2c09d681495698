#include "mainwindow/form1.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // German texts on the standard buttons ("Ja", "Nein", "Abbrechen").
    QTranslator qtTexte;
    if (qtTexte.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexte);

    Form1 fenster(QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    fenster.show();
    return QApplication::exec();
}
