#include "help/hilfethemen.h"

#include <QLocale>

const QList<Hilfethema>& hilfethemen() {
    static const QList<Hilfethema> themen{
        {QStringLiteral("Level wählen"),
         QStringLiteral(
             "Mit einem Klick auf diesen Button wird die Levelauswahlliste angezeigt. Es werden "
             "alle Leveldateien im Lagerix-Verzeichnis angezeigt, auch solche, die Sie mit dem "
             "Leveleditor erstellt haben. Mit einem Doppelklick auf einen Dateinamen, können Sie "
             "das jeweilige Level spielen. Die Liste können Sie durch Klick auf 'Abbrechen' oder "
             "durch erneuten Klick auf 'Level wählen' ausblenden.")},
        {QStringLiteral("Level neu starten"),
         QStringLiteral("Mit diesem Button können Sie das Level, das Sie zuletzt gespielt haben, "
                        "oder gerade spielen, von vorne beginnen.")},
        {QStringLiteral("Rekorde"),
         QStringLiteral("Durch einen Klick auf 'Rekorde' wird ein Fenster geöffnet, in dem Sie "
                        "die Rekorde (minimale Schrittzahlen) für jedes Level ansehen können.")},
        {QStringLiteral("Das Spiel"),
         QStringLiteral(
             "Das Ziel des Spiels ist es, alle Kisten, auf die dafür vorgesehenen Stellplätze zu "
             "schieben. Dabei stehen Mauern im Weg, die in einigen Levels mit TNT-Kisten "
             "weggesprengt werden können. Eine Mauer sprengen Sie, indem Sie eine TNT-Kiste "
             "dagegen schieben.")},
        {QStringLiteral("Steuerung"),
         QStringLiteral("Sie steuern die Spielfigur mit den Richtungstasten auf der Tastatur. "
                        "Kisten können Sie schieben, indem Sie einfach dagegenlaufen.")},
        {QStringLiteral("Optionen"),
         QStringLiteral(
             "Damit öffnen Sie ein Fenster, um verschiedene Programmeinstellungen vorzunehmen.")},
        {QStringLiteral("Info / Hilfe"),
         QStringLiteral(
             "Durch diesen Button können Sie ein Fenster mit Informationen zu Programmversion, "
             "Internetadresse etc. öffnen. Außerdem gelangen Sie über dieses Fenster durch einen "
             "Klick auf 'Hilfe' zu dieser Online-Hilfe.")},
        {QStringLiteral("Vestrum"),
         QStringLiteral(
             "Mit einem Klick auf das 'Vestrum'-Logo in der rechten oberen Ecke, öffnen Sie die "
             "Vestrum-Homepage, wo Sie weitere kostenlose Programme von mir und anderes "
             "nützliches finden.")},
        {QStringLiteral("Level Editor"),
         QStringLiteral(
             "Mit diesem Button starten Sie den mitgelieferten Level Editor, mit dem Sie eigene "
             "Levels erstellen können. Ihre selbst gebauten Levels können Sie mir gerne an "
             "folgende E-Mail-Adresse schicken: post@vestrum.example")},
        {QStringLiteral("Über Lagerix"),
         QStringLiteral("Lagerix 2000 ist eine Variante eines japanischen Denkspiel-Klassikers. "
                        "Das Programm ist Freeware und darf kostenlos und unverändert "
                        "weitergegeben werden.")},
        {QStringLiteral("Neuerungen gegenüber v2.1"),
         QStringLiteral(
             "Die wichtigsten Neuerungen sind: verbesserter Bildaufbau, 256-Farben-Grafik, "
             "deutlich vergrößertes Spielfeld, mehr Levels, verbesserter Editor, Gewinnanimation "
             "bei geschafftem Level, kein Herausschieben von Kisten mehr möglich. Das Programm "
             "wurde komplett neu geschrieben, so konnten viele Kinderkrankheiten beseitigt "
             "werden.")},
    };
    return themen;
}

QCollator themenOrdnung() {
    QCollator ordnung(QLocale(QLocale::German, QLocale::Germany));
    ordnung.setCaseSensitivity(Qt::CaseInsensitive);
    return ordnung;
}
