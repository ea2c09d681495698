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
      explosion(new Explosionsbild(*flaeche, *spiel, einstellungen, std::move(knall))),
      steuerung(*spiel, *flaeche, [this] { return explosion->laeuft(); }) {
    spiel->randAnlegen();
    connect(&steuerung, &Spielsteuerung::gesprengt, explosion, &Explosionsbild::starten);
    connect(explosion, &Explosionsbild::vorbei, this, &Testspiel::explosionVorbei);
    connect(&steuerung, &Spielsteuerung::geschritten, this, &Testspiel::geschritten);
    steuerung.mausAnschliessen(bild);
    vorspielTakt.setInterval(vorspielTaktMs);
    connect(&vorspielTakt, &QTimer::timeout, this, &Testspiel::vorspielSchritt);
}

// The picture lies on the editor's board, which outlives the test play.
Testspiel::~Testspiel() {
    delete explosion;
}

std::string Testspiel::starten(const std::string& pfad) {
    explosion->beenden();
    steuerung.neuesBrett();
    const Levelstart start = levelStarten(*spiel, "", pfad, *flaeche, Startart::neu);
    if (start.ok)
        neuZeichnen();
    return start.fehler;
}

void Testspiel::taste(int keyCode) {
    steuerung.tasteGedrueckt();
    steuerung.schritt(keyCode);
}

// A step of a key, the mouse or the playback, or one taken back.
void Testspiel::geschritten() {
    Q_EMIT gezogen();
    if (!explosion->laeuft())
        abschlussMelden();
}

void Testspiel::vorspielen(std::string zuege) {
    vorspiel = std::move(zuege);
    vorspielTakt.start();
}

void Testspiel::vorspielSchritt() {
    if (vorspiel.empty()) {
        vorspielTakt.stop();
        return;
    }
    const char richtung = vorspiel.front();
    vorspiel.erase(vorspiel.begin());
    taste(zugTaste(richtung));
}

void Testspiel::zurueck() {
    steuerung.zurueck();
}

void Testspiel::neuZeichnen() {
    flaeche->leeren();
    brettZeichnen(*spiel, *flaeche, Rand::zeichnen);
}

// The steps back asked for during the blast are taken only now; a level solved during
// the blast counts as done now.
void Testspiel::explosionVorbei() {
    steuerung.explosionVorbei();
    abschlussMelden();
}

void Testspiel::abschlussMelden() {
    if (abschlussPruefen(*spiel))
        Q_EMIT geschafft();
}
