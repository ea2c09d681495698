#pragma once

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

// German texts on Qt's standard buttons ("Ja", "Nein", "Abbrechen", "Speichern",
// "Verwerfen"), from Qt's own translations. Once, after the application is made.
inline void standardknoepfeDeutsch() {
    static QTranslator qtTexte;
    if (qtTexte.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexte);
}
