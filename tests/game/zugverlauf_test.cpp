#include "tests/game/testhilfen.h"

#include "game/zugverlauf.h"

#include <map>
#include <random>

namespace {

class ZugverlaufTest : public Bildtest {
  protected:
    // What the board picture shows in every cell after all that was drawn since the
    // last clear; a cell never drawn is black, which the floor tile is as well. Taken back
    // or done again, the picture must be the one the level start or the steps drew.
    std::map<std::pair<int, int>, std::string> bildschirm() const {
        std::map<std::pair<int, int>, std::string> zellen;
        for (std::size_t i = flaeche.bilderBeimLeeren; i < flaeche.bilder.size(); ++i) {
            const auto& z = flaeche.bilder[i];
            zellen[{z.x, z.y}] = z.bild;
        }
        std::erase_if(zellen, [](const auto& z) { return z.second == "blank"; });
        return zellen;
    }

    Zugverlauf verlauf;
};

// Random warehouses behind a wall: more boxes than storage places, so that no state
// on the way is a solved one and every step can be taken back.
std::vector<std::string> zufallsLevel(std::mt19937& zufall) {
    const std::string arten = "      ####$$$...TTT*t";
    std::vector<std::string> bild(9, std::string(12, '#'));
    int ueberschuss = 0; // boxes less storage places
    for (int r = 1; r < 8; ++r) {
        for (int c = 1; c < 11; ++c) {
            bild[r][c] = arten[zufall() % arten.size()];
            ueberschuss += (bild[r][c] == '$') - (bild[r][c] == '.') - (bild[r][c] == 't');
        }
    }
    for (auto& zeile : bild) {
        for (char& feld : zeile) {
            if (feld == '.' && ueberschuss <= 0) {
                feld = '$';
                ueberschuss += 2;
            }
        }
    }
    bild[1 + zufall() % 7][1 + zufall() % 10] = '@';
    return bild;
}

TEST_F(ZugverlaufTest, allesZurueckGibtDenLevelstartUndAllesVorDasEnde) {
    std::mt19937 zufall(2026);
    const int tasten[] = {tasteLinks, tasteOben, tasteRechts, tasteUnten};
    for (int runde = 0; runde < 40; ++runde) {
        const auto bild = zufallsLevel(zufall);
        SCOPED_TRACE(runde);
        // A new level begins a new history, as in the window.
        bildStarten(bild);
        verlauf.leeren();
        ASSERT_LT(brett->kistenAbgestellt, brett->kistenGesamt);
        const auto start = std::make_unique<Brett>(*brett);
        const auto startBild = bildschirm();
        int gegangen = 0;
        for (int i = 0; i < 100; ++i)
            gegangen += verlauf.ziehen(*brett, tasten[zufall() % 4], flaeche).geschritten;
        const auto ende = std::make_unique<Brett>(*brett);
        const auto endeBild = bildschirm();

        int zurueck = 0;
        while (verlauf.zurueck(*brett, flaeche))
            ++zurueck;
        EXPECT_EQ(zurueck, gegangen);
        ASSERT_TRUE(gleichesBrett(*brett, *start));
        ASSERT_EQ(bildschirm(), startBild);

        while (verlauf.vor(*brett, flaeche).geschritten) {
        }
        ASSERT_TRUE(gleichesBrett(*brett, *ende));
        ASSERT_EQ(bildschirm(), endeBild);
    }
}

TEST_F(ZugverlaufTest, einNeuerSchrittVerwirftDieSchritteZumWiederholen) {
    bildStarten({"@  ", "   "});
    verlauf.ziehen(*brett, tasteRechts, flaeche);
    verlauf.ziehen(*brett, tasteRechts, flaeche);
    verlauf.zurueck(*brett, flaeche);
    // A blocked key is no step and keeps what can be taken again.
    EXPECT_FALSE(verlauf.ziehen(*brett, tasteOben, flaeche).geschritten);
    ASSERT_TRUE(verlauf.vor(*brett, flaeche).geschritten);
    verlauf.zurueck(*brett, flaeche);
    ASSERT_TRUE(verlauf.ziehen(*brett, tasteUnten, flaeche).geschritten);
    EXPECT_FALSE(verlauf.vor(*brett, flaeche).geschritten);
    EXPECT_EQ(brett->schritte, 2);
    EXPECT_EQ(brett->spielerY, 24);
}

TEST_F(ZugverlaufTest, keinSchrittZurueckAufGesperrtemBrettOderInEinGeloestesLevel) {
    const auto keinSchrittZurueck = [&](const char* fall) {
        SCOPED_TRACE(fall);
        const auto vorher = std::make_unique<Brett>(*brett);
        flaeche.bilder.clear();
        EXPECT_FALSE(verlauf.zurueck(*brett, flaeche));
        EXPECT_TRUE(gleichesBrett(*brett, *vorher));
        EXPECT_TRUE(flaeche.bilder.empty());
    };
    bildStarten({"@  "});
    verlauf.ziehen(*brett, tasteRechts, flaeche);
    brett->brettGesperrt = true;
    keinSchrittZurueck("gesperrt");
    // The box stood on its place before this step: taking it back would solve the level.
    bildStarten({"@$.  "});
    verlauf.leeren();
    for (int i = 0; i < 2; ++i)
        verlauf.ziehen(*brett, tasteRechts, flaeche);
    keinSchrittZurueck("gelöst davor");
}

} // namespace
