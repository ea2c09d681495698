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
    std::unique_ptr<Brett> spielen() {
        auto brett = neuesBrett();
        levelSchreiben("spiel.lev", levelAusBild({" @T#  ", " *$. ", "  t  "}, "fSpieler"));
        EXPECT_TRUE(starten(*brett, "spiel.lev", flaeche).ok);
        for (int taste : {tasteRechts, tasteLinks, tasteUnten})
            EXPECT_TRUE(tasteVerarbeiten(*brett, taste, flaeche).geschritten);
        return brett;
    }

    Aufzeichnung flaeche;
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
    return brett;
}

// Copies the first `anzahl` values of a bookmark into `ziel`, in the order of the file.
void ersteWerte(Brett& ziel, const Brett& quelle, int anzahl) {
    if (anzahl > 0)
        ziel.spielerX = quelle.spielerX;
    if (anzahl > 1)
        ziel.spielerY = quelle.spielerY;
    if (anzahl > 2)
        ziel.kistenAbgestellt = quelle.kistenAbgestellt;
    if (anzahl > 3)
        ziel.kistenGesamt = quelle.kistenGesamt;
    if (anzahl > 4)
        ziel.aufStellplatz = quelle.aufStellplatz;
    for (int i = 0, rest = anzahl - 5; rest > 0; ++i, rest -= 4) {
        auto& f = ziel.felder[i];
        const auto& q = quelle.felder[i];
        f.x = q.x;
        f.y = rest > 1 ? q.y : f.y;
        f.partner = rest > 2 ? q.partner : f.partner;
        f.art = rest > 3 ? q.art : f.art;
    }
}

// Records are the fewest steps from a level's start; after a recall the counter no
// longer tells them, until the level starts again.
TEST_F(Lesezeichen, einAbrufZeichnetDasSpielBisZumNaechstenLevelstart) {
    auto brett = spielen();
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
    ASSERT_TRUE(starten(*brett, "spiel.lev", flaeche).ok);
    EXPECT_FALSE(brett->lesezeichenGenutzt);
}

TEST_F(Lesezeichen, setzenUndAbrufenStelltDasBrettWiederHer) {
    auto brett = spielen();
    const std::string text = lesezeichenText(*brett);
    const auto gesetzt = std::make_unique<Brett>(*brett);
    for (int taste : {tasteOben, tasteRechts, tasteRechts, tasteUnten})
        tasteVerarbeiten(*brett, taste, flaeche);
    ASSERT_FALSE(gleichesBrett(*brett, *gesetzt));
    EXPECT_TRUE(lesezeichenAusText(*brett, text));
    // Steps, level file and flags are not part of a bookmark.
    gesetzt->schritte = brett->schritte;
    EXPECT_TRUE(gleichesBrett(*brett, *gesetzt));

    // Onto any board a bookmark brings every value back, fractions of the figure included.
    brett->spielerX = 28.799999999999997;
    brett->spielerY = -0.5;
    brett->aufStellplatz = -1;
    auto fremd = fremdesBrett();
    std::tie(fremd->schritte, fremd->belegt, fremd->randAnzahl, fremd->levelDatei) =
        std::tie(brett->schritte, brett->belegt, brett->randAnzahl, brett->levelDatei);
    EXPECT_TRUE(lesezeichenAusText(*fremd, lesezeichenText(*brett)));
    EXPECT_TRUE(gleichesBrett(*fremd, *brett));
}

TEST_F(Lesezeichen, dateiHat4010ZeilenImFestenFormat) {
    EXPECT_EQ(lesezeichenDatei(3), "l3.bok");
    // Before any level the free entries still hold (0, 0).
    auto zeilen = zeilenAusText(lesezeichenText(*neuesBrett()));
    ASSERT_EQ(zeilen.size(), 4010u);
    EXPECT_EQ(std::vector(zeilen.begin(), zeilen.begin() + 13),
              (std::vector<std::string>{"-2000 ", "-2000 ", " 0 ", " 0 ", "False", " 0 ", " 0 ",
                                        " 0 ", "", "-24 ", " 0 ", " 0 ", "rand"}));

    auto brett = neuesBrett();
    levelSchreiben("paar.lev", {"fA", "50", "25", "gestellt", "75", "50", "stell", "50", "25"});
    ASSERT_TRUE(starten(*brett, "paar.lev", flaeche).ok);
    zeilen = zeilenAusText(lesezeichenText(*brett));
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
    const auto spiel = spielen();
    const auto gut = zeilenAusText(lesezeichenText(*spiel));
    const auto zeile = [](int eintrag, int feld) { return 5 + 4 * eintrag + feld; };
    struct Fall {
        std::string name;
        std::function<void(std::vector<std::string>&)> aendern;
        int gelesen; // values taken before the damaged line: the number of that line
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
        {"Figur y außerhalb 16 Bit", [](auto& z) { z[1] = "-32769 "; }, 1, false},
        {"Kistenzahl außerhalb 16 Bit", [](auto& z) { z[3] = " 70000 "; }, 3, false},
        {"Eintrag y außerhalb 16 Bit", [&](auto& z) { z[zeile(7, 1)] = " 32768 "; }, zeile(7, 1),
         false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        auto zeilen = gut;
        f.aendern(zeilen);
        auto erwartet = fremdesBrett();
        ersteWerte(*erwartet, *spiel, f.gelesen);
        auto brett = fremdesBrett();
        EXPECT_EQ(lesezeichenAusText(*brett, crlf(zeilen)), f.vollstaendig);
        EXPECT_TRUE(gleichesBrett(*brett, *erwartet));
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
        auto brett = fremdesBrett();
        EXPECT_TRUE(lesezeichenAusText(*brett, crlf(zeilen)));
        EXPECT_EQ(brett->aufStellplatz, wert);
        EXPECT_EQ(brett->spielerY, -12.25);
        EXPECT_EQ(brett->kistenAbgestellt, 2);
    }
}

} // namespace
