#include "game/loeser/lager.h"
#include "game/loeser/packung.h"
#include "game/loeser/schluessel.h"
#include "game/loeser/stellungen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <random>
#include <tuple>

namespace {

using Zelle = Lager::Zelle;

// The largest grid the board gives, 23 by 18 cells in a ring of border, with
// blastable walls at random and every `totJe`-th cell dead, and random keys on it as
// the search builds them: the figure, the boxes (on a dead cell only the one where a
// box started), the TNT count, the TNT boxes, the blasted walls.
struct Erzeuger {
    Erzeuger(std::size_t kisten, std::size_t tnt, std::size_t mauern, int totJe)
        : wuerfel(static_cast<std::uint32_t>(kisten)), form(kisten, tnt), tnt(tnt) {
        lager.breite = 25, lager.hoehe = 20;
        tot.assign(25 * 20, false);
        for (int z = 0; z < 25 * 20; ++z) {
            const int x = z % 25, y = z / 25;
            lager.fest.push_back(x == 0 || y == 0 || x == 24 || y == 19);
            tot[z] = !lager.fest[z] && totJe > 0 && z % totJe == 0;
            if (!lager.fest[z])
                innen.push_back(static_cast<Zelle>(z));
            if (!lager.fest[z] && (!tot[z] || lager.kisten.empty()))
                kistenfelder.push_back(static_cast<Zelle>(z));
            if (tot[z] && lager.kisten.empty())
                lager.kisten.push_back(static_cast<Zelle>(z));
        }
        lager.mauern = ziehen(innen, mauern);
    }

    std::vector<Zelle> ziehen(std::vector<Zelle> aus, std::size_t n) {
        std::shuffle(aus.begin(), aus.end(), wuerfel);
        aus.resize(n);
        std::sort(aus.begin(), aus.end());
        return aus;
    }

    std::vector<Zelle> stellung() {
        std::vector<Zelle> k = ziehen(kistenfelder, form.kisten);
        k.insert(k.begin(), innen[wuerfel() % innen.size()]);
        const std::size_t uebrig = wuerfel() % (tnt + 1);
        k.push_back(static_cast<Zelle>(uebrig));
        for (const auto& teil : {ziehen(innen, uebrig), ziehen(lager.mauern, tnt - uebrig)})
            k.insert(k.end(), teil.begin(), teil.end());
        return k;
    }

    std::mt19937 wuerfel;
    Schluessel form;
    std::size_t tnt;
    Lager lager;
    std::vector<bool> tot;
    std::vector<Zelle> innen, kistenfelder;
};

// Every stored position is found again under its own node and reads back unchanged,
// through blocks, growth of the table and, under a memory limit, a table that fills
// up instead of growing: three quarters full it would stop at 12288 positions.
TEST(Stellungen, findenJedeStellungWiederUndGebenIhrenSchluesselZurueck) {
    constexpr std::size_t keineGrenze = SIZE_MAX;
    const std::vector<
        std::tuple<const char*, std::size_t, std::size_t, std::size_t, int, std::size_t, bool>>
        faelle{
            // what, boxes, TNT boxes, blastable walls, dead cells, memory, packed as a set
            {"fast voller Kisten", 380, 3, 20, 0, keineGrenze, true},
            {"wenige Kisten", 6, 0, 0, 0, keineGrenze, false},
            {"viel TNT, gesprengte Mauern", 4, 7, 30, 0, keineGrenze, false},
            {"tote Felder, eine Kiste auf einem", 40, 1, 5, 4, keineGrenze, false},
            {"Speichergrenze", 6, 0, 0, 0, 700'000, false},
        };
    for (const auto& [was, kisten, tnt, mauern, totJe, grenze, alsMenge] : faelle) {
        SCOPED_TRACE(was);
        Erzeuger erzeuger(kisten, tnt, mauern, totJe);
        const Packung packung(erzeuger.lager, erzeuger.form, erzeuger.tot);
        EXPECT_EQ(packung.kistenAlsMenge(), alsMenge);
        Stellungen stellungen(packung);
        std::map<std::vector<Zelle>, std::uint32_t> gespeichert;
        for (int i = 0; i < 20000; ++i) {
            const auto k = erzeuger.stellung();
            const std::size_t belegt = stellungen.speicher();
            if (belegt > grenze || !stellungen.passt(grenze - belegt))
                break;
            const auto [id, neu] = stellungen.eintragen(k);
            const auto [vorher, eingefuegt] = gespeichert.emplace(k, id);
            ASSERT_EQ(neu, eingefuegt);
            ASSERT_EQ(id, vorher->second);
        }
        EXPECT_GE(gespeichert.size(), 14000u);
        EXPECT_EQ(stellungen.anzahl(), gespeichert.size());
        EXPECT_LE(stellungen.speicher(), grenze);
        std::vector<Zelle> gelesen;
        for (const auto& [k, id] : gespeichert) {
            ASSERT_EQ(stellungen.eintragen(k), std::make_pair(id, false));
            stellungen.schluesselLesen(id, gelesen);
            ASSERT_EQ(gelesen, k);
        }
    }
}

} // namespace
