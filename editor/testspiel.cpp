#include "editor/testspiel.h"

#include "game/abschluss.h"
#include "game/levelstart.h"
#include "game/loeser/loeser.h"
#include "game/zeichnen.h"
#include "game/zug.h"
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
    vorher.clear();
    const Levelstart start = levelStarten(*spiel, "", pfad, *flaeche, Startart::neu);
    if (start.ok)
        neuZeichnen();
    return start.fehler;
}

void Testspiel::taste(int keyCode) {
    if (spiel->brettGesperrt)
        return;
    Brett davor = *spiel;
    const Zugergebnis ergebnis = tasteVerarbeiten(*spiel, keyCode, *flaeche);
    if (!ergebnis.geschritten)
        return;
    if (ergebnis.sprengung)
        explosion->starten(*ergebnis.sprengung);
    vorher.push_back(std::move(davor));
    if (vorher.size() > gedaechtnis)
        vorher.erase(vorher.begin());
    Q_EMIT gezogen();
    if (!explosion->laeuft())
        abschlussMelden();
}

void Testspiel::zug(char richtung) {
    taste(zugTaste(richtung));
}

bool Testspiel::zurueck() {
    if (vorher.empty())
        return false;
    explosion->beenden();
    *spiel = std::move(vorher.back());
    vorher.pop_back();
    neuZeichnen();
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
