#include "game/programmordner.h"

#include "testhilfen.h"

#include <map>

namespace {

using Dateien = std::map<std::string, std::string>;

// The shipped folder of the system and the player's program folder, side by side.
class Programmordnertest : public Ordnertest {
  protected:
    std::string system() const { return ordnerText() + "system/"; }
    std::string spieler() const { return ordnerText() + "Mein Lager/spiel/"; }

    void ausliefern(const Dateien& dateien) const {
        std::filesystem::remove_all(system());
        std::filesystem::create_directories(system());
        alleSchreiben(system(), dateien);
    }
    static void alleSchreiben(const std::string& ordner, const Dateien& dateien) {
        for (const auto& [name, inhalt] : dateien)
            std::ofstream(ordner + name, std::ios::binary) << inhalt;
    }
    std::vector<std::string> einrichten() const {
        return programmordnerEinrichten(system(), spieler());
    }
    // Every file of the player's folder but the list, temporary files included.
    Dateien imOrdner() const {
        Dateien dateien;
        for (const auto& e : std::filesystem::directory_iterator(spieler()))
            if (const std::string name = e.path().filename().string(); name != installiertListe)
                dateien[name] = lesen("Mein Lager/spiel/" + name);
        return dateien;
    }
};

// Files as "name=inhalt" words.
Dateien dateien(const std::string& text) {
    Dateien ergebnis;
    for (const std::string& wort : woerter(text))
        ergebnis[wort.substr(0, wort.find('='))] = wort.substr(wort.find('=') + 1);
    return ergebnis;
}

// Two starts: the first with the files of one version, the player plays in between, the
// second start with the files of the next version.
TEST_F(Programmordnertest, updatesRenewTheShippedCopiesAndNeverThePlayersFiles) {
    using Text = const char*;
    const std::tuple<Text, Text, Text, Text, Text, Text> faelle[] = {
        {"an update renews a changed file and brings a new one; the player's settings, record "
         "and own level of a newly shipped name stay; hidden shipped files are not copied",
         "01.lev=v1 set.gif=g .versteckt=x", "lagerix.cfg=sound_aus 01.sco=7 02.lev=eigen", "",
         "01.lev=v2 set.gif=g 02.lev=neu 03.lev=neu .versteckt=x",
         "01.lev=v2 set.gif=g lagerix.cfg=sound_aus 01.sco=7 02.lev=eigen 03.lev=neu"},
        {"without an update a changed copy stays changed and a deleted one deleted",
         "01.lev=v1 02.lev=v1", "01.lev=geändert", "02.lev", "01.lev=v1 02.lev=v1",
         "01.lev=geändert"},
        {"an update replaces a changed copy and brings a deleted one back", "01.lev=v1 02.lev=v1",
         "01.lev=geändert", "02.lev", "01.lev=v2 02.lev=v2", "01.lev=v2 02.lev=v2"},
        {"a file no longer shipped goes, unless the player changed it",
         "01.lev=v1 02.lev=v1 03.lev=v1", "02.lev=geändert", "", "03.lev=v1",
         "02.lev=geändert 03.lev=v1"},
    };
    for (const auto& [fall, version1, spielerSchreibt, spielerLoescht, version2, danach] : faelle) {
        SCOPED_TRACE(fall);
        std::filesystem::remove_all(spieler());
        ausliefern(dateien(version1));
        EXPECT_EQ(einrichten(), std::vector<std::string>{});
        alleSchreiben(spieler(), dateien(spielerSchreibt));
        if (*spielerLoescht)
            std::filesystem::remove(spieler() + spielerLoescht);
        ausliefern(dateien(version2));
        EXPECT_EQ(einrichten(), std::vector<std::string>{});
        EXPECT_EQ(imOrdner(), dateien(danach));
    }
}

// The list of an earlier installation named its files by their full paths, the programs
// too: those copies are ours, so they are renewed, and what is no longer shipped goes.
// Lines that name nothing in the folder make us touch nothing.
TEST_F(Programmordnertest, theListsOfEarlierInstallationsAndDamagedListsAreReadSafely) {
    ausliefern(dateien("01.lev=neu 02.lev=neu 03.lev=neu"));
    std::filesystem::create_directories(spieler());
    alleSchreiben(spieler(), dateien("01.lev=alt lagerix2000=Programm 02.lev=eigen eigen.lev=eigen "
                                     "mein.sco=eigen"));
    alleSchreiben(spieler(),
                  {{installiertListe, spieler() + "01.lev\n" + spieler() + "lagerix2000\n" +
                                          "/anderswo/02.lev\n" + spieler() + "../mein.sco\n" +
                                          "0123456789abcdef\n" + "0123456789abcdefeigen.lev\n" +
                                          "0123456789abcdeg mein.sco\n" + "kaputt\r\n"}});
    EXPECT_EQ(einrichten(), std::vector<std::string>{});
    EXPECT_EQ(imOrdner(),
              dateien("01.lev=neu 02.lev=eigen 03.lev=neu eigen.lev=eigen mein.sco=eigen"));
}

// A copy that cannot be written leaves the old one and no temporary file, says so, and
// is made at the next start. A folder that cannot be made is named.
TEST_F(Programmordnertest, aFailedCopyKeepsTheOldOneAndIsMadeAtTheNextStart) {
    std::filesystem::create_directories(ordnerText() + "Mein Lager");
    std::ofstream(ordnerText() + "Mein Lager/spiel") << "eine Datei";
    EXPECT_EQ(einrichten(), std::vector<std::string>{"Der Programmordner „" + spieler() +
                                                     "“ konnte nicht angelegt werden (an seiner "
                                                     "Stelle steht eine Datei)."});
    std::filesystem::remove(ordnerText() + "Mein Lager/spiel");

    ausliefern({{"01.lev", "v1"}, {"groß.gif", std::string(2000, 'g')}});
    EXPECT_EQ(einrichten(), std::vector<std::string>{});
    ausliefern({{"01.lev", "v2"}, {"groß.gif", std::string(9000, 'G')}});
    {
        const Schreibgrenze grenze(4096);
        const auto meldungen = einrichten();
        ASSERT_EQ(meldungen.size(), 1u);
        EXPECT_NE(meldungen[0].find("„groß.gif“"), std::string::npos) << meldungen[0];
    }
    EXPECT_EQ(imOrdner(), (Dateien{{"01.lev", "v2"}, {"groß.gif", std::string(2000, 'g')}}));
    EXPECT_EQ(einrichten(), std::vector<std::string>{});
    EXPECT_EQ(imOrdner(), (Dateien{{"01.lev", "v2"}, {"groß.gif", std::string(9000, 'G')}}));
}

} // namespace
