#include "game/loeser/lager.h"
#include "game/loeser/packung.h"
#include "game/loeser/schluessel.h"
#include "game/loeser/stellungen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <random>

namespace {

using Zelle = Lager::Zelle;

// A grid with a ring of border, blastable walls and dead cells at random, and random
// positions on it: boxes never on a dead cell unless one started there, TNT boxes
// anywhere, blasted walls among the blastable ones.
struct Erzeuger {
    Erzeuger(int breite, int hoehe, std::size_t kisten, std::size_t tnt, std::size_t mauern,
             int totJe)
        : wuerfel(breite * 7919u + kisten), form(kisten, tnt) {
        lager.breite = breite, lager.hoehe = hoehe;
        lager.fest.assign(static_cast<std::size_t>(breite) * hoehe, false);
        tot.assign(lager.fest.size(), false);
        for (std::size_t z = 0; z < lager.fest.size(); ++z) {
            const int x = lager.x(static_cast<Zelle>(z)), y = lager.y(static_cast<Zelle>(z));
            lager.fest[z] = x == 0 || y == 0 || x == breite - 1 || y == hoehe - 1;
            tot[z] = !lager.fest[z] && totJe > 0 && wuerfel() % totJe == 0;
            if (!lager.fest[z])
                innen.push_back(static_cast<Zelle>(z));
        }
        lager.mauern = ziehen(innen, mauern);
        lager.tntKisten = ziehen(innen, tnt);
        // One box starts on a dead cell where there are any.
        const auto totesFeld =
            std::find_if(innen.begin(), innen.end(), [&](Zelle z) { return tot[z]; });
        for (const Zelle z : innen)
            if (!tot[z] || z == *totesFeld)
                kistenfelder.push_back(z);
        lager.kisten = ziehen(kistenfelder, kisten);
    }

    std::vector<Zelle> ziehen(std::vector<Zelle> aus, std::size_t n) {
        std::shuffle(aus.begin(), aus.end(), wuerfel);
        aus.resize(n);
        std::sort(aus.begin(), aus.end());
        return aus;
    }

    // A key as the search builds it: the figure, the boxes, the TNT count, the TNT
    // boxes, the blasted walls.
    std::vector<Zelle> stellung() {
        std::vector<Zelle> k{innen[wuerfel() % innen.size()]};
        const auto kisten = ziehen(kistenfelder, form.kisten);
        k.insert(k.end(), kisten.begin(), kisten.end());
        const std::size_t alle = lager.tntKisten.size();
        const std::size_t tnt = wuerfel() % (alle + 1);
        k.push_back(static_cast<Zelle>(tnt));
        const auto tntKisten = ziehen(innen, tnt);
        k.insert(k.end(), tntKisten.begin(), tntKisten.end());
        const auto gesprengt = ziehen(lager.mauern, alle - tnt);
        k.insert(k.end(), gesprengt.begin(), gesprengt.end());
        return k;
    }

    std::mt19937 wuerfel;
    Lager lager;
    Schluessel form;
    std::vector<bool> tot;
    std::vector<Zelle> innen, kistenfelder;
};

// Every stored position is found again under its own node and reads back unchanged,
// through blocks, growth of the table and, under a memory limit, a table that fills
// up instead of growing. The largest grid the board gives is 25 by 20 with the ring.
TEST(Stellungen, findenJedeStellungWiederUndGebenIhrenSchluesselZurueck) {
    struct Fall {
        const char* was;
        int breite, hoehe;
        std::size_t kisten, tnt, mauern;
        int totJe;              // one cell in this many is dead; 0: none
        std::size_t grenze;     // bytes for the table
        bool alsMenge;          // the boxes packed as a bit set
        std::size_t stellungen; // stored at the least
    };
    constexpr std::size_t keineGrenze = SIZE_MAX;
    const std::vector<Fall> faelle{
        {"größtes Brett, fast voller Kisten", 25, 20, 380, 3, 20, 0, keineGrenze, true, 20000},
        {"größtes Brett, wenige Kisten", 25, 20, 6, 0, 0, 0, keineGrenze, false, 20000},
        {"viel TNT, gesprengte Mauern", 12, 10, 4, 7, 30, 0, keineGrenze, false, 20000},
        {"tote Felder, Kiste auf einem", 25, 20, 40, 1, 5, 4, keineGrenze, false, 20000},
        // Three quarters full, the table would stop at 12288 positions.
        {"Speichergrenze", 25, 20, 6, 0, 0, 0, 700'000, false, 14000},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.was);
        Erzeuger erzeuger(fall.breite, fall.hoehe, fall.kisten, fall.tnt, fall.mauern, fall.totJe);
        const Packung packung(erzeuger.lager, erzeuger.form, erzeuger.tot);
        EXPECT_EQ(packung.kistenAlsMenge(), fall.alsMenge);
        Stellungen stellungen(packung);
        std::map<std::vector<Zelle>, std::uint32_t> gespeichert;
        for (int i = 0; i < 20000; ++i) {
            const auto k = erzeuger.stellung();
            const std::size_t belegt = stellungen.speicher();
            if (belegt > fall.grenze || !stellungen.passt(fall.grenze - belegt))
                break;
            const auto [id, neu] = stellungen.eintragen(k);
            const auto [vorher, eingefuegt] = gespeichert.emplace(k, id);
            ASSERT_EQ(neu, eingefuegt);
            ASSERT_EQ(id, vorher->second);
        }
        EXPECT_GE(gespeichert.size(), fall.stellungen);
        EXPECT_EQ(stellungen.anzahl(), gespeichert.size());
        EXPECT_LE(stellungen.speicher(), fall.grenze);
        std::vector<Zelle> gelesen;
        for (const auto& [k, id] : gespeichert) {
            ASSERT_EQ(stellungen.eintragen(k), std::make_pair(id, false));
            stellungen.schluesselLesen(id, gelesen);
            ASSERT_EQ(gelesen, k);
        }
    }
}

} // namespace
