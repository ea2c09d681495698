#include "tests/game/testhilfen.h"

#include "game/brett.h"
#include "game/lesezeichen.h"
#include "game/textdatei.h"
#include "game/zug.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class Lesezeichen : public Ordnertest {
  protected:
    // A board in play: pairs, a blast and a push behind it.
    void spielen(Brett& brett) {
        levelSchreiben("spiel.lev", levelAusBild({" @T#  ", " *$. ", "  t  "}, "fSpieler"));
        ASSERT_TRUE(starten(brett, "spiel.lev", flaeche).ok);
        for (int taste : {tasteRechts, tasteLinks, tasteUnten})
            ASSERT_TRUE(tasteVerarbeiten(brett, taste, flaeche).geschritten);
    }

    // A board that shares no value with the one in play.
    static std::unique_ptr<Brett> fremdesBrett() {
        auto brett = std::make_unique<Brett>();
        for (int i = 0; i < Brett::feldAnzahl; ++i)
            brett->felder[i] = {1, 2, "alt" + std::to_string(i), 3};
        brett->spielerX = 5;
        brett->spielerY = 6;
        brett->kistenAbgestellt = 7;
        brett->kistenGesamt = 8;
        brett->schritte = 9;
        return brett;
    }

    std::vector<std::string> zeilenVon(const Brett& brett) {
        EXPECT_EQ(lesezeichenSetzen(brett, pfad("l1.bok")), std::nullopt);
        return *textLesen(pfad("l1.bok"));
    }

    Aufzeichnung flaeche;
};

// Records are the fewest steps from a level's start; after a recall the counter no
// longer tells them, until the level starts again.
TEST_F(Lesezeichen, einAbrufZeichnetDasSpielBisZumNaechstenLevelstart) {
    auto brett = neuesBrett();
    spielen(*brett);
    EXPECT_FALSE(brett->lesezeichenGenutzt);
    EXPECT_FALSE(lesezeichenAbrufen(*brett, pfad("fehlt.bok")));
    EXPECT_FALSE(brett->lesezeichenGenutzt);
    ASSERT_EQ(lesezeichenSetzen(*brett, pfad("l1.bok")), std::nullopt);
    EXPECT_TRUE(lesezeichenAbrufen(*brett, pfad("l1.bok")));
    EXPECT_TRUE(brett->lesezeichenGenutzt);
    ASSERT_TRUE(starten(*brett, "spiel.lev", flaeche).ok);
    EXPECT_FALSE(brett->lesezeichenGenutzt);
}

TEST_F(Lesezeichen, setzenUndAbrufenStelltDasBrettWiederHer) {
    auto brett = neuesBrett();
    spielen(*brett);
    ASSERT_EQ(lesezeichenSetzen(*brett, pfad(lesezeichenDatei(2))), std::nullopt);
    const auto gesetzt = std::make_unique<Brett>(*brett);

    for (int taste : {tasteOben, tasteRechts, tasteRechts, tasteUnten})
        tasteVerarbeiten(*brett, taste, flaeche);
    ASSERT_FALSE(gleichesBrett(*brett, *gesetzt));
    EXPECT_TRUE(lesezeichenAbrufen(*brett, pfad("l2.bok")));

    // Steps, level file and flags are not part of a bookmark.
    auto erwartet = std::make_unique<Brett>(*gesetzt);
    erwartet->schritte = brett->schritte;
    EXPECT_TRUE(gleichesBrett(*brett, *erwartet));
    EXPECT_GT(brett->schritte, gesetzt->schritte);

    // Recalled at once, a bookmark changes nothing, fractions of the figure included.
    brett->spielerX = 28.799999999999997;
    brett->spielerY = -0.5;
    brett->aufStellplatz = -1;
    const auto vorher = std::make_unique<Brett>(*brett);
    ASSERT_EQ(lesezeichenSetzen(*brett, pfad("l3.bok")), std::nullopt);
    auto fremd = fremdesBrett();
    fremd->schritte = brett->schritte;
    fremd->belegt = brett->belegt;
    fremd->randAnzahl = brett->randAnzahl;
    fremd->levelDatei = brett->levelDatei;
    EXPECT_TRUE(lesezeichenAbrufen(*fremd, pfad("l3.bok")));
    EXPECT_TRUE(gleichesBrett(*fremd, *vorher));
}

TEST_F(Lesezeichen, dateiHat4010ZeilenImFestenFormat) {
    auto brett = neuesBrett();
    EXPECT_EQ(lesezeichenDatei(1), "l1.bok");
    EXPECT_EQ(lesezeichenDatei(3), "l3.bok");

    // Before any level the free entries still hold (0, 0).
    auto zeilen = zeilenVon(*brett);
    ASSERT_EQ(zeilen.size(), 4010u);
    EXPECT_EQ(std::vector(zeilen.begin(), zeilen.begin() + 13),
              (std::vector<std::string>{"-2000 ", "-2000 ", " 0 ", " 0 ", "False", " 0 ", " 0 ",
                                        " 0 ", "", "-24 ", " 0 ", " 0 ", "rand"}));
    EXPECT_EQ(zeilen[4009], "ENDE");

    levelSchreiben("paar.lev", {"fA", "50", "25", "gestellt", "75", "50", "stell", "50", "25"});
    ASSERT_TRUE(starten(*brett, "paar.lev", flaeche).ok);
    zeilen = zeilenVon(*brett);
    ASSERT_EQ(zeilen.size(), 4010u);
    EXPECT_EQ(std::vector(zeilen.begin(), zeilen.begin() + 9),
              (std::vector<std::string>{" 48 ", " 24 ", " 1 ", " 1 ", "True", "-2000 ", "-2000 ",
                                        " 0 ", ""}));
    // Entries 90 to 92 start at line 6 + 4 * 90; the partner comes before the kind.
    EXPECT_EQ(std::vector(zeilen.begin() + 365, zeilen.begin() + 377),
              (std::vector<std::string>{" 72 ", " 48 ", " 0 ", "gestellt", " 72 ", " 48 ", " 90 ",
                                        "gestellt", " 48 ", " 24 ", " 0 ", "stell"}));
    EXPECT_EQ(std::vector(zeilen.begin() + 4005, zeilen.end()),
              (std::vector<std::string>{"-2000 ", "-2000 ", " 0 ", "", "ENDE"}));
}

TEST_F(Lesezeichen, beschaedigteDateienLadenBisZurFehlerhaftenZeile) {
    auto spiel = neuesBrett();
    spielen(*spiel);
    const auto gut = zeilenVon(*spiel);
    const auto eintragZeile = [](int eintrag, int feld) { return 5 + 4 * eintrag + feld; };

    struct Fall {
        std::string name;
        std::function<void(std::vector<std::string>&)> aendern;
        int kopfWerte;  // figure x, figure y, placed, total, storage flag: how many are read
        int eintraege;  // whole entries read
        int teilfelder; // x, y, partner of the next entry read before the failure
        bool vollstaendig;
    };
    const std::vector<Fall> faelle{
        {"unverändert", [](auto&) {}, 5, 1001, 0, true},
        {"fehlt", nullptr, 0, 0, 0, false},
        {"leer", [](auto& z) { z.clear(); }, 0, 0, 0, false},
        {"Zeile 5 kein Wahrheitswert", [](auto& z) { z[4] = "Vielleicht"; }, 4, 0, 0, false},
        {"Zeile 5 leer", [](auto& z) { z[4] = ""; }, 4, 0, 0, false},
        {"ohne ENDE", [](auto& z) { z.pop_back(); }, 5, 1001, 0, false},
        {"mitten im Eintrag abgeschnitten", [&](auto& z) { z.resize(eintragZeile(500, 2)); }, 5,
         500, 2, false},
        {"mehr als 1001 Einträge",
         [](auto& z) {
             z.insert(z.end() - 1, {" 0 ", " 0 ", " 0 ", "mauer", " 1 "});
         },
         5, 1001, 0, false},
        {"Partner über 1000", [&](auto& z) { z[eintragZeile(95, 2)] = " 1001 "; }, 5, 95, 2, false},
        {"Partner negativ", [&](auto& z) { z[eintragZeile(95, 2)] = "-1 "; }, 5, 95, 2, false},
        {"Figur x außerhalb 16 Bit", [](auto& z) { z[0] = " 40000 "; }, 0, 0, 0, false},
        {"Figur y außerhalb 16 Bit", [](auto& z) { z[1] = "-32769 "; }, 1, 0, 0, false},
        {"Kistenzahl außerhalb 16 Bit", [](auto& z) { z[3] = " 70000 "; }, 3, 0, 0, false},
        {"Eintrag y außerhalb 16 Bit", [&](auto& z) { z[eintragZeile(7, 1)] = " 32768 "; }, 5, 7, 1,
         false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        auto zeilen = gut;
        std::filesystem::remove(pfad("l1.bok"));
        if (f.aendern) {
            f.aendern(zeilen);
            schreiben("l1.bok", crlf(zeilen));
        }
        const auto alt = fremdesBrett();
        auto erwartet = std::make_unique<Brett>(*alt);
        if (f.kopfWerte > 0)
            erwartet->spielerX = spiel->spielerX;
        if (f.kopfWerte > 1)
            erwartet->spielerY = spiel->spielerY;
        if (f.kopfWerte > 2)
            erwartet->kistenAbgestellt = spiel->kistenAbgestellt;
        if (f.kopfWerte > 3)
            erwartet->kistenGesamt = spiel->kistenGesamt;
        if (f.kopfWerte > 4)
            erwartet->aufStellplatz = spiel->aufStellplatz;
        for (int i = 0; i < f.eintraege; ++i)
            erwartet->felder[i] = spiel->felder[i];
        if (f.teilfelder > 0)
            erwartet->felder[f.eintraege].x = spiel->felder[f.eintraege].x;
        if (f.teilfelder > 1)
            erwartet->felder[f.eintraege].y = spiel->felder[f.eintraege].y;

        auto brett = std::make_unique<Brett>(*alt);
        EXPECT_EQ(lesezeichenAbrufen(*brett, pfad("l1.bok")), f.vollstaendig);
        EXPECT_TRUE(gleichesBrett(*brett, *erwartet));
    }
}

TEST_F(Lesezeichen, zahlenzeilenLesenDieZahlAmAnfang) {
    auto zeilen = zeilenVon(*neuesBrett());
    zeilen[0] = " 48 Pixel";
    zeilen[1] = "-12.25x";
    zeilen[2] = " 2.5"; // halves go to the even neighbour
    zeilen[3] = "abc";  // no number reads as 0
    zeilen[5] = "  96,5";
    zeilen[6] = " 3.5 Einheiten";
    zeilen[7] = "7 8";
    schreiben("l1.bok", crlf(zeilen));
    auto brett = fremdesBrett();
    ASSERT_TRUE(lesezeichenAbrufen(*brett, pfad("l1.bok")));
    EXPECT_EQ(brett->spielerX, 48);
    EXPECT_EQ(brett->spielerY, -12.25);
    EXPECT_EQ(brett->kistenAbgestellt, 2);
    EXPECT_EQ(brett->kistenGesamt, 0);
    EXPECT_EQ(brett->felder[0], (Feldobjekt{96, 4, "", 7}));

    // Line 5 may hold a number instead of a truth value.
    for (const auto& [zeile, wert] : std::vector<std::pair<std::string, std::int16_t>>{
             {" 0 ", 0}, {" 7 ", -1}, {"-1", -1}, {"0.0", 0}, {"True", -1}, {"False", 0}}) {
        zeilen[4] = zeile;
        schreiben("l1.bok", crlf(zeilen));
        brett->aufStellplatz = 5;
        EXPECT_TRUE(lesezeichenAbrufen(*brett, pfad("l1.bok"))) << zeile;
        EXPECT_EQ(brett->aufStellplatz, wert) << zeile;
    }
}

} // namespace
