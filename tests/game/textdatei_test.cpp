#include "tests/game/testhilfen.h"

#include "game/textdatei.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

using Textdatei = Ordnertest;

TEST_F(Textdatei, umlauteGehenAlsWindows1252AufDiePlatteUndKommenGleichZurueck) {
    const std::vector<std::string> zeilen{"Jürgen Groß", "€ „Zitat“ – …", "", "ÄÖÜäöü"};
    ASSERT_EQ(textSchreiben(pfad("text.txt"), zeilen), std::nullopt);
    EXPECT_EQ(lesen("text.txt"), "J\xFCrgen Gro\xDF\r\n"
                                 "\x80 \x84Zitat\x93 \x96 \x85\r\n"
                                 "\r\n"
                                 "\xC4\xD6\xDC\xE4\xF6\xFC\r\n");
    EXPECT_EQ(textLesen(pfad("text.txt")), zeilen);

    // What the code page lacks becomes a question mark rather than a broken byte.
    ASSERT_EQ(textSchreiben(pfad("text.txt"), {"Ωmega 😀"}), std::nullopt);
    EXPECT_EQ(lesen("text.txt"), "?mega ?\r\n");
}

TEST_F(Textdatei, jedesByteUeberstehtDenWegUeberUtf8) {
    std::string alle;
    for (int b = 1; b < 256; ++b)
        alle += static_cast<char>(b);
    EXPECT_EQ(nachWindows1252(ausWindows1252(alle)), alle);
    EXPECT_EQ(ausWindows1252("\x80\x9F\xA0\xFF"), "€Ÿ\u00A0ÿ");
}

TEST_F(Textdatei, zeilenEndenAufCrLfOderLf) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> faelle{
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},
        {"a\n\r\n\nb", {"a", "", "", "b"}},
        {"", {}},
        {"\r\n", {""}},
        {"a\rb\n", {"a\rb"}},
        {"x \r\r\n", {"x \r"}},
    };
    for (const auto& [bytes, zeilen] : faelle) {
        schreiben("datei.txt", bytes);
        EXPECT_EQ(textLesen(pfad("datei.txt")), zeilen);
    }
    EXPECT_EQ(textLesen(pfad("gibtsnicht.txt")), std::nullopt);
}

TEST_F(Textdatei, schreibenLaesstKeineZwischendateiZurueck) {
    schreiben("alt.txt", "alt\r\n");
    ::chmod(pfad("alt.txt").c_str(), 0600);
    ASSERT_EQ(textSchreiben(pfad("alt.txt"), {"neu"}), std::nullopt);
    ASSERT_EQ(textSchreiben(pfad("frisch.txt"), {"eins", "zwei"}), std::nullopt);
    EXPECT_EQ(dateienImOrdner(), (std::vector<std::string>{"alt.txt", "frisch.txt"}));
    EXPECT_EQ(lesen("alt.txt"), "neu\r\n");
    struct stat info {};
    ASSERT_EQ(::stat(pfad("alt.txt").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(Textdatei, einGescheitertesSchreibenBehaeltDieAlteDatei) {
    const std::string alt = "animation_an\r\nsound_an\r\nstandardset.gif\r\n";
    schreiben("alt.txt", alt);
    std::optional<std::string> meldung;
    {
        const Schreibgrenze grenze(8);
        meldung = textSchreiben(pfad("alt.txt"), {"eine Zeile, die nicht mehr passt"});
    }
    ASSERT_TRUE(meldung);
    EXPECT_NE(meldung->find("„alt.txt“ konnte nicht geschrieben werden"), std::string::npos)
        << *meldung;
    EXPECT_NE(meldung->find("Die bisherige Datei bleibt erhalten."), std::string::npos);
    EXPECT_EQ(lesen("alt.txt"), alt);
    EXPECT_EQ(dateienImOrdner(), std::vector<std::string>{"alt.txt"});

    // A folder that is a file cannot hold anything.
    meldung = textSchreiben(pfad("alt.txt") + "/neu.txt", {"x"});
    ASSERT_TRUE(meldung);
    EXPECT_NE(meldung->find("„neu.txt“"), std::string::npos) << *meldung;
    EXPECT_NE(meldung->find("der Ordner existiert nicht"), std::string::npos) << *meldung;
    EXPECT_EQ(meldung->find("bisherige"), std::string::npos) << *meldung;
}

TEST_F(Textdatei, dateinamenAusDateienDuerfenUnterordnerNennen) {
    EXPECT_EQ(dateiImOrdner("/spiel/", "sets\\winter.gif"), "/spiel/sets/winter.gif");
    EXPECT_EQ(dateiImOrdner("/spiel/", "standardset.gif"), "/spiel/standardset.gif");
    EXPECT_EQ(dateiName("/spiel/levels/01.lev"), "01.lev");
    EXPECT_EQ(dateiName("01.lev"), "01.lev");
}

} // namespace
