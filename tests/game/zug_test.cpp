#include "tests/game/testhilfen.h"

#include "game/brett.h"
#include "game/zug.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

class Zug : public Ordnertest {
  protected:
    // Starts a level drawn as a picture and forgets what level start drew.
    void bildStarten(const std::vector<std::string>& bild) {
        brett = neuesBrett();
        levelSchreiben("zug.lev", levelAusBild(bild));
        ASSERT_TRUE(starten(*brett, "zug.lev", flaeche).ok);
        flaeche.bilder.clear();
    }

    std::unique_ptr<Brett> brett = neuesBrett();
    Aufzeichnung flaeche;
};

// The figure stands at (24, 0) and walks right: A is (48, 0), B is (72, 0).
TEST_F(Zug, jedeZeileDerRegelAendertZeichnetUndZaehltGenauWieVorgesehen) {
    struct Regel {
        std::string bild;
        std::vector<Zeichnung> kacheln;
        std::int16_t abgestelltNachher;
        std::int16_t aufStellplatzNachher;
        std::vector<std::pair<int, Feldobjekt>> eintraege; // changed entries
        std::optional<Sprengung> explosion;
    };
    const Zeichnung blankF{"blank", 24, 0};
    const std::vector<Regel> regeln{
        {"@ #", {blankF, {"smile", 48, 0}}, 0, 0, {}, {}},
        {"+  ", {{"stell", 24, 0}, {"smile", 48, 0}}, 0, 0, {}, {}},
        {"@.", {blankF, {"smilestell", 48, 0}}, 0, -1, {}, {}},
        {"@$ ", {blankF, {"smile", 48, 0}, {"box", 72, 0}}, 0, 0, {{90, {72, 0, "box", 0}}}, {}},
        {"@$.",
         {blankF, {"smile", 48, 0}, {"box2", 72, 0}},
         1,
         0,
         {{90, {72, 0, "gestellt", 0}}, {91, {72, 0, "gestellt", 90}}},
         {}},
        {"@* ",
         {blankF, {"box", 72, 0}, {"smilestell", 48, 0}},
         0,
         -1,
         {{90, {72, 0, "box", 0}}, {91, {48, 0, "stell", 90}}},
         {}},
        {"@*.",
         {blankF, {"box2", 72, 0}, {"smilestell", 48, 0}},
         1,
         -1,
         {{90, {72, 0, "gestellt", 0}}, {91, {48, 0, "stell", 90}}, {92, {72, 0, "gestellt", 90}}},
         {}},
        {"@T ", {blankF, {"smile", 48, 0}, {"tnt", 72, 0}}, 0, 0, {{90, {72, 0, "tnt", 0}}}, {}},
        {"@T.",
         {blankF, {"smile", 48, 0}, {"tntstell", 72, 0}},
         0,
         0,
         {{90, {72, 0, "tntgestellt", 0}}, {91, {72, 0, "tntgestellt", 90}}},
         {}},
        {"@t ",
         {blankF, {"tnt", 72, 0}, {"smilestell", 48, 0}},
         0,
         -1,
         {{90, {72, 0, "tnt", 0}}, {91, {48, 0, "stell", 90}}},
         {}},
        {"@t.",
         {blankF, {"tntstell", 72, 0}, {"smilestell", 48, 0}},
         0,
         -1,
         {{90, {72, 0, "tntgestellt", 0}},
          {91, {48, 0, "stell", 90}},
          {92, {72, 0, "tntgestellt", 90}}},
         {}},
        {"@T#",
         {blankF, {"smile", 48, 0}, {"blank", 72, 0}},
         0,
         0,
         {{90, {2000, 0, "tnt", 0}}, {91, {2000, 0, "mauer", 0}}},
         Sprengung{72, 0}},
        // A blast from a storage place leaves it as one.
        {"+T#",
         {{"stell", 24, 0}, {"smile", 48, 0}, {"blank", 72, 0}},
         0,
         0,
         {{90, {2000, 0, "tnt", 0}}, {91, {2000, 0, "mauer", 0}}},
         Sprengung{72, 0}},
        {"@t#",
         {blankF, {"blank", 72, 0}, {"smilestell", 48, 0}},
         0,
         -1,
         {{90, {2000, 0, "tntgestellt", 0}},
          {91, {48, 0, "stell", 90}},
          {92, {2000, 0, "mauer", 0}}},
         Sprengung{72, 0}},
    };
    for (const auto& r : regeln) {
        SCOPED_TRACE(r.bild);
        bildStarten({" " + r.bild});
        auto erwartet = std::make_unique<Brett>(*brett);
        erwartet->schritte = 1;
        erwartet->spielerX = 48;
        erwartet->spielerY = 0;
        erwartet->kistenAbgestellt = r.abgestelltNachher;
        erwartet->aufStellplatz = r.aufStellplatzNachher;
        for (const auto& [index, eintrag] : r.eintraege)
            erwartet->felder[index] = eintrag;

        const Zugergebnis zug = tasteVerarbeiten(*brett, tasteRechts, flaeche);
        EXPECT_TRUE(zug.geschritten);
        EXPECT_EQ(zug.sprengung, r.explosion);
        EXPECT_TRUE(gleichesBrett(*brett, *erwartet));
        EXPECT_EQ(brett->kistenAbgestellt, r.abgestelltNachher);
        EXPECT_EQ(brett->aufStellplatz, r.aufStellplatzNachher);
        EXPECT_EQ(flaeche.bilder, r.kacheln);
    }
}

TEST_F(Zug, gesperrteKombinationenAendernNichts) {
    struct Fall {
        std::vector<std::string> bild;
        int taste;
    };
    const std::string rechterRand(21, ' ');
    const std::vector<Fall> faelle{
        {{"@#"}, tasteRechts},
        {{"@="}, tasteRechts},
        {{"@$#"}, tasteRechts}, // a box does not blast
        {{"@$$"}, tasteRechts},
        {{"@$*"}, tasteRechts},
        {{"@$T"}, tasteRechts},
        {{"@$t"}, tasteRechts},
        {{"@$="}, tasteRechts},
        {{"@*#"}, tasteRechts},
        {{"@*$"}, tasteRechts},
        {{"@*T"}, tasteRechts},
        {{"@*="}, tasteRechts},
        {{"@T$"}, tasteRechts},
        {{"@T*"}, tasteRechts},
        {{"@TT"}, tasteRechts},
        {{"@Tt"}, tasteRechts},
        {{"@T="}, tasteRechts}, // the border cannot be blasted
        {{"@t$"}, tasteRechts},
        {{"@tT"}, tasteRechts},
        {{"@t="}, tasteRechts},
        {{"@t*"}, tasteRechts},
        // The permanent border around the board.
        {{rechterRand + " @"}, tasteRechts},
        {{rechterRand + "@$"}, tasteRechts},
        {{rechterRand + "@T"}, tasteRechts},
        {{"@"}, tasteLinks},
        {{"@"}, tasteOben},
        {{"T@"}, tasteLinks},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.bild.back());
        bildStarten(f.bild);
        const auto vorher = std::make_unique<Brett>(*brett);
        const Zugergebnis zug = tasteVerarbeiten(*brett, f.taste, flaeche);
        EXPECT_FALSE(zug.geschritten);
        EXPECT_FALSE(zug.sprengung);
        EXPECT_TRUE(gleichesBrett(*brett, *vorher));
        EXPECT_TRUE(flaeche.bilder.empty());
    }

    // The bottom edge, for the figure and for a TNT box.
    for (const auto& letzte : {std::vector<std::string>{"@"}, {"@", "T"}}) {
        std::vector<std::string> bild(18 - letzte.size(), "");
        bild.insert(bild.end(), letzte.begin(), letzte.end());
        bildStarten(bild);
        const auto vorher = std::make_unique<Brett>(*brett);
        EXPECT_FALSE(tasteVerarbeiten(*brett, tasteUnten, flaeche).geschritten);
        EXPECT_TRUE(gleichesBrett(*brett, *vorher));
    }
}

TEST_F(Zug, pfeiltastenBewegenInIhreRichtungUndAndereTastenNicht) {
    const std::vector<std::pair<int, std::pair<double, double>>> faelle{
        {tasteLinks, {96, 120}},
        {tasteOben, {120, 96}},
        {tasteRechts, {144, 120}},
        {tasteUnten, {120, 144}},
    };
    const std::vector<std::string> bild{"", "", "", "", "", "     @"};
    for (const auto& [taste, ziel] : faelle) {
        bildStarten(bild);
        EXPECT_TRUE(tasteVerarbeiten(*brett, taste, flaeche).geschritten);
        EXPECT_EQ(std::pair(brett->spielerX, brett->spielerY), ziel) << taste;
    }
    bildStarten(bild);
    const auto vorher = std::make_unique<Brett>(*brett);
    for (int taste : {0, 16, 32, 36, 41, 65, 0x1000014}) {
        EXPECT_FALSE(tasteVerarbeiten(*brett, taste, flaeche).geschritten) << taste;
        EXPECT_TRUE(gleichesBrett(*brett, *vorher));
    }
    EXPECT_TRUE(flaeche.bilder.empty());
}

TEST_F(Zug, ohneLevelOderAufGesperrtemBrettZaehlenTastenNicht) {
    // A board filled by hand, as a bookmark recall before any level does: no level file.
    brett->spielerX = 24;
    brett->spielerY = 24;
    brett->felder[90] = {48, 24, "box", 0};
    const auto vorher = std::make_unique<Brett>(*brett);
    EXPECT_FALSE(tasteVerarbeiten(*brett, tasteRechts, flaeche).geschritten);
    EXPECT_TRUE(gleichesBrett(*brett, *vorher));

    bildStarten({"@$ "});
    brett->brettGesperrt = true;
    const auto gesperrt = std::make_unique<Brett>(*brett);
    for (int taste : {tasteLinks, tasteOben, tasteRechts, tasteUnten})
        EXPECT_FALSE(tasteVerarbeiten(*brett, taste, flaeche).geschritten);
    EXPECT_TRUE(gleichesBrett(*brett, *gesperrt));
    EXPECT_TRUE(flaeche.bilder.empty());
}

// Pairs formed in play behave like pairs from the file, whichever of the two entries
// has the higher index: the found one stays behind as the storage place.
TEST_F(Zug, paareAusDemSpielLassenSichWiederAbschieben) {
    bildStarten({"", " @*", "", "  $"});
    // The pair (90, 91) at (48, 24), the box 92 at (48, 72).
    EXPECT_EQ(brett->kistenAbgestellt, 1);
    ASSERT_TRUE(tasteVerarbeiten(*brett, tasteRechts, flaeche).geschritten);
    EXPECT_EQ(brett->felder[91], (Feldobjekt{48, 24, "stell", 90}));
    EXPECT_EQ(brett->felder[90], (Feldobjekt{72, 24, "box", 0}));
    EXPECT_EQ(brett->kistenAbgestellt, 0);

    for (int taste : {tasteLinks, tasteUnten, tasteUnten, tasteUnten, tasteRechts, tasteOben})
        ASSERT_TRUE(tasteVerarbeiten(*brett, taste, flaeche).geschritten);
    EXPECT_EQ(flaeche.bilder[flaeche.bilder.size() - 13], (Zeichnung{"stell", 48, 24}));

    // Box 92 onto storage place 91: this time the box has the higher index.
    flaeche.bilder.clear();
    ASSERT_TRUE(tasteVerarbeiten(*brett, tasteOben, flaeche).geschritten);
    EXPECT_EQ(brett->felder[92], (Feldobjekt{48, 24, "gestellt", 91}));
    EXPECT_EQ(brett->felder[91], (Feldobjekt{48, 24, "gestellt", 90}));
    EXPECT_EQ(brett->kistenAbgestellt, 1);
    EXPECT_EQ(flaeche.bilder,
              (std::vector<Zeichnung>{{"blank", 48, 72}, {"smile", 48, 48}, {"box2", 48, 24}}));

    // Pushed on: entry 92 is found and stays as the storage place; 91 moves as the box.
    ASSERT_TRUE(tasteVerarbeiten(*brett, tasteOben, flaeche).geschritten);
    EXPECT_EQ(brett->felder[92], (Feldobjekt{48, 24, "stell", 91}));
    EXPECT_EQ(brett->felder[91], (Feldobjekt{48, 0, "box", 90}));
    EXPECT_EQ(brett->kistenAbgestellt, 0);
    EXPECT_EQ(brett->aufStellplatz, -1);
    EXPECT_EQ(brett->schritte, 9);
}

TEST_F(Zug, nachDerSprengungIstDieMauerBoden) {
    bildStarten({" @T#"});
    ASSERT_TRUE(tasteVerarbeiten(*brett, tasteRechts, flaeche).geschritten);
    // The parked entries stay out of every lookup.
    EXPECT_EQ(brett->suchen(48, 0).art, "");
    EXPECT_EQ(brett->suchen(72, 0).art, "");
    flaeche.bilder.clear();
    const Zugergebnis danach = tasteVerarbeiten(*brett, tasteRechts, flaeche);
    ASSERT_TRUE(danach.geschritten);
    EXPECT_FALSE(danach.sprengung);
    EXPECT_EQ(brett->spielerX, 72);
    EXPECT_EQ(brett->schritte, 2);
    EXPECT_EQ(flaeche.bilder, (std::vector<Zeichnung>{{"blank", 48, 0}, {"smile", 72, 0}}));
}

} // namespace
