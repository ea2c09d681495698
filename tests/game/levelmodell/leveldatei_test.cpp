#include "game/levelmodell/leveldatei.h"
#include "game/levelmodell/textnotation.h"
#include "tests/game/testhilfen.h"
#include "tests/tools/pruefhilfe.h"

namespace {

class Leveldatei : public Ordnertest {
  protected:
    // The checker's state, picture and table entries, sorted: an entry as its position and
    // kind, since the order of the entries within a kind and so their links are the file's own.
    std::vector<std::string> dump(const std::string& name) const {
        Lauf lauf = laufen({"--bild", ordnerText(), name});
        EXPECT_EQ(lauf.status, 0) << name;
        for (auto& z : lauf.zeilen) {
            std::istringstream teile(z);
            std::string wort, index, x, y, partner, art;
            if (teile >> wort >> index >> x >> y >> partner >> art && wort == "feld")
                z = x + ' ' + y + ' ' + art;
        }
        std::sort(lauf.zeilen.begin(), lauf.zeilen.end());
        return lauf.zeilen;
    }
};

TEST_F(Leveldatei, everyShippedLevelSavedByTheEditorStartsAsTheSameBoard) {
    int levels = 0;
    for (const auto& e : std::filesystem::directory_iterator(LAGERIX_ASSETS)) {
        if (e.path().extension() != ".lev")
            continue;
        ++levels;
        const std::string name = e.path().filename().string();
        std::filesystem::copy_file(e.path(), ordner / name);
        const auto geoeffnet = levelOeffnen(pfad(name));
        ASSERT_TRUE(geoeffnet.modell) << geoeffnet.fehler;
        EXPECT_EQ(geoeffnet.hinweis, "") << name;
        ASSERT_EQ(levelSpeichern(*geoeffnet.modell, pfad("kopie.lev")), std::nullopt);
        EXPECT_EQ(dump("kopie.lev"), dump(name)) << name;
    }
    EXPECT_EQ(levels, 56);
}

TEST_F(Leveldatei, writesWindows1252WithCrLfInTheGamesLayout) {
    auto umwandlung = ausText({"", "Jörg", {"#.@ *", " $Tt"}}, Brettgroesse::klein);
    ASSERT_TRUE(umwandlung.modell);
    Levelmodell modell = *umwandlung.modell;
    modell.setzen({0, 0}, Objekt::rand);
    modell.randAussen.push_back({-24, 30});
    ASSERT_EQ(levelSpeichern(modell, pfad("neu.lev")), std::nullopt);
    // Centred on 12 by 12: the five columns start at 3, the two rows at 5.
    EXPECT_EQ(lesen("neu.lev"), "eJ\xF6rg\r\n125\r\n125\r\n"
                                "rand\r\n0\r\n0\r\n"
                                "mauer\r\n75\r\n125\r\n"
                                "stell\r\n100\r\n125\r\n"
                                "gestellt\r\n175\r\n125\r\n"
                                "kiste\r\n100\r\n150\r\n"
                                "tnt\r\n125\r\n150\r\n"
                                "tntgestellt\r\n150\r\n150\r\n"
                                "rand\r\n-25\r\n31.25\r\n");
}

TEST_F(Leveldatei, entriesOffTheRasterMoveToTheNearestCellAndBordersAreKept) {
    levelSchreiben("alt.lev", {"fAlte Hand", "52", "24", "mauer", "30", "0", "rand", "50", "50",
                               "rand", "-25", "-31", "kiste", "9000", "0"});
    const auto geoeffnet = levelOeffnen(pfad("alt.lev"));
    ASSERT_TRUE(geoeffnet.modell) << geoeffnet.fehler;
    const Levelmodell& modell = *geoeffnet.modell;
    EXPECT_EQ(modell.autor, "Alte Hand");
    EXPECT_EQ(modell.figur(), (Zellort{2, 1}));
    EXPECT_EQ(modell.an({1, 0}), Objekt::mauer);
    EXPECT_EQ(modell.an({2, 2}), Objekt::rand);
    EXPECT_EQ(modell.randAussen, (std::vector<Randpunkt>{{-24, -30}}));
    EXPECT_EQ(geoeffnet.hinweis, "Objekte neben dem Raster stehen jetzt auf dem nächsten Feld. "
                                 "1 Objekt(e) außerhalb des Spielfelds weggelassen.");
}

// What a file stacks on a cell (here column 3, row 2) opens as the game's lookup shows it,
// a box with a storage place as a box on a storage place, counted as the game counts, and
// is named; only the figure on a storage place and a pair are no stack.
TEST_F(Leveldatei, stackedEntriesOpenAsTheGameShowsThemAndAreNamed) {
    const std::tuple<const char*, std::vector<std::string>, Objekt, bool, bool> faelle[] = {
        {"25", {"gestellt"}, Objekt::gestellt, false, true},
        {"25", {"kiste", "stell"}, Objekt::gestellt, true, true},
        {"25", {"stell", "tnt"}, Objekt::tntgestellt, true, true},
        {"25", {"mauer", "kiste"}, Objekt::kiste, true, true},
        {"50", {"stell"}, Objekt::stell, false, true},
        {"50", {"kiste"}, Objekt::boden, true, false},
    };
    for (const auto& [figurX, arten, gezeigt, gewarnt, zaehltWieDasSpiel] : faelle) {
        std::vector<std::string> zeilen{"fT", figurX, "25"};
        for (const auto& art : arten)
            zeilen.insert(zeilen.end(), {art, "50", "25"});
        levelSchreiben("stapel.lev", zeilen);
        const auto geoeffnet = levelOeffnen(pfad("stapel.lev"));
        auto brett = neuesBrett();
        ASSERT_TRUE(geoeffnet.modell && !brettStarten(pfad("stapel.lev"), *brett)) << arten[0];
        EXPECT_EQ(geoeffnet.modell->an({2, 1}), gezeigt) << arten[0];
        EXPECT_EQ(geoeffnet.warnung.find("Spalte 3, Zeile 2.") != std::string::npos, gewarnt);
        EXPECT_EQ(geoeffnet.modell->zaehlen().kisten == brett->kistenGesamt, zaehltWieDasSpiel);
    }
}

// The game's own message for a file it cannot start; the writer's for a failed save.
// A file without a single entry is no level, unless it is the head of a figure alone.
TEST_F(Leveldatei, aFileThatCannotBeOpenedOrSavedSaysWhy) {
    const std::pair<std::string, std::string> faelle[] = {
        {"fX\r\n0", "„x.lev“ ist beschädigt: Zeile 3 fehlt"},
        {"fAnna\r\n0\r\n0\r\nGrüße\r\n", "In der Datei „x.lev“ stehen keine Level-Einträge"},
        {"fAnna\r\n25\r\n-50\r\n\r\n", ""},
    };
    for (const auto& [bytes, fehler] : faelle) {
        schreiben("x.lev", bytes);
        const auto geoeffnet = levelOeffnen(pfad("x.lev"));
        EXPECT_EQ(!geoeffnet.modell, !fehler.empty()) << bytes;
        EXPECT_TRUE(geoeffnet.fehler.find(fehler) != std::string::npos) << geoeffnet.fehler;
    }
    const auto meldung = levelSpeichern(Levelmodell{}, pfad("fehlt/neu.lev"));
    ASSERT_TRUE(meldung);
    EXPECT_TRUE(meldung->ends_with("(der Ordner existiert nicht).")) << *meldung;
}

// Only the program folder's own copy of a listed level is replaced by an update.
TEST_F(Leveldatei, aShippedLevelIsOneTheTableListsInTheProgramFolder) {
    schreiben("bestwerte.txt", "01-start.lev\t3\trrr\r\n");
    for (const auto& [datei, geliefert] : {std::pair{pfad("01-start.lev"), true},
                                           {pfad("02-start.lev"), false},
                                           {pfad("eigen/01-start.lev"), false}})
        EXPECT_EQ(gelieferterLevel(datei, ordnerText()), geliefert) << datei;
}

} // namespace
