#include "bloecke.h"

#include <algorithm>

Bloecke::Bloecke(const Lager& lager)
    : lager(lager), entdeckt(lager.fest.size(), 0), tiefste(lager.fest.size(), 0),
      block(lager.fest.size() * 4, 0) {}

// A depth-first walk that keeps the edges on a stack; when no cell below a tree edge
// reaches above it, the edges down to that one form a block.
void Bloecke::zerlegen(const Feld& feld, Zelle wurzel) {
    for (const Zelle z : besucht)
        entdeckt[z] = 0;
    besucht.assign(1, wurzel);
    uhr = 1;
    bloecke = 0;
    entdeckt[wurzel] = tiefste[wurzel] = uhr;
    stapel.assign(1, {wurzel, 0, 4});
    kanten.clear();
    while (!stapel.empty()) {
        Rahmen& oben = stapel.back();
        const Zelle z = oben.zelle;
        if (oben.naechste == 4) {
            const int herkunft = oben.herkunft;
            stapel.pop_back();
            if (!stapel.empty())
                schliessen(z, stapel.back().zelle, herkunft);
            continue;
        }
        const int r = oben.naechste++;
        const int n = z + lager.versatz(r);
        if (feld[n] != frei || r == (oben.herkunft ^ 2))
            continue;
        if (entdeckt[n] == 0) {
            kanten.push_back(z * 4 + r);
            entdeckt[n] = tiefste[n] = ++uhr;
            besucht.push_back(static_cast<Zelle>(n));
            stapel.push_back({static_cast<Zelle>(n), 0, static_cast<std::uint8_t>(r)});
        } else if (entdeckt[n] < entdeckt[z]) {
            kanten.push_back(z * 4 + r);
            tiefste[z] = std::min(tiefste[z], entdeckt[n]);
        }
    }
}

// The walk is back at `eltern` from `kind`, reached in direction `richtung`.
void Bloecke::schliessen(Zelle kind, Zelle eltern, int richtung) {
    tiefste[eltern] = std::min(tiefste[eltern], tiefste[kind]);
    if (tiefste[kind] < entdeckt[eltern])
        return;
    ++bloecke;
    const int baumkante = eltern * 4 + richtung;
    for (int kante = -1; kante != baumkante;) {
        kante = kanten.back();
        kanten.pop_back();
        const int von = kante / 4, r = kante % 4;
        block[kante] = bloecke;
        block[(von + lager.versatz(r)) * 4 + (r ^ 2)] = bloecke;
    }
}
