#include "game/levelmodell/textnotation.h"

#include <gtest/gtest.h>

namespace {

TEST(Textnotation, splitsACollectionIntoLevelsWithTitlesAndAuthors) {
    const auto levels = textLevelsLesen("; Sammlung\r\n"
                                        "Title: Erstes\n"
                                        "Author: Anna\n"
                                        "####\n"
                                        "#@$.#\n"
                                        "\n"
                                        "  ###\n"
                                        "--#.#\n"
                                        "Title: Zweites\n"
                                        "Kommentar 1\n"
                                        "---------\n"
                                        "#*+#\n");
    ASSERT_EQ(levels.size(), 3u);
    EXPECT_EQ(levels[0].titel, "Erstes");
    EXPECT_EQ(levels[0].autor, "Anna");
    EXPECT_EQ(levels[0].zeilen, (std::vector<std::string>{"####", "#@$.#"}));
    EXPECT_EQ(levels[1].titel, "Zweites");
    EXPECT_EQ(levels[1].zeilen, (std::vector<std::string>{"  ###", "--#.#"}));
    EXPECT_EQ(levels[2].titel, "");
    EXPECT_EQ(levels[2].zeilen, (std::vector<std::string>{"#*+#"}));
}

// A damaged row must neither cut its level short nor start a level of the rows after it. A
// level larger than the board is refused too, in each direction.
TEST(Textnotation, aLevelWithAnUnknownCharacterOrLargerThanTheBoardIsRefusedAndNamed) {
    const auto voll = Brettgroesse::voll;
    const std::string zeichen = "; die Textform kennt dieses Zeichen nicht.";
    const std::string groesse = " Felder groß; auf das Spielfeld passen höchstens ";
    std::string hoch;
    for (int zeile = 0; zeile < 19; ++zeile)
        hoch += "#\n";
    const std::tuple<std::string, std::size_t, Brettgroesse, std::string> faelle[] = {
        {"#####\n# $x. #\n#@  #\n#####\n\n#@$.#\n", 2, voll, "In Zeile 2 steht „x“" + zeichen},
        {"x####\n#@\t$.#\n", 1, voll, "In Zeile 1 steht „x“" + zeichen},
        {"#@$.#\n#\t##\n\n#ä#\n#\x01#\n", 2, voll, "In Zeile 2 steht ein Tabulator" + zeichen},
        {"#@$.#\nä\n#####\n", 1, voll, "In Zeile 2 steht „ä“" + zeichen},
        {"Level 1\n#@$.#\nvon Anna\n", 1, voll, ""}, // lines of words stay comments
        {hoch, 1, voll, "Das Level ist 1 × 19" + groesse + "23 × 18."},
        {std::string(13, '#'), 1, Brettgroesse::klein,
         "Das Level ist 13 × 1" + groesse + "12 × 12."},
    };
    for (const auto& [text, anzahl, brett, fehler] : faelle) {
        const auto levels = textLevelsLesen(text);
        ASSERT_EQ(levels.size(), anzahl) << text;
        const auto u = ausText(levels[0], brett);
        EXPECT_EQ(u.fehler, fehler) << text;
        EXPECT_EQ(u.modell.has_value(), fehler.empty()) << text;
    }
}

TEST(Textnotation, readsEveryLetterAndCentresTheLevel) {
    const auto u = ausText({"", "", {"#$.*", "@Tt-", "_+ ="}}, Brettgroesse::voll);
    ASSERT_TRUE(u.modell) << u.fehler;
    const Levelmodell& m = *u.modell;
    // 4 by 3 on 23 by 18: left (23-4)/2 = 9, top (18-3)/2 = 7.
    const std::vector<std::pair<Zellort, Objekt>> erwartet = {
        {{9, 7}, Objekt::mauer},        {{10, 7}, Objekt::kiste}, {{11, 7}, Objekt::stell},
        {{12, 7}, Objekt::gestellt},    {{9, 8}, Objekt::boden},  {{10, 8}, Objekt::tnt},
        {{11, 8}, Objekt::tntgestellt}, {{12, 8}, Objekt::boden}, {{9, 9}, Objekt::boden},
        {{10, 9}, Objekt::stell},       {{12, 9}, Objekt::boden}};
    for (const auto& [ort, objekt] : erwartet)
        EXPECT_EQ(m.an(ort), objekt) << ort.spalte << ',' << ort.zeile;
    // Two figures: the last one stands.
    EXPECT_EQ(m.figur(), (Zellort{10, 9}));
}

// What is written reads back to the same level. The empty third row must come back as
// floor, not end the level; the checker's picture of a small board pastes without its
// fence.
TEST(Textnotation, textWrittenReadsBackToTheSameLevel) {
    std::vector<std::string> bild(18, std::string(23, ' '));
    for (int i = 0; i <= 12; ++i) {
        bild[i][12] = '=';
        bild[12][i] = '=';
    }
    bild[3].replace(2, 4, "#+$#");
    std::string pruefbild = "autor x\nspieler 72 72\n";
    for (const auto& z : bild)
        pruefbild += z + '\n';
    const std::string text = "  #####\n###   #\n-\n#.@$T t\n#.    *\n";
    for (const auto& [eingabe, geschrieben] : {std::pair{text, text}, {pruefbild, "#+$#\n"}}) {
        const auto levels = textLevelsLesen(eingabe);
        ASSERT_EQ(levels.size(), 1u) << eingabe;
        const auto u = ausText(levels[0], Brettgroesse::voll);
        ASSERT_TRUE(u.modell) << eingabe;
        EXPECT_EQ(alsText(*u.modell), geschrieben);
        EXPECT_EQ(ausText(textLevelsLesen(geschrieben).at(0), Brettgroesse::voll).modell, u.modell);
    }
}

} // namespace
