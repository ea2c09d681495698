#include "nachspielen.h"
#include "testhilfen.h"

#include "game/loeser/bloecke.h"
#include "game/loeser/entfernungen.h"
#include "game/loeser/feld.h"
#include "game/loeser/lager.h"
#include "game/loeser/loeser.h"
#include "game/loeser/sackgassen.h"
#include "game/loeser/schluessel.h"
#include "game/loeser/schnellsuche.h"
#include "game/loeser/tunnel.h"
#include "game/loeser/zielschuebe.h"

#include <variant>

namespace {

class Zielschub : public Bildtest {
  protected:
    const Lager& lagerAus(const std::vector<std::string>& bild) {
        bildStarten(bild);
        auto gelesen = lagerLesen(*brett);
        lager = std::get<Lager>(std::move(gelesen));
        for (std::size_t y = 0; y < bild.size(); ++y) {
            const auto x = bild[y].find_first_of("@+");
            if (x != std::string::npos)
                figurX = static_cast<int>(x), figurY = static_cast<int>(y);
        }
        return lager;
    }

    // The solver's cell of column x, row y of the picture.
    Lager::Zelle zelle(int x, int y) const {
        return static_cast<Lager::Zelle>(lager.figur + (x - figurX) + (y - figurY) * lager.breite);
    }

    Lager lager;
    int figurX = 0, figurY = 0;
};

// Places deep in a dead end are filled before the ones in front of them; where every
// place can be filled at any time the order leaves them all equal.
TEST_F(Zielschub, diePackordnungFuelltVonHintenNachVorn) {
    struct Fall {
        const char* was;
        std::vector<std::string> bild;
        std::vector<int> raenge; // of the storage places in reading order
    };
    const std::vector<Fall> faelle{
        {"Sackgasse", {"=========", "=@$  ...=", "========="}, {2, 1, 0}},
        {"Block an der Wand", {"=======", "=@$..==", "=  ..==", "======="}, {1, 0, 1, 0}},
        {"offener Raum", {"=======", "=.   .=", "= $@  =", "=.   .=", "======="}, {0, 0, 0, 0}},
        // The boxes come in over the place in the door, so it is the last to fill.
        {"Platz in der Tür", {"=========", "=@$ .   =", "=====.  =", "========="}, {1, 0}},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.was);
        lagerAus(fall.bild);
        const Zielschuebe zielschuebe(lager);
        std::vector<int> raenge;
        for (int y = 0; y < static_cast<int>(fall.bild.size()); ++y)
            for (int x = 0; x < static_cast<int>(fall.bild[y].size()); ++x)
                if (fall.bild[y][x] == '.')
                    raenge.push_back(zielschuebe.packrang()[zelle(x, y)]);
        EXPECT_EQ(raenge, fall.raenge);
    }
}

// The way of the box that stands at the first '$' of each picture: the cell it ends on
// and its number of pushes, or none. Other boxes stand still.
TEST_F(Zielschub, eineKisteGehtAufDenErstenFreienPlatzDerPackordnung) {
    struct Fall {
        const char* was;
        std::vector<std::string> bild;
        int schuebe;   // 0: no way
        int zielX = 0; // where the box ends
        int zielY = 0;
    };
    const std::vector<Fall> faelle{
        {"am vorderen Platz vorbei nach hinten", {"========", "=@$ ...=", "========"}, 4, 6, 1},
        {"hinten besetzt", {"========", "=@$ ..*=", "========"}, 3, 5, 1},
        // Round the corner: the figure walks round the box to push it the other way.
        {"um die Ecke", {"=======", "=@    =", "= $   =", "=   . =", "======="}, 3, 4, 3},
        {"an der Wand gefangen", {"======", "=@ .$=", "======"}, 0},
        // Other boxes stand still: the one in front blocks the way.
        {"hinter einer anderen Kiste", {"=======", "=@$$..=", "======="}, 0},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.was);
        lagerAus(fall.bild);
        int kisteX = 0, kisteY = 0;
        for (int y = 0; y < static_cast<int>(fall.bild.size()); ++y)
            if (const auto x = fall.bild[y].find('$'); x != std::string::npos && !kisteX)
                kisteX = static_cast<int>(x), kisteY = y;
        const Schluessel form(lager.kisten.size(), lager.tntKisten.size());
        Entfernungen entfernungen(lager);
        Feld feld(lager, form);
        Sackgassen sackgassen(lager, entfernungen, feld);
        Zielschuebe zielschuebe(lager);
        const auto start = form.start(lager);
        feld.belegen(start.data());
        Gang figur(lager.fest.size());
        feld.laufen(figur, lager.figur);
        const auto weg =
            zielschuebe.weg(feld, sackgassen, entfernungen, entfernungen.tabelle({}).stufen.front(),
                            figur, zelle(kisteX, kisteY));
        ASSERT_EQ(static_cast<int>(weg.size()), fall.schuebe);
        // The position is left as it was.
        EXPECT_EQ(feld[zelle(kisteX, kisteY)], kiste);
        if (weg.empty())
            continue;
        const auto& letzter = weg.back();
        EXPECT_EQ(letzter.von + lager.versatz(letzter.richtung), zelle(fall.zielX, fall.zielY));
        // Each push starts where the one before left the box.
        for (std::size_t i = 1; i < weg.size(); ++i)
            EXPECT_EQ(weg[i].von, weg[i - 1].von + lager.versatz(weg[i - 1].richtung));
    }
}

// With a box on any free cell, whether two of its free neighbours stay connected, as a
// walk of the figure around the box finds it: in rooms, rings, dead ends and corridors.
TEST_F(Zielschub, dieBloeckeSagenWieEineWanderungObZweiSeitenVerbundenBleiben) {
    const std::vector<std::vector<std::string>> bilder{
        {"========", "=@  $  =", "= == = =", "= =  # =", "=   =  =", "========"},
        {"=========", "=@   =  =", "=== == ==", "=       =", "= ==$== =", "=   =   =", "========="},
        {"=======", "=@    =", "= =$= =", "=     =", "== == =", "=     =", "======="},
    };
    int getrennt = 0;
    for (const auto& bild : bilder) {
        SCOPED_TRACE(::testing::PrintToString(bild));
        lagerAus(bild);
        const Schluessel form(lager.kisten.size(), lager.tntKisten.size());
        Feld feld(lager, form);
        feld.belegen(form.start(lager).data());
        Bloecke bloecke(lager);
        bloecke.zerlegen(feld, lager.figur);
        Gang figur(lager.fest.size()), umweg(lager.fest.size());
        feld.laufen(figur, lager.figur);
        for (const Lager::Zelle z : std::vector<Lager::Zelle>(figur.erreicht)) {
            for (int r = 0; r < 4; ++r) {
                for (int s = r + 1; s < 4; ++s) {
                    const int a = z + lager.versatz(r), b = z + lager.versatz(s);
                    if (feld[a] != frei || feld[b] != frei)
                        continue;
                    feld[z] = kiste;
                    feld.laufen(umweg, static_cast<Lager::Zelle>(a));
                    feld[z] = frei;
                    EXPECT_EQ(bloecke.verbunden(z, r, s), umweg.weg[b] >= 0) << z << " " << r << s;
                    getrennt += umweg.weg[b] < 0;
                }
            }
        }
    }
    EXPECT_GE(getrennt, 15);
}

// A box pushed into a corridor goes on only where nothing can get round it: the cells
// marked 'x' (floor), and no other, are such corridor cells in either direction.
TEST_F(Zielschub, eineKisteImGangGehtNurWeiterWoNichtsUmDenGangFuehrt) {
    const std::vector<std::vector<std::string>> bilder{
        // A dead end with a storage place halfway: the box stops on it.
        {"==========", "=@xx.xxx*=", "=========="},
        // Rows round a block: the figure can get ahead of the box.
        {"=======", "=@    =", "= === =", "=    *=", "======="},
        // A side pocket: the box can leave the corridor sideways there.
        {"=========", "=@xx xx*=", "====x====", "==== ====", "========="},
    };
    for (const auto& bild : bilder) {
        SCOPED_TRACE(::testing::PrintToString(bild));
        lagerAus(bild);
        const Tunnel tunnel(lager);
        for (int y = 0; y < static_cast<int>(bild.size()); ++y)
            for (int x = 0; x < static_cast<int>(bild[y].size()); ++x) {
                const Lager::Zelle z = zelle(x, y);
                EXPECT_EQ(tunnel.weiter(z, 0) || tunnel.weiter(z, 1), bild[y][x] == 'x')
                    << x << "," << y;
                EXPECT_EQ(tunnel.weiter(z, 0), tunnel.weiter(z, 2));
                EXPECT_EQ(tunnel.weiter(z, 1), tunnel.weiter(z, 3));
            }
    }
}

// The box could go round the wall, 10 pushes; through the wall right of it, 6, and the TNT
// box below takes 3 pushes to blast it (the one on the right 5). The wall below opens a
// way of 8 for 2 TNT pushes: no saving. The plan blasts first, then places the box, and
// its solution plays.
TEST_F(Zielschub, einPlanSprengtZuerstDieMauerDieDenWegAbkuerzt) {
    lagerAus({"============", "=     #    =", "=  $  #  . =", "=     #    =", "=@   T     =",
              "=         T=", "============"});
    const auto plaene = sprengplaene(lager);
    ASSERT_EQ(plaene.size(), 1u);
    EXPECT_EQ(plaene[0].wand, zelle(6, 2));
    EXPECT_EQ(plaene[0].tnt, zelle(5, 4));
    EXPECT_EQ(plaene[0].wert, 9);
    const Loesung l = erstSprengen(lager, plaene[0], {.schnell = true}, nullptr);
    ASSERT_EQ(l.ergebnis, Ergebnis::geloest);
    EXPECT_TRUE(spieltSichDurch(*brett, l.zuege));
    EXPECT_EQ(l.schuebe, 9);
}

// Before the TNT box can pass the corridor the box at its mouth must go through it, on
// to a spot aside in the room beyond. The blast comes first, so no box goes onto its
// place in one move: the search must go on from where the box left the corridor.
TEST_F(Zielschub, eineKisteDurchDenGangMachtDerTntKistePlatz) {
    lagerAus({"================", "=@   ====    ===", "= T $        #.=", "=    ====    ===",
              "=========    ===", "================"});
    const auto plaene = sprengplaene(lager);
    ASSERT_EQ(plaene.size(), 1u);
    const Loesung l = erstSprengen(lager, plaene[0], {.schnell = true}, nullptr);
    ASSERT_EQ(l.ergebnis, Ergebnis::geloest);
    EXPECT_TRUE(spieltSichDurch(*brett, l.zuege));
}

// Eight boxes, ten storage places, most of them behind a wall: pushed one push at a
// time the boxes block each other's way in, pushed home one box at a time, the fast
// search answers within a few thousand positions, and its answer replays.
TEST_F(Zielschub, dieSchnelleSucheBringtEineKisteNachDerAnderenHeim) {
    bildStarten({"===============", "=       =.. ..=", "=  $  $  =.  .=", "=       = ..  =",
                 "=  $  $       =", "=       = .   =", "=  $ @$  =  . =", "=       =======",
                 "=  $  $  =", "=       ==", "=========="});
    const Loesung l = loesen(*brett, {.schnell = true, .zustandsGrenze = 5000}, nullptr);
    ASSERT_EQ(l.ergebnis, Ergebnis::geloest) << l.grund;
    EXPECT_TRUE(spieltSichDurch(*brett, l.zuege));
}

} // namespace
