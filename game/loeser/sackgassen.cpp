#include "sackgassen.h"

bool Sackgassen::achseBlockiert(int z, int v) {
    const int a = z - v, b = z + v;
    if (gesperrt(a) || gesperrt(b))
        return true;
    if (entfernungen.tot()[a] && entfernungen.tot()[b])
        return true;
    return (feld[a] == kiste && eingefroren(a)) || (feld[b] == kiste && eingefroren(b));
}

// A box that can never move again: blocked along both axes by permanent cells, by
// lost cells on both sides, or by boxes that are themselves stuck. While one box is
// examined it counts as a wall for its neighbours. A TNT box or a blastable wall
// may still go away, so neither blocks here.
bool Sackgassen::eingefroren(int z) {
    const auto vorher = feld[z];
    feld[z] = gedacht;
    const bool steckt = achseBlockiert(z, 1) && achseBlockiert(z, lager.breite);
    feld[z] = vorher;
    return steckt;
}

// After a box came to `z`: a box stuck off a storage place can never be placed, nor can
// every box of a row along a wall that has too few storage places.
bool Sackgassen::verklemmt(Zelle z) {
    if (wandzeilen.ueberfuellt(feld, z))
        return true;
    if (!lager.stellplatz[z] && eingefroren(z))
        return true;
    for (int r = 0; r < 4; ++r) {
        const int n = z + lager.versatz(r);
        if (feld[n] == kiste && !lager.stellplatz[n] && eingefroren(n))
            return true;
    }
    return false;
}

bool Sackgassen::klemmtNach(Zelle von, Zelle nach) {
    feld[von] = frei;
    feld[nach] = kiste;
    const bool klemmt = verklemmt(nach);
    feld[nach] = frei;
    feld[von] = kiste;
    return klemmt;
}
