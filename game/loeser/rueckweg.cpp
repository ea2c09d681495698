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
    for (const Zelle e : enden) {
        const int dx = lager.x(e) - fx, dy = lager.y(e) - fy;
        wege.push_back({dx, dy, abstand(dx, xVon, xBis) + abstand(dy, yVon, yBis), (dx + dy) & 1});
    }
}

int Rueckweg::schranke(int schuebe, int tntSchuebe, int tntX, int tntY) const {
    if (wege.empty())
        return schuebe + tntSchuebe;
    int beste = 0;
    for (std::size_t i = 0; i < wege.size(); ++i) {
        const Weg& w = wege[i];
        // The figure's displacement Δx must lie near X + the TNT boxes' own.
        const int zurueck = tntX == 0 && tntY == 0 ? w.zurueck
                                                   : abstand(w.dx - tntX, xVon, xBis) +
                                                         abstand(w.dy - tntY, yVon, yBis);
        int schritte = schuebe + std::max(tntSchuebe, zurueck);
        schritte += (schritte & 1) ^ w.ungerade;
        if (i == 0 || schritte < beste)
            beste = schritte;
    }
    return beste;
}
