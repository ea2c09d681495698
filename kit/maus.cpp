#include "kit/maus.h"

#include "game/brett.h"

#include <algorithm>
#include <utility>

Maus::Maus(const Brett& brett, std::function<bool(int)> schritt, QObject* parent)
    : QObject(parent), brett(brett), schritt(std::move(schritt)) {
    takt.setInterval(taktMs);
    connect(&takt, &QTimer::timeout, this, &Maus::naechsterSchritt);
}

void Maus::gedrueckt(QPoint punkt) {
    druck.reset();
    if (laeuft()) {
        anhalten();
        return;
    }
    if (!brett.brettGesperrt && !brett.levelDatei.empty())
        druck = zelleBei(punkt.x(), punkt.y());
}

void Maus::losgelassen(QPoint punkt) {
    if (!druck)
        return;
    const Zelle von = *std::exchange(druck, std::nullopt);
    const Zelle nach = zelleBei(punkt.x(), punkt.y());
    if (von == nach) {
        gehen(klickWeg(brett, nach));
        return;
    }
    if (!kisteBei(brett, von))
        return;
    if (auto weg = schiebeWeg(brett, von, nach))
        gehen(std::move(*weg));
    else
        Q_EMIT keinWeg();
}

void Maus::anhalten() {
    takt.stop();
    offen.clear();
}

void Maus::gehen(std::vector<int> tasten) {
    offen = std::move(tasten);
    std::reverse(offen.begin(), offen.end());
    // The first step follows the click at once; the rest keep the pace.
    naechsterSchritt();
    if (!offen.empty())
        takt.start();
}

void Maus::naechsterSchritt() {
    if (offen.empty() || !schritt(offen.back())) {
        anhalten();
        return;
    }
    offen.pop_back();
    if (offen.empty())
        anhalten();
}
