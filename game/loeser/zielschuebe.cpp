#include "zielschuebe.h"

#include <algorithm>

Zielschuebe::Zielschuebe(const Lager& lager)
    : lager(lager), rang(lager.fest.size(), 0), vorher(lager.fest.size() * 4, -2), bloecke(lager) {
    packordnung();
}

// Backwards from every place holding a box, every other box gone and the walls standing:
// in each round the boxes the figure can pull off their place at once leave, those of
// the first round are the last to fill. A place that never empties is filled first.
void Zielschuebe::packordnung() {
    const auto n = static_cast<int>(lager.fest.size());
    std::vector<bool> wand(n, false), belegt(n, false);
    for (int z = 0; z < n; ++z)
        wand[z] = lager.fest[z];
    for (const Zelle m : lager.mauern)
        wand[m] = true;
    for (int z = 0; z < n; ++z)
        belegt[z] = lager.stellplatz[z] && !wand[z];
    std::vector<int> runde(n, 0);
    int runden = 0;
    for (bool weiter = true; weiter;) {
        // Pulled backwards, a box goes back where the boxes come from: the figure walks
        // from the cells of the boxes off their places and from its own. Where none of
        // them is open, it comes from every free cell that is no place.
        std::vector<bool> reich(n, false);
        std::vector<int> offen;
        const auto quelle = [&](int z) {
            if (!wand[z] && !belegt[z] && !reich[z]) {
                reich[z] = true;
                offen.push_back(z);
            }
        };
        quelle(lager.figur);
        for (const Zelle k : lager.kisten)
            quelle(k);
        const bool keineQuelle = offen.empty();
        for (int z = 0; z < n && keineQuelle; ++z)
            if (!lager.stellplatz[z])
                quelle(z);
        while (!offen.empty()) {
            const int z = offen.back();
            offen.pop_back();
            for (int r = 0; r < 4; ++r) {
                const int nb = z + lager.versatz(r);
                if (!reich[nb] && !wand[nb] && !belegt[nb]) {
                    reich[nb] = true;
                    offen.push_back(nb);
                }
            }
        }
        std::vector<int> frei;
        for (int z = 0; z < n; ++z) {
            for (int r = 0; r < 4 && belegt[z]; ++r) {
                const int p = z + lager.versatz(r);
                if (reich[p] && !wand[p + lager.versatz(r)] && !belegt[p + lager.versatz(r)]) {
                    frei.push_back(z);
                    break;
                }
            }
        }
        weiter = !frei.empty();
        runden += weiter;
        for (const int z : frei) {
            belegt[z] = false;
            runde[z] = runden;
        }
    }
    for (int z = 0; z < n; ++z)
        rang[z] = runde[z] == 0 ? 0 : runden - runde[z];
}

// Breadth-first over states `kiste * 4 + r`: the box on that cell, pushed there in
// direction r, so the figure stands behind it. The shortest push way to every cell.
const std::vector<Zielschuebe::Schub>& Zielschuebe::weg(Feld& feld, Sackgassen& sackgassen,
                                                        const Entfernungen& e,
                                                        const std::vector<int>& abstand,
                                                        const Gang& figur, Zelle start) {
    schuebe.clear();
    for (const int s : staende)
        vorher[s] = -2;
    staende.clear();
    // No free place comes before this one: the first reached ends the search. A box
    // that reaches no free place even past every other object needs no search at all.
    int erster = 1 << 30;
    const std::size_t n = lager.fest.size();
    for (std::size_t j = 0; j < e.ziele().size(); ++j)
        if (feld[e.ziele()[j]] == frei && abstand[j * n + start] < Entfernungen::unendlich)
            erster = std::min(erster, rang[e.ziele()[j]]);
    if (erster == 1 << 30)
        return schuebe;
    feld[start] = frei;
    int bester = -1;
    bloecke.zerlegen(feld, start);
    const auto besuchen = [&](Zelle box, int zustand) {
        feld[box] = kiste;
        const auto seite =
            zustand < 0 ? seiten(feld, box, figur) : nachbarn(feld, box, zustand % 4);
        for (int r = 0; r < 4; ++r) {
            const int nach = box + lager.versatz(r);
            if (!seite[r ^ 2] || feld[nach] != frei || e.tot()[nach] ||
                vorher[nach * 4 + r] != -2 || sackgassen.klemmtNach(box, static_cast<Zelle>(nach)))
                continue;
            vorher[nach * 4 + r] = zustand;
            staende.push_back(nach * 4 + r);
        }
        feld[box] = frei;
    };
    besuchen(start, -1);
    for (std::size_t i = 0; i < staende.size(); ++i) {
        const int s = staende[i];
        const int box = s / 4;
        if (lager.stellplatz[box] && (bester < 0 || rang[box] < rang[bester / 4]))
            bester = s;
        if (bester >= 0 && rang[bester / 4] == erster)
            break;
        besuchen(static_cast<Zelle>(box), s);
    }
    feld[start] = kiste;
    for (int s = bester; s >= 0; s = vorher[s]) {
        const int r = s % 4;
        schuebe.push_back(
            {static_cast<Zelle>(s / 4 - lager.versatz(r)), static_cast<std::uint8_t>(r)});
    }
    std::reverse(schuebe.begin(), schuebe.end());
    return schuebe;
}

// Which neighbours of `box` the figure reaches right after pushing it in direction r.
std::array<bool, 4> Zielschuebe::nachbarn(const Feld& feld, Zelle box, int r) const {
    std::array<bool, 4> seite{};
    for (int s = 0; s < 4; ++s)
        seite[s] = feld[box + lager.versatz(s)] == frei && bloecke.verbunden(box, s, r ^ 2);
    seite[r ^ 2] = true;
    return seite;
}

// Which neighbours of the box on `start` the figure reaches on its walk `figur`.
std::array<bool, 4> Zielschuebe::seiten(const Feld& feld, Zelle start, const Gang& figur) const {
    std::array<bool, 4> seite{};
    for (int r = 0; r < 4; ++r) {
        const int n = start + lager.versatz(r);
        seite[r] = feld[n] == frei && figur.weg[n] >= 0;
    }
    return seite;
}
