#include "help/hilfethemen.h"

#include <QLocale>

using namespace Qt::StringLiterals;

const QList<Hilfethema>& hilfethemen() {
    static const QList<Hilfethema> themen{
        {u"Level wählen"_s,
         u"Mit einem Klick auf diesen Button wird die Levelauswahlliste angezeigt. Es werden "
         u"alle Leveldateien im Lagerix-Verzeichnis angezeigt, auch solche, die Sie mit dem "
         u"Leveleditor erstellt haben. Mit einem Doppelklick auf einen Dateinamen, können Sie "
         u"das jeweilige Level spielen. Die Liste können Sie durch Klick auf 'Abbrechen' oder "
         u"durch erneuten Klick auf 'Level wählen' ausblenden."_s},
        {u"Level neu starten"_s,
         u"Mit diesem Button können Sie das Level, das Sie zuletzt gespielt haben, "
         u"oder gerade spielen, von vorne beginnen."_s},
        {u"Rekorde"_s, u"Durch einen Klick auf 'Rekorde' wird ein Fenster geöffnet, in dem Sie "
                       u"die Rekorde (minimale Schrittzahlen) für jedes Level ansehen können."_s},
        {u"Das Spiel"_s,
         u"Das Ziel des Spiels ist es, alle Kisten, auf die dafür vorgesehenen Stellplätze zu "
         u"schieben. Dabei stehen Mauern im Weg, die in einigen Levels mit TNT-Kisten "
         u"weggesprengt werden können. Eine Mauer sprengen Sie, indem Sie eine TNT-Kiste "
         u"dagegen schieben."_s},
        {u"Steuerung"_s, u"Sie steuern die Spielfigur mit den Richtungstasten auf der Tastatur. "
                         u"Kisten können Sie schieben, indem Sie einfach dagegenlaufen."_s},
        {u"Optionen"_s,
         u"Damit öffnen Sie ein Fenster, um verschiedene Programmeinstellungen vorzunehmen."_s},
        {u"Info / Hilfe"_s,
         u"Durch diesen Button können Sie ein Fenster mit Informationen zu Programmversion, "
         u"Internetadresse etc. öffnen. Außerdem gelangen Sie über dieses Fenster durch einen "
         u"Klick auf 'Hilfe' zu dieser Online-Hilfe."_s},
        {u"Vestrum"_s,
         u"Mit einem Klick auf das 'Vestrum'-Logo in der rechten oberen Ecke, öffnen Sie die "
         u"Vestrum-Homepage, wo Sie weitere kostenlose Programme von mir und anderes "
         u"nützliches finden."_s},
        {u"Level Editor"_s,
         u"Mit diesem Button starten Sie den mitgelieferten Level Editor, mit dem Sie eigene "
         u"Levels erstellen können. Ihre selbst gebauten Levels können Sie mir gerne an "
         u"folgende E-Mail-Adresse schicken: post@vestrum.example"_s},
        {u"Über Lagerix"_s,
         u"Lagerix 2000 ist eine Variante eines japanischen Denkspiel-Klassikers. "
         u"Das Programm ist Freeware und darf kostenlos und unverändert "
         u"weitergegeben werden."_s},
        {u"Neuerungen gegenüber v2.1"_s,
         u"Die wichtigsten Neuerungen sind: verbesserter Bildaufbau, 256-Farben-Grafik, "
         u"deutlich vergrößertes Spielfeld, mehr Levels, verbesserter Editor, Gewinnanimation "
         u"bei geschafftem Level, kein Herausschieben von Kisten mehr möglich. Das Programm "
         u"wurde komplett neu geschrieben, so konnten viele Kinderkrankheiten beseitigt "
         u"werden."_s},
    };
    return themen;
}

QCollator themenOrdnung() {
    QCollator ordnung(QLocale(QLocale::German, QLocale::Germany));
    ordnung.setCaseSensitivity(Qt::CaseInsensitive);
    return ordnung;
}
