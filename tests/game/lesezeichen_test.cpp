#include "tests/game/testhilfen.h"

#include "game/lesezeichen.h"
#include "game/textdatei.h"

#include <functional>

namespace {

class Lesezeichen : public Bildtest {
  protected:
    // A board in play: pairs, a blast and a push behind it.
    void spielen() {
        bildStarten({" @T#  ", " *$. ", "  t  "}, {tasteRechts, tasteLinks, tasteUnten});
    }
};

// A board that shares no value with the one in play.
std::unique_ptr<Brett> fremdesBrett() {
    auto brett = std::make_unique<Brett>();
    for (int i = 0; i < Brett::feldAnzahl; ++i)
        brett->felder[i] = {1, 2, "alt" + std::to_string(i), 3};
    brett->spielerX = 5;
    brett->spielerY = 6;
    brett->kistenAbgestellt = 7;
    brett->kistenGesamt = 8;
    brett->schritte = 9; // no part of a bookmark: a recall keeps it
    return brett;
}

// Records are the fewest steps from a level's start; after a recall the counter no
// longer tells them, until the level starts again.
TEST_F(Lesezeichen, einAbrufZeichnetDasSpielBisZumNaechstenLevelstart) {
    spielen();
    std::string meldung;
    EXPECT_FALSE(lesezeichenAbrufen(*brett, pfad("fehlt.bok"), &meldung));
    EXPECT_EQ(meldung, "");
    EXPECT_FALSE(brett->lesezeichenGenutzt);
    // A file that cannot be read changes nothing and is told.
    std::filesystem::create_directory(ordner / "l2.bok");
    const auto vorher = std::make_unique<Brett>(*brett);
    EXPECT_FALSE(lesezeichenAbrufen(*brett, pfad("l2.bok"), &meldung));
    EXPECT_TRUE(meldung.starts_with("Das Lesezeichen „l2.bok“ konnte nicht gelesen werden ("))
        << meldung;
    EXPECT_TRUE(gleichesBrett(*brett, *vorher));

    ASSERT_EQ(lesezeichenSetzen(*brett, pfad(lesezeichenDatei(1))), std::nullopt);
    EXPECT_TRUE(lesezeichenAbrufen(*brett, pfad("l1.bok")));
    EXPECT_TRUE(brett->lesezeichenGenutzt);
    ASSERT_TRUE(starten(*brett, "bild.lev", flaeche).ok);
    EXPECT_FALSE(brett->lesezeichenGenutzt);
}

TEST_F(Lesezeichen, dateiHat4010ZeilenImFestenFormat) {
    EXPECT_EQ(lesezeichenDatei(3), "l3.bok");
    levelSchreiben("paar.lev", {"fA", "25", "25", "gestellt", "75", "50", "stell", "50", "25"});
    ASSERT_TRUE(starten(*brett, "paar.lev", flaeche).ok);
    const auto zeilen = zeilenAusText(lesezeichenText(*brett));
    ASSERT_EQ(zeilen.size(), 4010u);
    // The figure and counters, then entry 0 parked and entry 1 of the border.
    EXPECT_EQ(std::vector(zeilen.begin(), zeilen.begin() + 13),
              (std::vector<std::string>{" 24 ", " 24 ", " 1 ", " 1 ", "False", "-2000 ", "-2000 ",
                                        " 0 ", "", "-24 ", " 0 ", " 0 ", "rand"}));
    // Entries 90 to 92 start at line 6 + 4 * 90; the partner comes before the kind.
    EXPECT_EQ(std::vector(zeilen.begin() + 365, zeilen.begin() + 377),
              (std::vector<std::string>{" 72 ", " 48 ", " 0 ", "gestellt", " 72 ", " 48 ", " 90 ",
                                        "gestellt", " 48 ", " 24 ", " 0 ", "stell"}));
    EXPECT_EQ(std::vector(zeilen.begin() + 4005, zeilen.end()),
              (std::vector<std::string>{"-2000 ", "-2000 ", " 0 ", "", "ENDE"}));
}

TEST_F(Lesezeichen, beschaedigteDateienLadenBisZurFehlerhaftenZeile) {
    spielen();
    const auto gut = zeilenAusText(lesezeichenText(*brett));
    const auto zeile = [](int eintrag, int feld) { return 5 + 4 * eintrag + feld; };
    struct Fall {
        std::string name;
        std::function<void(std::vector<std::string>&)> aendern;
        int gelesen; // lines taken before the damaged line: its index
        bool vollstaendig;
    };
    const std::vector<Fall> faelle{
        {"unverändert", [](auto&) {}, zeile(1001, 0), true},
        {"leer", [](auto& z) { z.clear(); }, 0, false},
        {"Zeile 5 kein Wahrheitswert", [](auto& z) { z[4] = "Vielleicht"; }, 4, false},
        {"Zeile 5 leer", [](auto& z) { z[4] = ""; }, 4, false},
        {"ohne ENDE", [](auto& z) { z.pop_back(); }, zeile(1001, 0), false},
        {"mitten im Eintrag abgeschnitten", [&](auto& z) { z.resize(zeile(500, 2)); },
         zeile(500, 2), false},
        {"mehr als 1001 Einträge",
         [](auto& z) {
             z.insert(z.end() - 1, {" 0 ", " 0 ", " 0 ", "mauer", " 1 "});
         },
         zeile(1001, 0), false},
        {"Partner über 1000", [&](auto& z) { z[zeile(95, 2)] = " 1001 "; }, zeile(95, 2), false},
        {"Partner negativ", [&](auto& z) { z[zeile(95, 2)] = "-1 "; }, zeile(95, 2), false},
        {"Figur x außerhalb 16 Bit", [](auto& z) { z[0] = " 40000 "; }, 0, false},
        {"Kistenzahl außerhalb 16 Bit", [](auto& z) { z[3] = " 70000 "; }, 3, false},
        {"Eintrag y außerhalb 16 Bit", [&](auto& z) { z[zeile(7, 1)] = " 32768 "; }, zeile(7, 1),
         false},
    };
    // The values of a bookmark stand in the order of its lines, one to a line.
    const auto fremd = zeilenAusText(lesezeichenText(*fremdesBrett()));
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        auto zeilen = gut;
        f.aendern(zeilen);
        auto erwartet = fremd;
        std::copy_n(gut.begin(), f.gelesen, erwartet.begin());
        auto ziel = fremdesBrett();
        EXPECT_EQ(lesezeichenAusText(*ziel, crlf(zeilen)), f.vollstaendig);
        EXPECT_EQ(zeilenAusText(lesezeichenText(*ziel)), erwartet);
        EXPECT_EQ(ziel->schritte, 9);
    }
}

// The figure keeps its fraction, a counter is rounded; line 5 may hold a number.
TEST_F(Lesezeichen, zahlenzeilenLesenDieZahlAmAnfang) {
    auto zeilen = zeilenAusText(lesezeichenText(*neuesBrett()));
    zeilen[1] = "-12.25x";
    zeilen[2] = " 2.5";
    for (const auto& [zeile, wert] : std::vector<std::pair<std::string, std::int16_t>>{
             {" 0 ", 0}, {" 7 ", -1}, {"-1", -1}, {"0.0", 0}, {"True", -1}, {"False", 0}}) {
        SCOPED_TRACE(zeile);
        zeilen[4] = zeile;
        auto ziel = fremdesBrett();
        EXPECT_TRUE(lesezeichenAusText(*ziel, crlf(zeilen)));
        EXPECT_EQ(ziel->aufStellplatz, wert);
        EXPECT_EQ(ziel->spielerY, -12.25);
        EXPECT_EQ(ziel->kistenAbgestellt, 2);
    }
}

} // namespace
