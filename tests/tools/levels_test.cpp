#include "tests/game/testhilfen.h"
#include "tests/tools/pruefhilfe.h"

#include "game/bestwerte.h"
#include "game/textdatei.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace {

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
    std::vector<Bestwert> level =
        bestwerteLesen(std::string(LAGERIX_ASSETS) + '/' + bestwerteDatei).eintraege;
    for (const auto& [datei, loesung] : ohneBeweis)
        level.push_back({datei, static_cast<int>(loesung.size()), loesung});
    std::sort(level.begin(), level.end(),
              [](const Bestwert& a, const Bestwert& b) { return a.levelDatei < b.levelDatei; });
    return level;
}

// Level files are written as the editor writes them: every line ends in CR LF.
bool nurCrLf(const std::string& datei) {
    const std::string bytes = textdateiLesen(std::string(LAGERIX_ASSETS) + '/' + datei).bytes;
    return !bytes.empty() && crlf(zeilenAusText(bytes)) == bytes;
}

// A level both proved and unproved, or neither, breaks the equality below.
TEST(Level, jedeMitgelieferteLeveldateiStehtInDerTabelleInSpielreihenfolge) {
    std::vector<std::string> dateien;
    for (const auto& eintrag : std::filesystem::directory_iterator(LAGERIX_ASSETS)) {
        if (eintrag.path().extension() == ".lev")
            dateien.push_back(eintrag.path().filename().string());
    }
    std::sort(dateien.begin(), dateien.end());
    const Bestwerte bestwerte = bestwerteLesen(std::string(LAGERIX_ASSETS) + '/' + bestwerteDatei);
    EXPECT_EQ(bestwerte.fehlerhafteZeilen, std::vector<int>{});
    EXPECT_TRUE(nurCrLf(bestwerteDatei));
    std::vector<std::string> eingetragen;
    for (const auto& l : alleLevel())
        eingetragen.push_back(l.levelDatei);
    EXPECT_EQ(eingetragen, dateien);
    ASSERT_FALSE(eingetragen.empty());
    EXPECT_EQ(eingetragen.front(), "01-erste-schritte.lev"); // the first level a new player sees
}

// Every key of a stored solution is a step, so the count it reaches is the table's. The
// figure does not start on a storage place; that the figure and every object of a small
// board stand inside its fence, the editor's round trip of the shipped levels shows.
TEST(Level, jedesLevelStartetSauberUndSeineLoesungSchafftEsInDerBestenSchrittzahl) {
    for (const auto& l : alleLevel()) {
        SCOPED_TRACE(l.levelDatei);
        const auto gespielt = laufen({LAGERIX_ASSETS, l.levelDatei, l.loesung + "T"});
        EXPECT_EQ(gespielt.status, 0) << gespielt.fehler;
        EXPECT_EQ(wert(gespielt, "geschafft"), "1");
        EXPECT_EQ(wert(gespielt, "schritte"), std::to_string(l.schritte));
        EXPECT_EQ(wert(laufen({LAGERIX_ASSETS, l.levelDatei}), "aufStellplatz"), "0");
        EXPECT_TRUE(nurCrLf(l.levelDatei));
    }
}

} // namespace
