#include "game/levelmodell/leveldatei.h"
#include "game/levelmodell/sammlung.h"
#include "tests/game/testhilfen.h"

namespace {

using Sammlung = Ordnertest;

TEST_F(Sammlung, writesEveryLevelThatFitsAndSaysWhyTheOthersWereSkipped) {
    schreiben("meine-05.lev", "schon da");
    const auto levels =
        textLevelsLesen("#@$.#\n\n" + std::string(24, '#') + "\n\n#$.#\n\n#@*#\n\n#+$#\n");
    const Importbericht bericht = sammlungImportieren(levels, ordnerText(), "meine");
    EXPECT_EQ(bericht.geschrieben, (std::vector<std::string>{"meine-01.lev", "meine-04.lev"}));
    ASSERT_EQ(
        bericht.uebersprungen,
        (std::vector<std::string>{
            "Level 2: Das Level ist 24 × 1 Felder groß; auf das Spielfeld passen höchstens "
            "23 × 18.",
            "Level 3: Die Figur fehlt.", "Level 5: Die Datei „meine-05.lev“ gibt es schon."}));
    EXPECT_EQ(lesen("meine-05.lev"), "schon da");
    const auto geoeffnet = levelOeffnen(pfad("meine-04.lev"));
    ASSERT_TRUE(geoeffnet.modell);
    EXPECT_EQ(alsText(*geoeffnet.modell), "#@*#\n");
    EXPECT_EQ(berichtText(bericht),
              "2 Level geschrieben (meine-01.lev bis meine-04.lev), 3 übersprungen.\n" +
                  bericht.uebersprungen[0] + "\n" + bericht.uebersprungen[1] + "\n" +
                  bericht.uebersprungen[2]);
}

// The game lists level files sorted by name: the numbers must keep the collection's order
// there, and a title must make a safe name of one file in the folder.
TEST_F(Sammlung, numbersFilesWithTheDigitsTheCountNeedsAndNamesThemByTheirTitle) {
    std::string text = "Title: ../Die erste/Kiste! " + std::string(60, 'a') + "\n";
    for (int i = 1; i <= 100; ++i)
        text += "#@$.#\n\n";
    const Importbericht bericht = sammlungImportieren(textLevelsLesen(text), ordnerText(), "s");
    ASSERT_EQ(bericht.geschrieben.size(), 100u);
    EXPECT_EQ(bericht.geschrieben[0], "s-001-Die-erste-Kiste-" + std::string(44, 'a') + ".lev");
    EXPECT_EQ(bericht.geschrieben[1], "s-002.lev");
    EXPECT_TRUE(std::is_sorted(bericht.geschrieben.begin(), bericht.geschrieben.end()));
}

TEST(Importbericht, countsAndTheFirstFiveReasonsFitOnAScreen) {
    Importbericht bericht;
    EXPECT_EQ(berichtText(bericht), "Keine Level gefunden.");
    bericht.uebersprungen.assign(7, "Level 1: weil");
    const std::string text = berichtText(bericht);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 6) << text;
    EXPECT_TRUE(text.ends_with("Level 1: weil\n… und 2 weitere")) << text;
}

} // namespace
