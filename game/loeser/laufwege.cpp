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
    const auto n = static_cast<std::size_t>(zellen);
    std::vector<std::uint16_t> abstand(n * n, fern);
    std::vector<int> schlange;
    for (int start = 0; start < zellen; ++start) {
        if (lager.fest[start])
            continue;
        std::uint16_t* d = &abstand[start * n];
        d[start] = 0;
        schlange.assign(1, start);
        for (std::size_t k = 0; k < schlange.size(); ++k) {
            const int z = schlange[k];
            for (int r = 0; r < 4; ++r) {
                const int nachbar = z + lager.versatz(r);
                if (lager.fest[nachbar] || d[nachbar] != fern)
                    continue;
                d[nachbar] = static_cast<std::uint16_t>(d[z] + 1);
                schlange.push_back(nachbar);
            }
        }
    }
    // Every bound asks for these minima many times over: worked out once here, a row at a
    // time. Distances are symmetric, so a neighbour's row holds its distance to every cell.
    zurKiste.assign(n * n, fern);
    zwischen.assign(n * n, fern);
    std::vector<std::vector<std::size_t>> nachbarnVon(n);
    for (std::size_t z = 0; z < n; ++z)
        nachbarnVon[z] = nachbarn(z);
    for (std::size_t kiste = 0; kiste < n; ++kiste) {
        for (const std::size_t nachbar : nachbarnVon[kiste]) {
            for (std::size_t von = 0; von < n; ++von)
                zurKiste[kiste * n + von] =
                    std::min(zurKiste[kiste * n + von], abstand[nachbar * n + von]);
        }
    }
    for (std::size_t kiste = 0; kiste < n; ++kiste) {
        for (std::size_t andere = 0; andere < n; ++andere) {
            for (const std::size_t nachbar : nachbarnVon[andere])
                zwischen[kiste * n + andere] =
                    std::min(zwischen[kiste * n + andere], zurKiste[kiste * n + nachbar]);
        }
    }
}

// The neighbours of a cell that are not permanent; none for a permanent cell.
std::vector<std::size_t> Laufwege::nachbarn(std::size_t zelle) const {
    std::vector<std::size_t> liste;
    for (int r = 0; !lager.fest[zelle] && r < 4; ++r) {
        const std::size_t n = zelle + lager.versatz(r);
        if (!lager.fest[n])
            liste.push_back(n);
    }
    return liste;
}

int Laufwege::schranke(Zelle figur, const std::vector<Zelle>& offen, int restPushes) {
    if (zurKiste.empty() || offen.empty())
        return 0;
    const auto n = static_cast<std::size_t>(zellen);
    // Prim's tree over the figure (node 0) and the boxes.
    const std::size_t knoten = offen.size() + 1;
    bester.assign(knoten, fern);
    imBaum.assign(knoten, false);
    for (std::size_t i = 1; i < knoten; ++i)
        bester[i] = zurKiste[offen[i - 1] * n + figur];
    imBaum[0] = true;
    int summe = 0;
    for (std::size_t schritt = 1; schritt < knoten; ++schritt) {
        std::size_t naechster = 0;
        for (std::size_t i = 1; i < knoten; ++i) {
            if (!imBaum[i] && (naechster == 0 || bester[i] < bester[naechster]))
                naechster = i;
        }
        if (bester[naechster] >= fern)
            return 0; // a box the figure can never reach: the matching decides
        summe += bester[naechster];
        imBaum[naechster] = true;
        for (std::size_t i = 1; i < knoten; ++i) {
            if (!imBaum[i])
                bester[i] =
                    std::min<int>(bester[i], zwischen[offen[naechster - 1] * n + offen[i - 1]]);
        }
    }
    return summe + restPushes;
}
