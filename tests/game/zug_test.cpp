#include "tests/game/testhilfen.h"

namespace {

using Zug = Bildtest;

// The figure stands at x 24 on the top row and walks right: every kind of cell ahead
// of it and behind that. A blasted entry is parked at x 2000.
TEST_F(Zug, jedeZeileDerRegelAendertZeichnetUndZaehltGenauWieVorgesehen) {
    const struct {
        const char* bild;
        const char* kacheln;
        std::int16_t abgestellt;
        std::int16_t aufStellplatz;
        const char* eintraege;
        bool knall;
    } regeln[] = {
        {"@ #", "blank 24, smile 48", 0, 0, "", false},
        {"+  ", "stell 24, smile 48", 0, 0, "", false},
        {"@.", "blank 24, smilestell 48", 0, -1, "", false},
        {"@$ ", "blank 24, smile 48, box 72", 0, 0, "90: 72 0 box 0", false},
        {"@$.", "blank 24, smile 48, box2 72", 1, 0, "90: 72 0 gestellt 0, 91: 72 0 gestellt 90",
         false},
        {"@* ", "blank 24, box 72, smilestell 48", 0, -1, "90: 72 0 box 0, 91: 48 0 stell 90",
         false},
        {"@*.", "blank 24, box2 72, smilestell 48", 1, -1,
         "90: 72 0 gestellt 0, 91: 48 0 stell 90, 92: 72 0 gestellt 90", false},
        {"@T ", "blank 24, smile 48, tnt 72", 0, 0, "90: 72 0 tnt 0", false},
        {"@T.", "blank 24, smile 48, tntstell 72", 0, 0,
         "90: 72 0 tntgestellt 0, 91: 72 0 tntgestellt 90", false},
        {"@t.", "blank 24, tntstell 72, smilestell 48", 0, -1,
         "90: 72 0 tntgestellt 0, 91: 48 0 stell 90, 92: 72 0 tntgestellt 90", false},
        {"@T#", "blank 24, smile 48, blank 72", 0, 0, "90: 2000 0 tnt 0, 91: 2000 0 mauer 0", true},
        // A blast from a storage place leaves it as one.
        {"+T#", "stell 24, smile 48, blank 72", 0, 0, "90: 2000 0 tnt 0, 91: 2000 0 mauer 0", true},
        {"@t#", "blank 24, blank 72, smilestell 48", 0, -1,
         "90: 2000 0 tntgestellt 0, 91: 48 0 stell 90, 92: 2000 0 mauer 0", true},
    };
    for (const auto& r : regeln) {
        SCOPED_TRACE(r.bild);
        bildStarten({std::string(" ") + r.bild});
        flaeche.bilder.clear();
        const auto vorher = std::make_unique<Brett>(*brett);
        const Zugergebnis zug = tasteVerarbeiten(*brett, tasteRechts, flaeche);
        EXPECT_EQ(zug.sprengung, r.knall ? std::optional(Sprengung{72, 0}) : std::nullopt);
        EXPECT_EQ(geaendert(*vorher, *brett), r.eintraege);
        EXPECT_EQ(flaeche.gezeichnet(), r.kacheln);
        auto erwartet = std::make_unique<Brett>(*vorher);
        erwartet->felder = brett->felder;
        erwartet->schritte = 1;
        erwartet->spielerX = 48;
        erwartet->kistenAbgestellt = r.abgestellt;
        erwartet->aufStellplatz = r.aufStellplatz;
        EXPECT_TRUE(gleichesBrett(*brett, *erwartet));
    }
}

TEST_F(Zug, gesperrteKombinationenUndAndereTastenAendernNichts) {
    struct Fall {
        std::vector<std::string> bild;
        int taste;
        void (*aendern)(Brett&) = nullptr; // before the key
    };
    const std::string rechterRand(21, ' ');
    std::vector<std::string> ganzUnten(18, "");
    ganzUnten[17] = "@";
    auto tntUnten = ganzUnten;
    tntUnten[16] = "@";
    tntUnten[17] = "T";
    std::vector<Fall> faelle{
        // The permanent border around the board, and the bottom edge for a TNT box.
        {{rechterRand + " @"}, tasteRechts},
        {{rechterRand + "@$"}, tasteRechts},
        {{rechterRand + "@T"}, tasteRechts},
        {{"@"}, tasteLinks},
        {{"@"}, tasteOben},
        {{"T@"}, tasteLinks},
        {ganzUnten, tasteUnten},
        {tntUnten, tasteUnten},
    };
    // A box does not blast, and the border cannot be blasted.
    for (const char* bild :
         {"@#", "@=", "@$#", "@$*", "@$=", "@*#", "@*T", "@*=", "@T$", "@TT", "@T=", "@t*", "@t="})
        faelle.push_back({{bild}, tasteRechts});
    // Keys that are no cursor keys; a locked board; a board filled by hand, as a bookmark
    // recall before any level does, without a level file.
    for (int taste : {0, 16, 32, 36, 41, 65, 0x1000014})
        faelle.push_back({{"@ "}, taste});
    faelle.push_back({{"@ "}, tasteRechts, [](Brett& b) { b.brettGesperrt = true; }});
    faelle.push_back({{"@$ "}, tasteRechts, [](Brett& b) { b.levelDatei.clear(); }});
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.bild.back() + ' ' + std::to_string(f.taste));
        bildStarten(f.bild);
        flaeche.bilder.clear();
        if (f.aendern)
            f.aendern(*brett);
        const auto vorher = std::make_unique<Brett>(*brett);
        const Zugergebnis zug = tasteVerarbeiten(*brett, f.taste, flaeche);
        EXPECT_FALSE(zug.geschritten);
        EXPECT_FALSE(zug.sprengung);
        EXPECT_TRUE(gleichesBrett(*brett, *vorher));
        EXPECT_EQ(flaeche.gezeichnet(), "");
    }
}

// Pairs formed in play behave like pairs from the file, whichever of the two entries
// has the higher index: the found one stays behind as the storage place.
TEST_F(Zug, paareAusDemSpielLassenSichWiederAbschieben) {
    // The pair (90, 91) at (48, 24), the box 92 at (48, 72).
    bildStarten({"", " @*", "", "  $"}, {tasteRechts});
    EXPECT_EQ(brett->felder[91], (Feldobjekt{48, 24, "stell", 90}));
    EXPECT_EQ(brett->felder[90], (Feldobjekt{72, 24, "box", 0}));
    EXPECT_EQ(brett->kistenAbgestellt, 0);
    for (int taste : {tasteLinks, tasteUnten, tasteUnten, tasteUnten, tasteRechts, tasteOben})
        ASSERT_TRUE(tasteVerarbeiten(*brett, taste, flaeche).geschritten);

    // Box 92 onto storage place 91: this time the box has the higher index.
    flaeche.bilder.clear();
    ASSERT_TRUE(tasteVerarbeiten(*brett, tasteOben, flaeche).geschritten);
    EXPECT_EQ(brett->felder[92], (Feldobjekt{48, 24, "gestellt", 91}));
    EXPECT_EQ(brett->felder[91], (Feldobjekt{48, 24, "gestellt", 90}));
    EXPECT_EQ(brett->kistenAbgestellt, 1);
    EXPECT_EQ(flaeche.gezeichnet(), "blank 48,72, smile 48,48, box2 48,24");

    // Pushed on: entry 92 is found and stays as the storage place; 91 moves as the box.
    ASSERT_TRUE(tasteVerarbeiten(*brett, tasteOben, flaeche).geschritten);
    EXPECT_EQ(brett->felder[92], (Feldobjekt{48, 24, "stell", 91}));
    EXPECT_EQ(brett->felder[91], (Feldobjekt{48, 0, "box", 90}));
    EXPECT_EQ(brett->kistenAbgestellt, 0);
    EXPECT_EQ(brett->aufStellplatz, -1);
}

// Neither the figure nor a box may step beyond the 16-bit edge: a bookmark or the table
// could not hold the position. `kisteX` 0 means a plain walk.
TEST(Grenze, figurUndKisteHaltenAn16BitGrenze) {
    const struct {
        double figurX;
        std::int16_t kisteX;
        int taste;
        bool geht;
    } faelle[] = {
        {32736, 0, tasteRechts, true},       {32760, 0, tasteRechts, false},
        {-32760, 0, tasteLinks, false},      {-32744, 0, tasteLinks, true},
        {32712, 32736, tasteRechts, true},   {32736, 32760, tasteRechts, false},
        {-32736, -32760, tasteLinks, false}, {-32712, -32736, tasteLinks, true},
    };
    for (const auto& fall : faelle) {
        auto brett = neuesBrett();
        brett->levelDatei = "x.lev";
        if (fall.kisteX != 0) {
            ASSERT_TRUE(brett->anhaengen("box", fall.kisteX, 48));
        }
        brett->spielerX = fall.figurX;
        brett->spielerY = 48;
        Aufzeichnung flaeche;
        EXPECT_EQ(tasteVerarbeiten(*brett, fall.taste, flaeche).geschritten, fall.geht)
            << fall.figurX;
        EXPECT_EQ(brett->spielerX == fall.figurX, !fall.geht) << fall.figurX;
    }
}

} // namespace
