#include "tests/game/testhilfen.h"
#include "tests/tools/pruefhilfe.h"

#include "game/bestwerte.h"
#include "game/textdatei.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// Level files are written as the editor writes them: every line ends in CR LF.
bool nurCrLf(const std::string& datei) {
    const std::string bytes = textdateiLesen(std::string(LAGERIX_ASSETS) + '/' + datei).bytes;
    return !bytes.empty() && crlf(zeilenAusText(bytes)) == bytes;
}

// A level missing from the table, or out of order, breaks the equality with the folder.
TEST(Level, jedeMitgelieferteLeveldateiStehtInDerTabelleUndIhreLoesungSchafftSie) {
    std::vector<std::string> dateien;
    for (const auto& eintrag : std::filesystem::directory_iterator(LAGERIX_ASSETS))
        if (eintrag.path().extension() == ".lev")
            dateien.push_back(eintrag.path().filename().string());
    std::sort(dateien.begin(), dateien.end());
    const Bestwerte bestwerte = bestwerteLesen(std::string(LAGERIX_ASSETS) + '/' + bestwerteDatei);
    EXPECT_EQ(bestwerte.fehlerhafteZeilen, std::vector<int>{});
    EXPECT_TRUE(nurCrLf(bestwerteDatei));
    std::vector<std::string> eingetragen;
    // Every key of a stored solution is a step, so the count it reaches is the table's. The
    // figure does not start on a storage place; that the figure and every object of a small
    // board stand inside its fence, the editor's round trip of the shipped levels shows.
    for (const auto& l : bestwerte.eintraege) {
        SCOPED_TRACE(l.levelDatei);
        eingetragen.push_back(l.levelDatei);
        const auto gespielt = laufen({LAGERIX_ASSETS, l.levelDatei, l.loesung + "T"});
        EXPECT_EQ(gespielt.status, 0) << gespielt.fehler;
        EXPECT_EQ(wert(gespielt, "geschafft"), "1");
        EXPECT_EQ(wert(gespielt, "schritte"), std::to_string(l.schritte));
        EXPECT_EQ(wert(laufen({LAGERIX_ASSETS, l.levelDatei}), "aufStellplatz"), "0");
        EXPECT_TRUE(nurCrLf(l.levelDatei));
    }
    EXPECT_EQ(eingetragen, dateien);
    EXPECT_EQ(eingetragen.at(0), "01-schieben.lev"); // the first level a new player sees
    // A new player has pushed boxes in three levels at least before the first TNT box.
    const auto mitTnt = [](const std::string& datei) {
        const auto zeilen = laufen({LAGERIX_ASSETS, datei}).zeilen;
        return std::any_of(zeilen.begin(), zeilen.end(), [](const std::string& z) {
            return z.starts_with("feld ") && (z.ends_with(" tnt") || z.ends_with(" tntgestellt"));
        });
    };
    EXPECT_GE(std::find_if(eingetragen.begin(), eingetragen.end(), mitTnt) - eingetragen.begin(),
              3);
}

} // namespace
