#include "mainwindow/aussenstarts.h"

#include "kit/aussenwelt.h"
#include "kit/meldung.h"

#include <QFile>

using namespace Qt::StringLiterals;

Aussenstarts::Aussenstarts(QWidget& fenster, const QString& ordner, const Aussenwelt& aussenwelt)
    : fenster(fenster), ordner(ordner), aussenwelt(aussenwelt) {}

void Aussenstarts::seiteOeffnen(const QString& seite) const {
    // The viewer is found through the home page, so without it no page opens.
    for (const QString& noetig : {u"vestrum.htm"_s, seite}) {
        if (!QFile::exists(ordner + noetig)) {
            melden(u"Die Seite kann nicht geöffnet werden: Die Datei „%1“ fehlt im "
                   u"Programmordner."_s.arg(noetig));
            return;
        }
    }
    if (!aussenwelt.dateiAnzeigen(ordner + seite))
        melden(u"Es wurde kein Programm gefunden, das die Seite „%1“ anzeigen kann."_s.arg(seite));
}

void Aussenstarts::editorStarten() const {
    const QString editor = aussenwelt.programme + u"lagerix-editor"_s;
    if (!QFile::exists(editor))
        melden(u"Der Level Editor ist nicht installiert."_s);
    else if (!aussenwelt.programmStarten(editor))
        melden(u"Der Level Editor konnte nicht gestartet werden."_s);
}

void Aussenstarts::melden(const QString& text) const {
    meldung::zeigen(&fenster, QMessageBox::Warning, meldung::programmTitel, text);
}
