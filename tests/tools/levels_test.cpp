#include "tests/tools/pruefhilfe.h"

#include "game/bestwerte.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

// The table of fewest steps that ships with the levels, each with its solution.
Bestwerte tabelle() {
    return bestwerteLesen(std::string(LAGERIX_ASSETS) + '/' + bestwerteDatei);
}

// Levels the solver has not proved yet: too many crates, or TNT that can open the whole
// board. Each keeps a known solution here until its proof moves it into the table.
const std::vector<std::pair<std::string, std::string>> ohneBeweis = {
    {"08-hochregal.lev", "lloorrrllloorulurrlooroorroruuuuuuooooolllllollurrrrrroruuuuooollluurrllo"
                         "orrruullloolllluurrrrrruuurrooluooluolloorrruuuluoollluurr"},
    {"09-sprengmeister.lev", "lorrlllororrroolulurrrrrllllloolulurrrrrrorulllllluurolorrrrrurrrllol"
                             "lllluurolorrrrorrlulllluuuroolorrrururruuoolloororuuuuolllooor"},
    {"10-zwischenlager.lev", "lllloorrrurororrulllrrrrroollooolluroruuuuorruullllollollrrurrrroooll"
                             "llolluuuuooorrrrroruuuullorlullolloorrrrrruurruulluulllooulouullloorr"
                             "llloorluuruurrrrrrroollrooruorruulllroooolllllluuuolluurr"},
    {"11-der-grosse-speicher.lev",
     "oorrrrrrrrlooollurrrlllollurrrrllllllooolulurlurrrrrrrlllllloorulurrrrrlluulllullorrrrrrrrrll"
     "lloollllooollurrroruulurrrlllloolluuulurrrrrrrooorrrruorulurruullorrllllullorrrrroolollurroru"
     "uulurrllolllloorrrroruuulouururlooooolluroruoruluuulur"},
};

// Every shipped level in playing order, with the solution the tests play and its steps.
std::vector<Bestwert> alleLevel() {
    std::vector<Bestwert> level = tabelle().eintraege;
    for (const auto& [datei, loesung] : ohneBeweis)
        level.push_back({datei, static_cast<int>(loesung.size()), loesung});
    std::sort(level.begin(), level.end(),
              [](const Bestwert& a, const Bestwert& b) { return a.levelDatei < b.levelDatei; });
    return level;
}

std::string dateiInhalt(const std::string& datei) {
    std::ifstream ein(std::string(LAGERIX_ASSETS) + '/' + datei, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

// Level files are written as the editor writes them: every line ends in CR LF.
bool nurCrLf(const std::string& inhalt) {
    for (std::size_t i = 0; i < inhalt.size(); ++i) {
        if (inhalt[i] == '\n' && (i == 0 || inhalt[i - 1] != '\r'))
            return false;
    }
    return !inhalt.empty() && inhalt.back() == '\n';
}

// Every key of a stored solution is a step, so the count it reaches is the table's.
TEST(Level, jedeGespeicherteLoesungSchafftIhrLevelInDerBestenSchrittzahl) {
    for (const auto& l : alleLevel()) {
        SCOPED_TRACE(l.levelDatei);
        const auto lauf = laufen({LAGERIX_ASSETS, l.levelDatei, l.loesung + "T"});
        EXPECT_EQ(lauf.status, 0) << lauf.fehler;
        EXPECT_EQ(wert(lauf, "geschafft"), "1");
        EXPECT_EQ(wert(lauf, "schritte"), std::to_string(l.schritte));
    }
}

// A level both proved and unproved, or neither, breaks the equality below.
TEST(Level, jedeMitgelieferteLeveldateiStehtInDerTabelleInSpielreihenfolge) {
    std::vector<std::string> dateien;
    for (const auto& eintrag : std::filesystem::directory_iterator(LAGERIX_ASSETS)) {
        if (eintrag.path().extension() == ".lev")
            dateien.push_back(eintrag.path().filename().string());
    }
    std::sort(dateien.begin(), dateien.end());
    const Bestwerte bestwerte = tabelle();
    EXPECT_EQ(bestwerte.fehlerhafteZeilen, std::vector<int>{});
    EXPECT_TRUE(nurCrLf(dateiInhalt(bestwerteDatei)));
    std::vector<std::string> eingetragen;
    for (const auto& l : alleLevel())
        eingetragen.push_back(l.levelDatei);
    EXPECT_EQ(eingetragen, dateien);
    ASSERT_FALSE(eingetragen.empty());
    EXPECT_EQ(eingetragen.front(), "01-erste-schritte.lev"); // the first level a new player sees
}

TEST(Level, startbildUndDateiformatStimmen) {
    for (const auto& l : alleLevel()) {
        SCOPED_TRACE(l.levelDatei);
        const std::string inhalt = dateiInhalt(l.levelDatei);
        ASSERT_FALSE(inhalt.empty());
        EXPECT_TRUE(nurCrLf(inhalt));

        const auto lauf = laufen({"--bild", LAGERIX_ASSETS, l.levelDatei});
        ASSERT_EQ(lauf.status, 0) << lauf.fehler;
        ASSERT_GE(lauf.zeilen.size(), 18u);
        const std::vector<std::string> bild(lauf.zeilen.end() - 18, lauf.zeilen.end());
        int figuren = 0;
        for (std::size_t zeile = 0; zeile < bild.size(); ++zeile) {
            for (std::size_t spalte = 0; spalte < bild[zeile].size(); ++spalte) {
                const char c = bild[zeile][spalte];
                // The figure never starts on a storage place: it would be drawn as '+'.
                EXPECT_NE(c, '+');
                figuren += c == '@';
                // A small board keeps everything inside its fence at column 12 and row 12.
                if (inhalt.front() == 'e' && (zeile >= 12 || spalte >= 12)) {
                    EXPECT_TRUE(c == ' ' || c == '=') << "Feld " << spalte << ',' << zeile;
                }
            }
        }
        EXPECT_EQ(figuren, 1);
    }
}

} // namespace
