#include "tests/game/testhilfen.h"

#include "game/rekord.h"

#include <gtest/gtest.h>

namespace {

using RekordDateien = Ordnertest;

TEST(RekordDatei, liegtNebenDemLevelUndTraegtDessenNamen) {
    const struct {
        std::string level;
        std::string rekord;
    } faelle[] = {
        {"/spiele/lagerix/x.lev", "/spiele/lagerix/x.sco"},
        {"/spiele/lagerix/Level 1.lev", "/spiele/lagerix/Level 1.sco"},
        {"/spiele/lagerix/GROSS.LEV", "/spiele/lagerix/GROSS.sco"},
        {"/spiele/lagerix/zwei.teile.lev", "/spiele/lagerix/zwei.teile.sco"},
        {"/spiele/ordner.neu/ohne", "/spiele/ordner.neu/ohne.sco"},
    };
    for (const auto& fall : faelle)
        EXPECT_EQ(rekordDatei(fall.level), fall.rekord) << fall.level;
}

TEST_F(RekordDateien, nurWenigerSchritteAlsDerAlteRekordSindEinNeuer) {
    const struct {
        std::string bytes;
        int schritte;
        bool neu;
    } faelle[] = {
        {"57\r\nAnna\r\n", 56, true},
        {"57\r\nAnna\r\n", 57, false}, // a tie keeps the older record
        {"57\r\nAnna\r\n", 58, false},
        {" 57 \r\nAnna\r\n", 57, false},
        {"0\r\nAnna\r\n", 0, false},
        {"abc\r\nAnna\r\n", 100000, true},
        {"-5\r\nAnna\r\n", 3, true},
        {"\r\nAnna\r\n", 10, true},
        {"", 10, true},
        {"99999999999999999999999\r\nAnna\r\n", 10, true},
    };
    for (const auto& fall : faelle) {
        schreiben("level.sco", fall.bytes);
        EXPECT_EQ(istNeuerRekord(pfad("level.sco"), fall.schritte), fall.neu)
            << fall.bytes << " / " << fall.schritte;
    }
}

TEST_F(RekordDateien, schreibenErsetztDenAltenRekordDurchZweiZeilenInWindows1252) {
    schreiben("level.sco", "80\r\nAnna\r\nalte Notiz\r\n");
    ASSERT_EQ(rekordSchreiben(pfad("level.sco"), 57, "Jörg Müßig"), std::nullopt);
    EXPECT_EQ(lesen("level.sco"), "57\r\nJ\xf6rg M\xfc\xdfig\r\n");
    EXPECT_EQ(rekordLesen(pfad("level.sco")), (Rekord{"57", "Jörg Müßig"}));
    EXPECT_FALSE(istNeuerRekord(pfad("level.sco"), 57));
}

TEST_F(RekordDateien, einZeilenumbruchImNamenBleibtInDerZweitenZeile) {
    ASSERT_EQ(rekordSchreiben(pfad("level.sco"), 9, "Anna\r\nBernd\n"), std::nullopt);
    EXPECT_EQ(lesen("level.sco"), "9\r\nAnna  Bernd \r\n");
}

} // namespace
