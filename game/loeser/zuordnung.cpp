#include "zuordnung.h"

#include <algorithm>
#include <limits>

int Zuordnung::billigste(const std::vector<int>& kosten, int zeilen, int spalten, int unendlich) {
    if (zeilen == 0)
        return 0;
    // More boxes than storage places: some row finds no free column, and the search
    // for one below would never end.
    if (zeilen > spalten)
        return unendlich;
    // Potentials u (rows) and v (columns); column 0 is the virtual start column.
    const long long gross = std::numeric_limits<long long>::max() / 4;
    u.assign(zeilen + 1, 0);
    v.assign(spalten + 1, 0);
    zeileVon.assign(spalten + 1, 0);
    vorgaenger.assign(spalten + 1, 0);
    minimum.resize(spalten + 1);
    benutzt.resize(spalten + 1);
    // Each row starts at its cheapest column with that cost as its potential: a start
    // the method allows, and already the answer for every row no earlier row took the
    // column of. Only the others look for a path, so most positions cost one pass.
    uebrig.clear();
    for (int i = 1; i <= zeilen; ++i) {
        const auto zeile = kosten.begin() + (i - 1) * spalten;
        const auto j = std::min_element(zeile, zeile + spalten) - zeile + 1;
        u[i] = zeile[j - 1];
        if (zeileVon[j] == 0)
            zeileVon[j] = i;
        else
            uebrig.push_back(i);
    }
    for (const int i : uebrig) {
        zeileVon[0] = i;
        int j0 = 0;
        std::fill(minimum.begin(), minimum.end(), gross);
        std::fill(benutzt.begin(), benutzt.end(), false);
        do {
            benutzt[j0] = true;
            const int i0 = zeileVon[j0];
            long long delta = gross;
            int j1 = 0;
            for (int j = 1; j <= spalten; ++j) {
                if (benutzt[j])
                    continue;
                const long long wert = kosten[(i0 - 1) * spalten + j - 1] - u[i0] - v[j];
                if (wert < minimum[j]) {
                    minimum[j] = wert;
                    vorgaenger[j] = j0;
                }
                if (minimum[j] < delta) {
                    delta = minimum[j];
                    j1 = j;
                }
            }
            for (int j = 0; j <= spalten; ++j) {
                if (benutzt[j]) {
                    u[zeileVon[j]] += delta;
                    v[j] -= delta;
                } else {
                    minimum[j] -= delta;
                }
            }
            j0 = j1;
        } while (zeileVon[j0] != 0);
        do {
            const int j1 = vorgaenger[j0];
            zeileVon[j0] = zeileVon[j1];
            j0 = j1;
        } while (j0 != 0);
    }
    long long summe = 0;
    for (int j = 1; j <= spalten; ++j) {
        if (zeileVon[j] == 0)
            continue;
        const int k = kosten[(zeileVon[j] - 1) * spalten + j - 1];
        if (k >= unendlich)
            return unendlich;
        summe += k;
    }
    return static_cast<int>(std::min<long long>(summe, unendlich));
}
