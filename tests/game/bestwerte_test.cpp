#include "tests/game/testhilfen.h"

#include "game/bestwerte.h"

namespace {

using BestwerteDatei = Ordnertest;

TEST_F(BestwerteDatei, liestJedeHeileZeileUndNenntJedeBeschaedigte) {
    schreiben(bestwerteDatei, "a.lev\t3\trrl\r\n"
                              "\r\n"
                              "zwei teile.lev\t1\tu\n"
                              "b.lev\t4\trrl\r\n"      // solution shorter than the count
                              "c.lev\t2\trx\r\n"       // not an arrow key
                              "d.lev\t0\t\r\n"         // nothing to solve is no level
                              "e.lev\t-2\tll\r\n"      // a negative count
                              "g.lev\t2 \tll\r\n"      // more than the number
                              "h.lev 2 ll\r\n"         // no tabs
                              "\t2\tll\r\n"            // no name
                              "a.lev\t1\tl\r\n"        // a second entry for a level
                              "\xc4rger.lev\t1\to\r\n" // Windows-1252 umlaut in the name
                              "u.lev\t3\trrl\tunbewiesen\r\n"
                              "v.lev\t3\trrl\tbewiesen\r\n"        // no marker the table knows
                              "x.lev\t3\trrl\tunbewiesen\tx\r\n"); // more after the marker
    const Bestwerte tabelle = bestwerteLesen(pfad(bestwerteDatei));
    EXPECT_EQ(tabelle.eintraege, (std::vector<Bestwert>{{"a.lev", 3, "rrl"},
                                                        {"zwei teile.lev", 1, "u"},
                                                        {"Ärger.lev", 1, "o"},
                                                        {"u.lev", 3, "rrl", false}}));
    EXPECT_EQ(tabelle.fehlerhafteZeilen, (std::vector<int>{4, 5, 6, 7, 8, 9, 10, 11, 14, 15}));
    // Without the table no level has a known best.
    const Bestwerte ohne = bestwerteLesen(pfad("fehlt.txt"));
    EXPECT_TRUE(ohne.eintraege.empty() && ohne.fehlerhafteZeilen.empty());
}

TEST(Bestwert, wirdUeberDenLevelnamenOhneEndungGefunden) {
    const Bestwerte tabelle{
        {{"a.lev", 3, "rrl"}, {"Level 1.lev", 1, "u", false}, {"ab.lev", 2, "ll"}}, {}};
    const std::pair<std::string, std::optional<Bestwert>> faelle[] = {
        {"a", tabelle.eintraege[0]},  {"Level 1", tabelle.eintraege[1]},
        {"ab", tabelle.eintraege[2]}, {"A", std::nullopt},
        {"a.lev", std::nullopt},      {"", std::nullopt},
    };
    for (const auto& [name, eintrag] : faelle)
        EXPECT_EQ(bestwert(tabelle, name), eintrag) << name;
}

} // namespace
