#include "tests/game/testhilfen.h"

#include "game/abschluss.h"
#include "game/brett.h"
#include "game/zug.h"

#include <gtest/gtest.h>

namespace {

using Abschluss = Bildtest;

TEST_F(Abschluss, dieLetzteKisteLoestDasLevelBeimNaechstenAbfragenGenauEinmal) {
    bildStarten({"*@$."});
    EXPECT_FALSE(abschlussPruefen(*brett));
    EXPECT_FALSE(brett->brettGesperrt);

    ASSERT_TRUE(tasteVerarbeiten(*brett, tasteRechts, flaeche).geschritten);
    EXPECT_FALSE(brett->geschafft); // only the poll notices
    EXPECT_TRUE(abschlussPruefen(*brett));
    EXPECT_TRUE(brett->brettGesperrt);
    EXPECT_TRUE(brett->geschafft);
    EXPECT_FALSE(abschlussPruefen(*brett));
    EXPECT_FALSE(tasteVerarbeiten(*brett, tasteLinks, flaeche).geschritten);

    // Starting the level again makes it unsolved and playable.
    ASSERT_TRUE(levelStarten(*brett, ordnerText(), "bild.lev", flaeche, Startart::neustart).ok);
    EXPECT_FALSE(brett->geschafft);
    EXPECT_FALSE(abschlussPruefen(*brett));
    EXPECT_TRUE(tasteVerarbeiten(*brett, tasteRechts, flaeche).geschritten);
    EXPECT_TRUE(abschlussPruefen(*brett));
}

TEST_F(Abschluss, nurGewoehnlicheKistenZaehlen) {
    struct Fall {
        std::vector<std::string> bild;
        std::vector<int> tasten;
        bool geloest;
    };
    const std::vector<Fall> faelle{
        {{"*"}, {}, true},               // solved from the start
        {{"@T."}, {tasteRechts}, false}, // TNT boxes only: never solved
        {{"t@"}, {}, false},
        {{"@$. "}, {tasteRechts, tasteRechts}, false}, // on and off between two polls
        {{"*@$.", "  $."}, {tasteRechts}, false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.bild.front());
        bildStarten(f.bild);
        for (int taste : f.tasten)
            ASSERT_TRUE(tasteVerarbeiten(*brett, taste, flaeche).geschritten);
        EXPECT_EQ(abschlussPruefen(*brett), f.geloest);
        EXPECT_EQ(brett->brettGesperrt, f.geloest);
    }
}

} // namespace
