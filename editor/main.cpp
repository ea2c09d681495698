#include "editor/editorfenster.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // German texts on the standard buttons ("Speichern", "Verwerfen", "Abbrechen").
    QTranslator qtTexte;
    if (qtTexte.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexte);

    Editorfenster fenster(QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    const QStringList argumente = QCoreApplication::arguments();
    if (argumente.size() > 1)
        fenster.dateiOeffnen(argumente.at(1));
    fenster.show();
    return QApplication::exec();
}
