#include "game/levelmodell/levelmodell.h"
#include "game/levelmodell/pruefung.h"
#include "game/levelmodell/textnotation.h"
#include "game/levelmodell/verlauf.h"
#include "game/levelmodell/werkzeug.h"

#include <gtest/gtest.h>

namespace {

Levelmodell ausBild(const std::vector<std::string>& zeilen,
                    Brettgroesse groesse = Brettgroesse::voll) {
    auto u = ausText({"", "", zeilen}, groesse);
    EXPECT_TRUE(u.modell) << u.fehler;
    return u.modell.value_or(Levelmodell{});
}

TEST(Levelmodell, onlyAStorageOrFloorStaysUnderTheFigure) {
    const struct {
        Objekt gesetzt;
        bool figurBleibt;
    } faelle[] = {{Objekt::stell, true},  {Objekt::mauer, false}, {Objekt::kiste, false},
                  {Objekt::boden, false}, {Objekt::tnt, false},   {Objekt::gestellt, false}};
    for (const auto& f : faelle) {
        Levelmodell m;
        m.figurSetzen({3, 3});
        EXPECT_TRUE(m.setzen({3, 3}, f.gesetzt));
        EXPECT_EQ(m.figur().has_value(), f.figurBleibt) << static_cast<int>(f.gesetzt);
        EXPECT_EQ(m.an({3, 3}), f.gesetzt);
    }
    // The figure put on a box on a storage place leaves the storage place.
    Levelmodell m;
    m.setzen({1, 1}, Objekt::gestellt);
    m.setzen({2, 1}, Objekt::mauer);
    m.figurSetzen({1, 1});
    EXPECT_EQ(m.an({1, 1}), Objekt::stell);
    EXPECT_TRUE(m.figurSetzen({2, 1}));
    EXPECT_EQ(m.an({2, 1}), Objekt::boden);
    EXPECT_EQ(m.figur(), (Zellort{2, 1}));
    EXPECT_FALSE(m.figurSetzen({2, 1}));
}

TEST(Levelmodell, paintingOutsideThePlayingAreaOrTheSameObjectChangesNothing) {
    Levelmodell m;
    EXPECT_TRUE(m.setzen({22, 17}, Objekt::mauer));
    EXPECT_FALSE(m.setzen({22, 17}, Objekt::mauer));
    EXPECT_FALSE(m.setzen({23, 0}, Objekt::mauer));
    EXPECT_FALSE(m.setzen({0, -1}, Objekt::mauer));
    EXPECT_FALSE(m.figurSetzen({0, 18}));
    Levelmodell klein;
    ASSERT_TRUE(klein.groesseWaehlen(Brettgroesse::klein));
    EXPECT_FALSE(klein.setzen({12, 0}, Objekt::mauer));
    EXPECT_TRUE(klein.setzen({11, 11}, Objekt::mauer));
}

TEST(Levelmodell, shiftingStopsAtTheEdgeOfTheBoard) {
    Levelmodell m = ausBild({"#@$"});
    const Levelmodell vorher = m;
    // Three cells wide on 23: columns 10 to 12, row 8; ten steps left fit, eleven do not.
    EXPECT_FALSE(m.verschieben(-11, 0));
    EXPECT_EQ(m, vorher);
    EXPECT_TRUE(m.verschieben(-10, 0));
    EXPECT_EQ(m.an({0, 8}), Objekt::mauer);
    EXPECT_EQ(m.figur(), (Zellort{1, 8}));
    EXPECT_EQ(m.an({10, 8}), Objekt::boden);
    EXPECT_TRUE(m.verschieben(20, 9));
    EXPECT_EQ(m.an({22, 17}), Objekt::kiste);
    EXPECT_FALSE(m.verschieben(0, 1));
    m.zentrieren();
    EXPECT_EQ(m, vorher);
}

TEST(Levelmodell, theSmallBoardRefusesALevelThatWouldFallOutside) {
    Levelmodell m;
    m.setzen({12, 0}, Objekt::mauer);
    const Levelmodell vorher = m;
    EXPECT_FALSE(m.groesseWaehlen(Brettgroesse::klein));
    EXPECT_EQ(m, vorher);
    m.setzen({12, 0}, Objekt::boden);
    m.figurSetzen({0, 12});
    EXPECT_FALSE(m.groesseWaehlen(Brettgroesse::klein));
    m.figurSetzen({11, 11});
    EXPECT_TRUE(m.groesseWaehlen(Brettgroesse::klein));
}

TEST(Levelmodell, countsEntriesAsTheGamesTableNeedsThem) {
    Levelmodell m = ausBild({"#$.*Tt@"});
    m.randAussen.push_back({-24, 0});
    const Zaehlung z = m.zaehlen();
    EXPECT_EQ(z.kisten, 2);
    EXPECT_EQ(z.stellplaetze, 3);
    EXPECT_EQ(z.eintraege, 1 + 1 + 1 + 2 + 1 + 2 + 1);
    Levelmodell klein = ausBild({"#$.*Tt@"}, Brettgroesse::klein);
    EXPECT_EQ(klein.zaehlen().eintraege, z.eintraege - 1 + 25);
}

TEST(Pruefung, namesEveryProblemAndBlocksOnlyTheFigureAndTheLimit) {
    // A level as large as the board still reads.
    Levelmodell voll = ausBild(std::vector<std::string>(18, std::string(23, '*')));
    voll.randAussen.resize(100);
    voll.figurSetzen({0, 0});
    const struct {
        Levelmodell modell;
        std::vector<std::string> texte;
        bool gesperrt;
    } faelle[] = {
        {ausBild({"#@$.#"}), {}, false},
        {ausBild({"#@.#"}), {"Das Level hat keine Kiste."}, false},
        {ausBild({"#@$$.T#"}), {"Es gibt weniger Stellplätze (1) als Kisten (2)."}, false},
        {ausBild({"#$$t"}),
         {"Die Figur fehlt.", "Es gibt weniger Stellplätze (1) als Kisten (2)."},
         true},
        {voll, {"Das Level braucht 927 Einträge, das Spiel fasst höchstens 911."}, true},
    };
    for (const auto& f : faelle) {
        const auto probleme = levelPruefen(f.modell);
        std::vector<std::string> texte;
        for (const auto& p : probleme)
            texte.push_back(p.text);
        EXPECT_EQ(texte, f.texte);
        EXPECT_EQ(speichernGesperrt(probleme), f.gesperrt);
    }
}

TEST(Verlauf, takesBackEveryStepAndRedoesThem) {
    Levelmodell m;
    Verlauf verlauf;
    // One change more than the 500 steps the history holds: the first is forgotten.
    for (int i = 0; i <= 500; ++i) {
        verlauf.merken(m);
        m.setzen({i % 23, i / 23 % 18}, i < 23 * 18 ? Objekt::mauer : Objekt::kiste);
    }
    const Levelmodell ende = m;
    std::size_t zurueck = 0;
    while (verlauf.rueckgaengig(m))
        ++zurueck;
    EXPECT_EQ(zurueck, 500u);
    EXPECT_EQ(m.an({0, 0}), Objekt::mauer);
    EXPECT_EQ(m.an({1, 0}), Objekt::boden);
    while (verlauf.wiederherstellen(m))
        ;
    EXPECT_EQ(m, ende);
    // A new change after undo forgets what could have been redone.
    verlauf.rueckgaengig(m);
    verlauf.merken(m);
    m.setzen({0, 0}, Objekt::kiste);
    EXPECT_FALSE(verlauf.wiederherstellen(m));
}

TEST(Werkzeug, aStrokeNamesOnlyTheCellsWhosePictureChanged) {
    Levelmodell m;
    EXPECT_EQ(werkzeugAnwenden(m, Werkzeug::mauer, {1, 1}), (std::vector<Zellort>{{1, 1}}));
    EXPECT_EQ(werkzeugAnwenden(m, Werkzeug::mauer, {1, 1}), std::vector<Zellort>{});
    EXPECT_EQ(werkzeugAnwenden(m, Werkzeug::figur, {2, 1}), (std::vector<Zellort>{{2, 1}}));
    // The figure moves: where it stood is drawn again too.
    EXPECT_EQ(werkzeugAnwenden(m, Werkzeug::figur, {5, 5}), (std::vector<Zellort>{{5, 5}, {2, 1}}));
    EXPECT_EQ(werkzeugAnwenden(m, Werkzeug::boden, {1, 1}), (std::vector<Zellort>{{1, 1}}));
    EXPECT_EQ(m.an({1, 1}), Objekt::boden);
}

TEST(Werkzeug, everyToolHasItsOwnKey) {
    for (const auto& w : werkzeuge) {
        ASSERT_EQ(werkzeugFuerTaste(w.taste), w.werkzeug) << w.name;
        EXPECT_EQ(&angabe(w.werkzeug), &w);
    }
    EXPECT_EQ(werkzeugFuerTaste('X'), std::nullopt);
}

// A stroke paints every cell between two positions of the mouse, each next to the one
// before and none off the line.
TEST(Werkzeug, aLineHoldsEveryCellBetweenItsEnds) {
    using Z = std::vector<Zellort>;
    const std::pair<Zellort, Z> faelle[] = {
        {{3, 3}, Z{{3, 3}}},
        {{6, 3}, Z{{3, 3}, {4, 3}, {5, 3}, {6, 3}}},
        {{0, 6}, Z{{3, 3}, {2, 4}, {1, 5}, {0, 6}}},
        {{6, 4}, Z{{3, 3}, {4, 3}, {5, 4}, {6, 4}}},
        {{2, 6}, Z{{3, 3}, {3, 4}, {2, 5}, {2, 6}}},
    };
    for (const auto& [bis, zellen] : faelle)
        EXPECT_EQ(zellenAufLinie({3, 3}, bis), zellen) << bis.spalte << ", " << bis.zeile;
}

} // namespace
