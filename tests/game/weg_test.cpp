#include "tests/game/testhilfen.h"

#include "game/weg.h"

#include <set>

namespace {

using Weg = Bildtest;

constexpr int L = tasteLinks;
constexpr int R = tasteRechts;
constexpr int O = tasteOben;
constexpr int U = tasteUnten;

TEST_F(Weg, einKlickGehtDenKuerzestenWegOderSchiebtDieKisteDanebenEinmal) {
    struct Fall {
        const char* name;
        std::vector<std::string> bild;
        Zelle ziel;
        std::vector<int> tasten;
    };
    const std::vector<Fall> faelle{
        {"um die Mauer", {"@#  ", "    "}, {2, 0}, {U, R, R, O}},
        {"auf einen Stellplatz", {"@ .", "   "}, {2, 0}, {R, R}},
        // Boxes are in the way of a walk, and a walk never pushes.
        {"an Kisten vorbei", {"@$ ", "   "}, {2, 0}, {U, R, R, O}},
        {"eingeschlossen", {"@# ", "#  "}, {2, 0}, {}},
        {"Mauer angeklickt", {"@ #"}, {2, 0}, {}},
        {"Kiste daneben", {"@$ "}, {1, 0}, {R}},
        {"TNT-Kiste darüber", {"T", "@"}, {0, 0}, {O}},
        {"Kiste auf Stellplatz links", {" *@"}, {1, 0}, {L}},
        {"Kiste zwei weiter", {"@ $ "}, {2, 0}, {}},
        // The push is left to the move rule, which blocks it.
        {"Kiste vor der Mauer", {"@$#"}, {1, 0}, {R}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        bildStarten(f.bild);
        EXPECT_EQ(klickWeg(*brett, f.ziel), f.tasten);
    }
}

// Where boxes and TNT boxes stand, cell by cell.
std::set<std::pair<int, int>> kistenOrte(const Brett& brett) {
    std::set<std::pair<int, int>> orte;
    for (int r = 0; r < Brett::zeilen; ++r) {
        for (int c = 0; c < Brett::spalten; ++c) {
            const auto art = brett.suchen(c * 24, r * 24).art;
            if (art == "box" || art == "gestellt" || art == "tnt" || art == "tntgestellt")
                orte.insert({c, r});
        }
    }
    return orte;
}

TEST_F(Weg, dieKisteWirdAufDemKuerzestenWegGeschobenOhneAnderesZuBewegen) {
    struct Fall {
        const char* name;
        std::vector<std::string> bild;
        Zelle kiste;
        Zelle ziel;
        int schritte; // -1: no way
    };
    const std::vector<Fall> faelle{
        {"auf den Stellplatz", {"@$ ."}, {1, 0}, {3, 0}, 2},
        {"um die Kiste herum", {"   ", "@$ ", "   "}, {1, 1}, {1, 2}, 3},
        {"um die Ecke", {"@   ", " $  ", "    "}, {1, 1}, {2, 2}, 5},
        {"andere Kiste bleibt stehen", {"@$  ", "  $ "}, {1, 0}, {3, 0}, 2},
        // The figure walks back over the cell the box stood on at first.
        {"durch den alten Platz",
         {"  @  ", "# $ #", "## ##", "#    ", "#####"},
         {2, 1},
         {1, 3},
         13},
        {"TNT-Kiste", {"@T  "}, {1, 0}, {2, 0}, 1},
        {"an der oberen Kante nicht quer", {"@ $", "   "}, {2, 0}, {2, 1}, -1},
        {"eine andere Kiste im Weg", {"@$$ "}, {1, 0}, {3, 0}, -1},
        {"keine Sprengung", {"@T# "}, {1, 0}, {3, 0}, -1},
        {"keine Kiste", {"@ "}, {1, 0}, {1, 1}, -1},
        {"die Figur kommt nicht hin", {" $ ", "###", " @ "}, {1, 0}, {2, 0}, -1},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        bildStarten(f.bild);
        auto erwartet = kistenOrte(*brett);
        const auto weg = schiebeWeg(*brett, f.kiste, f.ziel);
        if (f.schritte < 0) {
            EXPECT_FALSE(weg.has_value());
            continue;
        }
        ASSERT_TRUE(weg.has_value());
        EXPECT_EQ(static_cast<int>(weg->size()), f.schritte) << ::testing::PrintToString(*weg);
        for (int taste : *weg)
            EXPECT_TRUE(tasteVerarbeiten(*brett, taste, flaeche).geschritten);
        erwartet.erase({f.kiste.spalte, f.kiste.zeile});
        erwartet.insert({f.ziel.spalte, f.ziel.zeile});
        EXPECT_EQ(kistenOrte(*brett), erwartet);
    }
}

TEST_F(Weg, nurKistenUndTntKistenLassenSichZiehen) {
    bildStarten({"@$*Tt.# "});
    const bool erwartet[] = {false, true, true, true, true, false, false, false};
    for (int spalte = 0; spalte < 8; ++spalte)
        EXPECT_EQ(kisteBei(*brett, {spalte, 0}), erwartet[spalte]) << spalte;
    EXPECT_FALSE(kisteBei(*brett, {-1, 0}));
}

TEST(Zellen, einPunktDesBildesLiegtInDerZelleDarunter) {
    EXPECT_EQ(zelleBei(0, 0), (Zelle{0, 0}));
    EXPECT_EQ(zelleBei(23, 47), (Zelle{0, 1}));
    EXPECT_EQ(zelleBei(24, 48), (Zelle{1, 2}));
    EXPECT_EQ(zelleBei(-1, -1), (Zelle{-1, -1}));
}

} // namespace
