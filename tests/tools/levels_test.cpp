#include "tests/tools/pruefhilfe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Loesung {
    const char* datei;
    const char* befehle; // arrow keys only: every command must be a step
};

// Every level that ships, in playing order, each with a solution for the checker.
const std::vector<Loesung> loesungen = {
    {"01-erste-schritte.lev", "lllorrrrlllluurrrr"},
    {"02-um-die-ecke.lev", "llloorrrrluolooruorruulurlullloorr"},
    {"03-kleines-lager.lev", "roolllrroolluuolurrrurulllruloolooru"},
    {"04-die-mauer-muss-weg.lev", "lloorrroolulurrrrrorulllluulolorrrrurolor"},
    {"05-alte-bestaende.lev", "lullorrorooouuuluurooouurrolulo"},
    {"06-enge-gaenge.lev",
     "rorrolooorruululoouuullloorrloorruuuollluullorloorruuorrroollulurrloorruuruuloorrool"},
    {"07-doppelter-knall.lev", "rolulloooorurrluollurluuroolorrrrllluuurroouullorurolloorrrrrrorull"
                               "llllluurolorrrrrrllllluurolorrrroruulurooorrul"},
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

std::string wert(const Lauf& lauf, const std::string& name) {
    for (const auto& z : lauf.zeilen) {
        if (z.starts_with(name + ' '))
            return z.substr(name.size() + 1);
    }
    return "(fehlt)";
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

TEST(Level, jedeLoesungSchafftIhrLevelOhneBlockiertenZug) {
    for (const auto& l : loesungen) {
        SCOPED_TRACE(l.datei);
        const auto lauf = laufen({LAGERIX_ASSETS, l.datei, std::string(l.befehle) + "T"});
        EXPECT_EQ(lauf.status, 0) << lauf.fehler;
        EXPECT_EQ(wert(lauf, "geschafft"), "1");
        EXPECT_EQ(wert(lauf, "schritte"), std::to_string(std::strlen(l.befehle)));
    }
}

TEST(Level, jedeMitgelieferteLeveldateiStehtInDerTabelleInSpielreihenfolge) {
    std::vector<std::string> dateien;
    for (const auto& eintrag : std::filesystem::directory_iterator(LAGERIX_ASSETS)) {
        if (eintrag.path().extension() == ".lev")
            dateien.push_back(eintrag.path().filename().string());
    }
    std::sort(dateien.begin(), dateien.end());
    std::vector<std::string> tabelle;
    for (const auto& l : loesungen)
        tabelle.push_back(l.datei);
    EXPECT_EQ(tabelle, dateien);
    ASSERT_FALSE(tabelle.empty());
    EXPECT_EQ(tabelle.front(), "01-erste-schritte.lev"); // the first level a new player sees
}

TEST(Level, startbildUndDateiformatStimmen) {
    for (const auto& l : loesungen) {
        SCOPED_TRACE(l.datei);
        const std::string inhalt = dateiInhalt(l.datei);
        ASSERT_FALSE(inhalt.empty());
        EXPECT_TRUE(nurCrLf(inhalt));

        const auto lauf = laufen({"--bild", LAGERIX_ASSETS, l.datei});
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
