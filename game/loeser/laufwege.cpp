#include "laufwege.h"

#include <algorithm>

namespace {

// Beyond this many cells the table of all distances would grow too large; the bound
// then falls back to zero, which is still a lower bound.
constexpr int hoechstensZellen = 2500;
constexpr std::uint16_t fern = 0xFFFF;

} // namespace

Laufwege::Laufwege(const Lager& lager) : lager(lager), zellen(static_cast<int>(lager.fest.size())) {
    if (zellen > hoechstensZellen)
        return;
    tabelle.assign(static_cast<std::size_t>(zellen) * zellen, fern);
    std::vector<int> schlange;
    for (int start = 0; start < zellen; ++start) {
        if (lager.fest[start])
            continue;
        std::uint16_t* d = &tabelle[static_cast<std::size_t>(start) * zellen];
        d[start] = 0;
        schlange.assign(1, start);
        for (std::size_t k = 0; k < schlange.size(); ++k) {
            const int z = schlange[k];
            for (int r = 0; r < 4; ++r) {
                const int n = z + lager.versatz(r);
                if (lager.fest[n] || d[n] != fern)
                    continue;
                d[n] = static_cast<std::uint16_t>(d[z] + 1);
                schlange.push_back(n);
            }
        }
    }
}

int Laufwege::zurKiste(Zelle figur, Zelle kiste) const {
    int kuerzest = fern;
    for (int r = 0; r < 4; ++r) {
        const int n = kiste + lager.versatz(r);
        if (!lager.fest[n])
            kuerzest = std::min(kuerzest, abstand(figur, n));
    }
    return kuerzest;
}

int Laufwege::zwischen(Zelle a, Zelle b) const {
    int kuerzest = fern;
    for (int r = 0; r < 4; ++r) {
        const int n = a + lager.versatz(r);
        if (!lager.fest[n])
            kuerzest = std::min(kuerzest, zurKiste(static_cast<Zelle>(n), b));
    }
    return kuerzest;
}

int Laufwege::schranke(Zelle figur, const std::vector<Zelle>& offen, int restPushes) {
    if (tabelle.empty() || offen.empty())
        return 0;
    // Prim's tree over the figure (node 0) and the boxes.
    const std::size_t n = offen.size() + 1;
    bester.assign(n, fern);
    imBaum.assign(n, false);
    for (std::size_t i = 1; i < n; ++i)
        bester[i] = zurKiste(figur, offen[i - 1]);
    imBaum[0] = true;
    int summe = 0;
    for (std::size_t schritt = 1; schritt < n; ++schritt) {
        std::size_t naechster = 0;
        for (std::size_t i = 1; i < n; ++i) {
            if (!imBaum[i] && (naechster == 0 || bester[i] < bester[naechster]))
                naechster = i;
        }
        if (bester[naechster] >= fern)
            return 0; // a box the figure can never reach: the matching decides
        summe += bester[naechster];
        imBaum[naechster] = true;
        for (std::size_t i = 1; i < n; ++i) {
            if (!imBaum[i])
                bester[i] = std::min(bester[i], zwischen(offen[naechster - 1], offen[i - 1]));
        }
    }
    return summe + restPushes;
}
