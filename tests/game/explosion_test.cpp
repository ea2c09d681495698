#include "tests/game/testhilfen.h"

#include "game/brett.h"
#include "game/explosion.h"
#include "game/zug.h"

#include <gtest/gtest.h>

namespace {

class ExplosionTest : public Bildtest {
  protected:
    void sprengen(const std::vector<std::string>& bild, const std::string& kopf = "fA") {
        bildStarten(bild, kopf);
        ASSERT_TRUE(tasteVerarbeiten(*brett, tasteRechts, flaeche).sprengung);
    }

    struct Tick {
        Explosionsschritt schritt;
        std::vector<Zeichnung> bilder;
    };
    Tick tick(bool soundAn) {
        flaeche.bilder.clear();
        const auto schritt = explosion.tick(*brett, flaeche, soundAn);
        return {schritt, flaeche.bilder};
    }

    Explosion explosion;
};

TEST_F(ExplosionTest, zehnTicksMitKlangBildernUndEnde) {
    // A small board: its fence of border entries lies inside the picture, but the
    // explosion's redraw leaves border entries out.
    sprengen({" @T#", "  ."}, "eKlein");
    const std::vector<Zeichnung> brettBild{
        {"smile", 48, 0}, {"tnt", 2000, 0}, {"mauer", 2000, 0}, {"stell", 48, 24}};
    for (int k = 0; k < 10; ++k) {
        SCOPED_TRACE(k);
        const auto t = tick(true);
        EXPECT_EQ(t.schritt.soundStarten, k == 0);
        EXPECT_EQ(t.schritt.bild, k >= 1 && k <= 8 ? k : 0);
        EXPECT_EQ(t.schritt.ende, k == 9);
        auto erwartet = brettBild;
        if (k == 9)
            erwartet.push_back({"smile", 48, 0});
        EXPECT_EQ(t.bilder, erwartet);
    }
    EXPECT_EQ(explosion.explosionsZaehler, 0);
}

TEST_F(ExplosionTest, eineZweiteSprengungSetztDieZaehlungFort) {
    sprengen({" @T#T#", "    ."});
    for (int k = 0; k < 4; ++k)
        tick(true);
    ASSERT_TRUE(tasteVerarbeiten(*brett, tasteRechts, flaeche).geschritten);
    ASSERT_EQ(tasteVerarbeiten(*brett, tasteRechts, flaeche).sprengung, (Sprengung{120, 0}));
    ASSERT_TRUE(
        tasteVerarbeiten(*brett, tasteUnten, flaeche).geschritten); // onto the storage place

    // The count goes on; moves between ticks show at once, on the storage place as
    // "smilestell".
    for (int k = 4; k < 10; ++k) {
        SCOPED_TRACE(k);
        const auto t = tick(true);
        EXPECT_FALSE(t.schritt.soundStarten);
        EXPECT_EQ(t.schritt.bild, k < 9 ? k : 0);
        EXPECT_EQ(t.schritt.ende, k == 9);
        ASSERT_FALSE(t.bilder.empty());
        EXPECT_EQ(t.bilder.front(), (Zeichnung{"smile", 96, 24}));
        EXPECT_EQ(t.bilder.back(), (Zeichnung{"smilestell", 96, 24}));
    }
    EXPECT_EQ(explosion.explosionsZaehler, 0);
}

TEST_F(ExplosionTest, ohneKlangStummUndAufGesperrtemBrettOhneBild) {
    sprengen({" @T#"});
    EXPECT_FALSE(tick(false).schritt.soundStarten); // with the sound off it stays silent
    brett->brettGesperrt = true;
    for (int k = 1; k < 10; ++k) {
        const auto t = tick(true);
        EXPECT_TRUE(t.bilder.empty()) << k;
        EXPECT_EQ(t.schritt.bild, k <= 8 ? k : 0);
        EXPECT_EQ(t.schritt.ende, k == 9);
    }
}

} // namespace
