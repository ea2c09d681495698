#include "rueckweg.h"

#include <algorithm>
#include <numeric>

namespace {

// How far `wert` lies outside [von, bis].
int abstand(int wert, int von, int bis) {
    return std::max({0, von - wert, wert - bis});
}

} // namespace

Rueckweg::Rueckweg(const Lager& lager) : lager(lager) {
    std::vector<int> xs, ys;
    for (std::size_t z = 0; z < lager.fest.size(); ++z) {
        if (!lager.stellplatz[z] || lager.fest[z])
            continue;
        xs.push_back(lager.x(static_cast<Zelle>(z)));
        ys.push_back(lager.y(static_cast<Zelle>(z)));
        for (int r = 0; r < 4; ++r) {
            const int e = static_cast<int>(z) - lager.versatz(r);
            if (!lager.fest[e] && !lager.fest[e - lager.versatz(r)])
                enden.push_back(static_cast<Zelle>(e));
        }
    }
    std::sort(enden.begin(), enden.end());
    enden.erase(std::unique(enden.begin(), enden.end()), enden.end());
    const auto kisten = static_cast<long>(std::min(lager.kisten.size(), xs.size()));
    std::sort(xs.begin(), xs.end());
    std::sort(ys.begin(), ys.end());
    xMin = std::accumulate(xs.begin(), xs.begin() + kisten, 0);
    xMax = std::accumulate(xs.end() - kisten, xs.end(), 0);
    yMin = std::accumulate(ys.begin(), ys.begin() + kisten, 0);
    yMax = std::accumulate(ys.end() - kisten, ys.end(), 0);
}

void Rueckweg::aufstellen(Zelle figur, const Zelle* kisten, int anzahl) {
    int kistenX = 0, kistenY = 0;
    for (int i = 0; i < anzahl; ++i) {
        kistenX += lager.x(kisten[i]);
        kistenY += lager.y(kisten[i]);
    }
    xVon = xMin - kistenX, xBis = xMax - kistenX;
    yVon = yMin - kistenY, yBis = yMax - kistenY;
    const int fx = lager.x(figur), fy = lager.y(figur);
    wege.clear();
    kuerzest[0] = kuerzest[1] = -1;
    for (const Zelle e : enden) {
        const int dx = lager.x(e) - fx, dy = lager.y(e) - fy;
        const int ungerade = (dx + dy) & 1;
        const int zurueck = abstand(dx, xVon, xBis) + abstand(dy, yVon, yBis);
        wege.push_back({dx, dy, ungerade});
        if (kuerzest[ungerade] < 0 || zurueck < kuerzest[ungerade])
            kuerzest[ungerade] = zurueck;
    }
}

namespace {

// The steps for `schuebe` and `tntSchuebe` pushes and a walk back of `zurueck` to an
// end cell of parity `ungerade`.
int schritte(int schuebe, int tntSchuebe, int zurueck, int ungerade) {
    const int s = schuebe + std::max(tntSchuebe, zurueck);
    return s + ((s & 1) ^ ungerade);
}

} // namespace

int Rueckweg::schranke(int schuebe, int tntSchuebe, int tntX, int tntY) const {
    if (wege.empty())
        return schuebe + tntSchuebe;
    int beste = -1;
    const auto nehmen = [&](int wert) { beste = beste < 0 ? wert : std::min(beste, wert); };
    if (tntX == 0 && tntY == 0) {
        for (int ungerade = 0; ungerade < 2; ++ungerade) {
            if (kuerzest[ungerade] >= 0)
                nehmen(schritte(schuebe, tntSchuebe, kuerzest[ungerade], ungerade));
        }
        return beste;
    }
    // The figure's displacement Δx must lie near X + the TNT boxes' own.
    for (const Weg& w : wege) {
        const int zurueck = abstand(w.dx - tntX, xVon, xBis) + abstand(w.dy - tntY, yVon, yBis);
        nehmen(schritte(schuebe, tntSchuebe, zurueck, w.ungerade));
    }
    return beste;
}
