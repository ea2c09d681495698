#include "kit/explosionsbild.h"

#include "game/brett.h"
#include "game/kachelsatz.h"
#include "game/konfiguration.h"
#include "kit/brettflaeche.h"

#include <QTimer>

using namespace Qt::StringLiterals;

Explosionsbild::Explosionsbild(Brettflaeche& flaeche, const Brett& brett,
                               const Einstellungen& einstellungen, std::function<void()> knall)
    : QLabel(&flaeche.bild), flaeche(flaeche), brett(brett), einstellungen(einstellungen),
      knall(std::move(knall)), Timer4(new QTimer(this)) {
    setObjectName(u"Image1"_s);
    setGeometry(Brett::geparkt, 0, kachelGroesse, kachelGroesse + 1);
    setPixmap(flaeche.blatt.explosionsBild(0));
    Timer4->setObjectName(u"Timer4"_s);
    Timer4->setInterval(taktMs);
    connect(Timer4, &QTimer::timeout, this, &Explosionsbild::tick);
}

void Explosionsbild::starten(Sprengung sprengung) {
    move(sprengung.x, sprengung.y);
    show();
    if (!laeuft()) {
        setPixmap(flaeche.blatt.explosionsBild(0));
        Timer4->start();
    }
}

void Explosionsbild::tick() {
    const Explosionsschritt schritt = explosion.tick(brett, flaeche, einstellungen.soundAn);
    if (schritt.soundStarten)
        knall();
    if (schritt.bild != 0)
        setPixmap(flaeche.blatt.explosionsBild(schritt.bild));
    if (schritt.ende) {
        beenden();
        Q_EMIT vorbei();
    }
}

void Explosionsbild::beenden() {
    Timer4->stop();
    explosion.explosionsZaehler = 0;
    move(Brett::geparkt, y());
}

bool Explosionsbild::laeuft() const {
    return Timer4->isActive();
}
