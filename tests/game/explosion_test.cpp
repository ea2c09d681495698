#include "tests/game/testhilfen.h"

#include "game/explosion.h"

namespace {

using ExplosionTest = Bildtest;

// A small board: its fence of border entries lies inside the picture, but the
// explosion's redraw leaves border entries out. On a locked board (the level is solved)
// the ticks go on but paint nothing; with the sound off nothing sounds.
TEST_F(ExplosionTest, zehnTicksMitKlangBildernUndEnde) {
    // The TNT box stood on a storage place: the figure stands there after the blast, drawn
    // as "smilestell" over the plain figure and the storage place.
    const std::vector<Zeichnung> brettBild{{"smile", 48, 0},  {"tntstell", 2000, 0},
                                           {"stell", 48, 0},  {"mauer", 2000, 0},
                                           {"stell", 48, 24}, {"smilestell", 48, 0}};
    for (const bool gesperrt : {false, true}) {
        bildStarten({" @t#", "  ."}, {tasteRechts}, "eKlein");
        brett->brettGesperrt = gesperrt;
        Explosion explosion;
        for (int k = 0; k < 10; ++k) {
            SCOPED_TRACE(std::to_string(k) + (gesperrt ? " gesperrt" : ""));
            flaeche.bilder.clear();
            const auto schritt = explosion.tick(*brett, flaeche, !gesperrt);
            EXPECT_EQ(schritt.soundStarten, k == 0 && !gesperrt);
            EXPECT_EQ(schritt.bild, k >= 1 && k <= 8 ? k : 0);
            EXPECT_EQ(schritt.ende, k == 9);
            auto erwartet = gesperrt ? std::vector<Zeichnung>{} : brettBild;
            if (k == 9 && !gesperrt)
                erwartet.push_back({"smilestell", 48, 0});
            EXPECT_EQ(flaeche.bilder, erwartet);
        }
        EXPECT_EQ(explosion.explosionsZaehler, 0);
    }
}

} // namespace
