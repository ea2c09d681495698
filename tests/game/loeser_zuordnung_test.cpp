#include "game/loeser/zuordnung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace {

// The cheapest assignment against trying every one, on small random tables whose low
// costs make rows share their cheapest column and tie often, with entries that are
// not possible; a row left with none of those has no assignment at all.
TEST(Zuordnung, findetDieBilligsteWieDasDurchprobierenJederZuordnung) {
    constexpr int x = 1000; // not possible
    std::mt19937 wuerfel(2026);
    Zuordnung zuordnung;
    for (int versuch = 0; versuch < 3000; ++versuch) {
        const int zeilen = 1 + static_cast<int>(wuerfel() % 5);
        const int spalten = zeilen + static_cast<int>(wuerfel() % 3);
        std::vector<int> kosten(zeilen * spalten);
        for (int& k : kosten)
            k = wuerfel() % 4 == 0 ? x : static_cast<int>(wuerfel() % 6);
        std::vector<int> spalte(spalten);
        std::iota(spalte.begin(), spalte.end(), 0);
        int beste = x;
        do {
            int summe = 0;
            for (int i = 0; i < zeilen; ++i)
                summe = std::min(x, summe + kosten[i * spalten + spalte[i]]);
            beste = std::min(beste, summe);
        } while (std::next_permutation(spalte.begin(), spalte.end()));
        ASSERT_EQ(zuordnung.billigste(kosten, zeilen, spalten, x), beste) << "Versuch " << versuch;
    }
}

} // namespace
