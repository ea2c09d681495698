#include "editor/testspiel.h"

#include "game/abschluss.h"
#include "game/levelstart.h"
#include "game/zeichenflaeche.h"
#include "game/zeichnen.h"
#include "game/zug.h"
#include "kit/brettbild.h"
#include "kit/kachelblatt.h"

#include <QLabel>

class Testspiel::Flaeche : public Zeichenflaeche {
  public:
    explicit Flaeche(Testspiel& spiel) : spiel(spiel) {}

    void copypic(const std::string& kachel, int x, int y) override {
        spiel.blatt.kachelZeichnen(spiel.bild, kachel, x, y);
    }
    void leeren() override { spiel.bild.leeren(); }

  private:
    Testspiel& spiel;
};

Testspiel::Testspiel(Brettbild& bild, const Kachelblatt& blatt, std::function<void()> knall)
    : bild(bild), blatt(blatt), knall(std::move(knall)), spiel(std::make_unique<Brett>()),
      flaeche(std::make_unique<Flaeche>(*this)), explosionsBild(new QLabel(&bild)) {
    spiel->randAnlegen();
    explosionsBild->setObjectName(QStringLiteral("explosionsBild"));
    explosionsBild->hide();
    takt.setInterval(explosionsTaktMs);
    connect(&takt, &QTimer::timeout, this, &Testspiel::explosionsTick);
}

Testspiel::~Testspiel() {
    delete explosionsBild;
}

std::string Testspiel::starten(const std::string& pfad) {
    explosionBeenden();
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
        explosionStarten(*ergebnis.sprengung);
    vorher.push_back(std::move(davor));
    if (vorher.size() > gedaechtnis)
        vorher.erase(vorher.begin());
    Q_EMIT gezogen();
    if (!takt.isActive())
        abschlussMelden();
}

// A blast while the animation runs only moves the picture; the count goes on.
void Testspiel::explosionStarten(Sprengung sprengung) {
    explosionsBild->move(sprengung.x, sprengung.y);
    explosionsBild->show();
    if (!takt.isActive()) {
        explosionsBild->setPixmap(blatt.explosionsBild(0));
        takt.start();
    }
}

void Testspiel::zug(char richtung) {
    static constexpr std::pair<char, int> richtungen[] = {
        {'l', tasteLinks}, {'r', tasteRechts}, {'o', tasteOben}, {'u', tasteUnten}};
    for (const auto& [buchstabe, code] : richtungen)
        if (buchstabe == richtung)
            taste(code);
}

bool Testspiel::zurueck() {
    if (vorher.empty())
        return false;
    explosionBeenden();
    *spiel = std::move(vorher.back());
    vorher.pop_back();
    neuZeichnen();
    Q_EMIT gezogen();
    return true;
}

void Testspiel::explosionsTick() {
    const Explosionsschritt schritt = explosion.tick(*spiel, *flaeche, static_cast<bool>(knall));
    if (schritt.soundStarten)
        knall();
    if (schritt.bild != 0)
        explosionsBild->setPixmap(blatt.explosionsBild(schritt.bild));
    if (schritt.ende) {
        explosionBeenden();
        abschlussMelden();
    }
}

void Testspiel::explosionBeenden() {
    takt.stop();
    explosion.explosionsZaehler = 0;
    explosionsBild->hide();
}

void Testspiel::neuZeichnen() {
    bild.leeren();
    brettZeichnen(*spiel, *flaeche, Rand::zeichnen);
}

void Testspiel::abschlussMelden() {
    if (abschlussPruefen(*spiel))
        Q_EMIT geschafft();
}
