#include "tests/game/testhilfen.h"

#include "game/rekord.h"

namespace {

using RekordDateien = Ordnertest;

TEST(RekordDatei, liegtNebenDemLevelUndTraegtDessenNamen) {
    const std::pair<std::string, std::string> faelle[] = {
        {"/spiele/lagerix/Level 1.lev", "/spiele/lagerix/Level 1.sco"},
        {"/spiele/lagerix/GROSS.LEV", "/spiele/lagerix/GROSS.sco"},
        {"/spiele/lagerix/zwei.teile.lev", "/spiele/lagerix/zwei.teile.sco"},
        {"/spiele/ordner.neu/ohne", "/spiele/ordner.neu/ohne.sco"},
    };
    for (const auto& [level, rekord] : faelle)
        EXPECT_EQ(rekordDatei(level), rekord) << level;
}

// A record is never lost to a damaged digit: only a cleanly written step count can be
// beaten, and a damaged one is reported.
TEST_F(RekordDateien, nurWenigerSchritteAlsEineSauberGeschriebeneSchrittzahlSindEinRekord) {
    const struct {
        std::string bytes;
        int schritte;
        bool neu;
        bool gemeldet;
    } faelle[] = {
        {"57\r\nAnna\r\n", 56, true, false},
        {"57\r\nAnna\r\n", 57, false, false}, // a tie keeps the older record
        {"2147483647\r\nAnna\r\n", 2147483647, false, false},
        {" 57   \r\nAnna\r\n", 56, true, false},
        {"", 1, true, false},
        {"99999999999999999999999\r\nAnna\r\n", 10, true, false},
        {"57abc\r\nAnna\r\n", 1, false, true},
        {"-5\r\nAnna\r\n", 3, false, true},
        {"\r\nAnna\r\n", 10, false, true},
        {"57\t\r\nAnna\r\n", 1, false, true},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.bytes + " / " + std::to_string(fall.schritte));
        schreiben("x.sco", fall.bytes);
        std::string meldung;
        EXPECT_EQ(istNeuerRekord(pfad("x.sco"), fall.schritte, &meldung), fall.neu);
        EXPECT_EQ(meldung.empty(), !fall.gemeldet) << meldung;
    }
    // No file is no record; a file that cannot be read is beaten by nothing.
    std::string meldung;
    EXPECT_TRUE(istNeuerRekord(pfad("fehlt.sco"), 1, &meldung));
    EXPECT_EQ(meldung, "");
    std::filesystem::create_directory(ordner / "ordner.sco");
    EXPECT_FALSE(istNeuerRekord(pfad("ordner.sco"), 1, &meldung));
    EXPECT_TRUE(meldung.starts_with("Die Rekorddatei „ordner.sco“ konnte nicht gelesen werden ("))
        << meldung;
}

TEST_F(RekordDateien, schreibenErsetztDenAltenRekordDurchZweiZeilenInWindows1252) {
    schreiben("level.sco", "80\r\nAnna\r\nalte Notiz\r\n");
    ASSERT_EQ(rekordSchreiben(pfad("level.sco"), 57, "Jörg Müßig"), std::nullopt);
    EXPECT_EQ(lesen("level.sco"), "57\r\nJ\xf6rg M\xfc\xdfig\r\n");
    EXPECT_EQ(rekordLesen(pfad("level.sco")), (Rekord{"57", "Jörg Müßig"}));
    // A line break in the name would push it out of its line.
    ASSERT_EQ(rekordSchreiben(pfad("level.sco"), 9, "Anna\r\nBernd\n"), std::nullopt);
    EXPECT_EQ(lesen("level.sco"), "9\r\nAnna  Bernd \r\n");
}

} // namespace
