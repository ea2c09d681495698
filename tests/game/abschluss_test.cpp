#include "tests/game/testhilfen.h"

#include "game/abschluss.h"

namespace {

using Abschluss = Bildtest;

// Only the poll after a step notices the solved level, exactly once, and locks the board.
TEST_F(Abschluss, nurGewoehnlicheKistenZaehlenUndDieAbfrageMeldetEsEinmal) {
    struct Fall {
        std::vector<std::string> bild;
        std::vector<int> tasten;
        bool geloest;
    };
    const std::vector<Fall> faelle{
        {{"*"}, {}, true}, // solved from the start
        {{"*@$."}, {tasteRechts}, true},
        {{"t@"}, {}, false}, // TNT boxes only: never solved
        {{"*@$.", "  $."}, {tasteRechts}, false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.bild.front());
        bildStarten(f.bild, f.tasten);
        EXPECT_FALSE(brett->geschafft);
        EXPECT_EQ(abschlussPruefen(*brett), f.geloest);
        EXPECT_EQ(brett->brettGesperrt, f.geloest);
        EXPECT_EQ(brett->geschafft, f.geloest);
        EXPECT_FALSE(abschlussPruefen(*brett));
    }
}

} // namespace
