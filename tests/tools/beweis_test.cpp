#include "tests/tools/pruefhilfe.h"

#include "game/bestwerte.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The table is only worth its name while the solver still proves every count it calls
// proved: a level file changed after its proof, or a count typed in by hand, fails here. A
// count marked "unbewiesen" is only the best known; the level test plays its solution.
TEST(Beweis, derLoeserBestaetigtJedeBewieseneSchrittzahlDerTabelle) {
    const Bestwerte tabelle = bestwerteLesen(std::string(LAGERIX_ASSETS) + '/' + bestwerteDatei);
    for (const auto& l : tabelle.eintraege) {
        if (!l.bewiesen)
            continue;
        SCOPED_TRACE(l.levelDatei);
        const auto lauf = laufen({"--loesen", LAGERIX_ASSETS, l.levelDatei});
        EXPECT_EQ(lauf.status, 0) << lauf.fehler;
        EXPECT_EQ(wert(lauf, "schritte"), std::to_string(l.schritte));
    }
}

} // namespace
