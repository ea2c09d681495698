#include "editor/testspiel.h"

#include "game/abschluss.h"
#include "game/levelstart.h"
#include "game/loeser/loeser.h"
#include "game/zeichnen.h"
#include "kit/brettflaeche.h"
#include "kit/explosionsbild.h"

Testspiel::Testspiel(Brettbild& bild, const Kachelblatt& blatt, const Einstellungen& einstellungen,
                     std::function<void()> knall)
    : spiel(std::make_unique<Brett>()), flaeche(std::make_unique<Brettflaeche>(bild, blatt)),
      explosion(new Explosionsbild(*flaeche, *spiel, einstellungen, std::move(knall))) {
    spiel->randAnlegen();
    connect(explosion, &Explosionsbild::vorbei, this, &Testspiel::abschlussMelden);
}

// The picture lies on the editor's board, which outlives the test play.
Testspiel::~Testspiel() {
    delete explosion;
}

std::string Testspiel::starten(const std::string& pfad) {
    explosion->beenden();
    verlauf.leeren();
    const Levelstart start = levelStarten(*spiel, "", pfad, *flaeche, Startart::neu);
    if (start.ok)
        neuZeichnen();
    return start.fehler;
}

void Testspiel::taste(int keyCode) {
    const Zugergebnis ergebnis = verlauf.ziehen(*spiel, keyCode, *flaeche);
    if (!ergebnis.geschritten)
        return;
    if (ergebnis.sprengung)
        explosion->starten(*ergebnis.sprengung);
    Q_EMIT gezogen();
    if (!explosion->laeuft())
        abschlussMelden();
}

void Testspiel::zug(char richtung) {
    taste(zugTaste(richtung));
}

bool Testspiel::zurueck() {
    if (!verlauf.kannZurueck())
        return false;
    // The step back restores the blasted wall at once; the picture of its blast goes too.
    explosion->beenden();
    if (!verlauf.zurueck(*spiel, *flaeche))
        return false;
    Q_EMIT gezogen();
    return true;
}

void Testspiel::neuZeichnen() {
    flaeche->leeren();
    brettZeichnen(*spiel, *flaeche, Rand::zeichnen);
}

void Testspiel::abschlussMelden() {
    if (abschlussPruefen(*spiel))
        Q_EMIT geschafft();
}
