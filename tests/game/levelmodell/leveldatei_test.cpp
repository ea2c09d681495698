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

    Levelmodell oeffnen(const std::string& name, std::string* hinweis = nullptr) const {
        auto geoeffnet = levelOeffnen(pfad(name));
        EXPECT_TRUE(geoeffnet.modell) << geoeffnet.fehler;
        if (hinweis)
            *hinweis = geoeffnet.hinweis;
        return geoeffnet.modell.value_or(Levelmodell{});
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
        std::string hinweis;
        const Levelmodell modell = oeffnen(name, &hinweis);
        EXPECT_EQ(hinweis, "") << name;
        ASSERT_EQ(levelSpeichern(modell, pfad("kopie.lev")), std::nullopt);
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
    std::string hinweis;
    const Levelmodell modell = oeffnen("alt.lev", &hinweis);
    EXPECT_EQ(modell.autor, "Alte Hand");
    EXPECT_EQ(modell.figur(), (Zellort{2, 1}));
    EXPECT_EQ(modell.an({1, 0}), Objekt::mauer);
    EXPECT_EQ(modell.an({2, 2}), Objekt::rand);
    EXPECT_EQ(modell.randAussen, (std::vector<Randpunkt>{{-24, -30}}));
    EXPECT_EQ(hinweis, "Objekte neben dem Raster stehen jetzt auf dem nächsten Feld. "
                       "1 Objekt(e) außerhalb des Spielfelds weggelassen.");
}

// The game's own message for a file it cannot start; the writer's for a failed save.
TEST_F(Leveldatei, aFileThatCannotBeOpenedOrSavedSaysWhy) {
    levelSchreiben("kaputt.lev", {"fX", "0"});
    const auto geoeffnet = levelOeffnen(pfad("kaputt.lev"));
    EXPECT_FALSE(geoeffnet.modell);
    EXPECT_NE(geoeffnet.fehler.find("„kaputt.lev“ ist beschädigt: Zeile 3 fehlt"),
              std::string::npos);
    const auto meldung = levelSpeichern(Levelmodell{}, pfad("fehlt/neu.lev"));
    ASSERT_TRUE(meldung);
    EXPECT_TRUE(meldung->ends_with("(der Ordner existiert nicht).")) << *meldung;
}

} // namespace
