#include "tests/game/testhilfen.h"

#include "game/lesezeichen.h"

#include "tests/tools/pruefhilfe.h"

namespace {

// The checker takes the program folder without its trailing separator, as a level author
// types it.
using Pruefer = Ordnertest;

TEST_F(Pruefer, gibtDenZustandNachDenBefehlenAus) {
    schreiben("lagerix.cfg", "animation_aus\r\nsound_aus\r\nnachtset.gif\r\n");
    levelSchreiben("klein.lev",
                   {"fPr\xFC"
                    "fer",
                    "25", "0", "kiste", "50", "0", "stell", "75", "0", "mauer", "0", "25"});
    // Push the box onto its place, poll once, then try to walk on the solved board.
    auto lauf = laufen({"--bild", ordner.string(), "klein.lev", "r T", "l"});
    EXPECT_EQ(lauf.status, 0);
    EXPECT_EQ(lauf.fehler, "");

    std::vector<std::string> erwartet{
        "autor Prüfer",       "spieler 48 0",   "aufStellplatz 0", "schritte 1",
        "kistenAbgestellt 1", "kistenGesamt 1", "brettGesperrt 1", "geschafft 1",
        "belegt 92",          "animationAn 0",  "soundAn 0",       "grafikset nachtset.gif",
    };
    // The permanent border lies between: 89 entries from the left column to the bottom row.
    ASSERT_EQ(lauf.zeilen.size(), erwartet.size() + 89 + 3 + 18);
    lauf.zeilen.erase(lauf.zeilen.begin() + erwartet.size(),
                      lauf.zeilen.begin() + erwartet.size() + 89);
    erwartet.insert(erwartet.end(),
                    {"feld 90 0 24 0 mauer", "feld 91 72 0 0 gestellt", "feld 92 72 0 91 gestellt",
                     "  @*                   ", "#                      "});
    erwartet.insert(erwartet.end(), 16, std::string(23, ' '));
    EXPECT_EQ(lauf.zeilen, erwartet);
}

// Every command letter reaches the game's own rule; a restart and a recall forget the
// steps that could be taken again, as in the game.
TEST_F(Pruefer, befehleWirkenWieImSpiel) {
    levelSchreiben("a.lev", levelAusBild({" @$ ."}, "fA"));
    const struct {
        const char* befehle;
        const char* spieler;
        const char* schritte;
    } faelle[] = {
        {"S2 r r A2 r", "48 0", "3"}, {"rr N", "24 0", "0"},    {"r z", "24 0", "0"},
        {"r z y", "48 0", "1"},       {"r z N y", "24 0", "0"}, {"S1 r z A1 y", "24 0", "0"},
        {"ulro", "24 0", "4"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.befehle);
        const auto lauf = laufen({ordner.string(), "a.lev", f.befehle});
        EXPECT_EQ(lauf.status, 0);
        EXPECT_EQ(wert(lauf, "spieler"), f.spieler);
        EXPECT_EQ(wert(lauf, "schritte"), f.schritte);
    }
}

// A wrong call prints the usage on the error output with status 2, one that asks for it
// on the output with 0. Either way nothing runs, not even a bookmark.
TEST_F(Pruefer, aufruffehlerEndenMitStatus2UndDieHilfeMit0OhneLauf) {
    levelSchreiben("a.lev", levelAusBild({"@"}));
    // "O" stands for the program folder.
    for (const char* aufruf :
         {"--help", "-h O a.lev S1", "O", "O a.lev lrq", "O a.lev S4", "O a.lev S1 A",
          "--loesen O a.lev r", "--schnell O a.lev", "--zeit 5 O a.lev",
          "--loesen --zeit 0 O a.lev", "--loesen --zeit 1.5 O a.lev", "--loesen O a.lev --zeit"}) {
        auto argumente = woerter(aufruf);
        std::ranges::replace(argumente, std::string("O"), ordner.string());
        SCOPED_TRACE(testing::PrintToString(argumente));
        const auto lauf = laufen(argumente);
        const bool hilfe = argumente[0] == "-h" || argumente[0] == "--help";
        EXPECT_EQ(lauf.status, hilfe ? 0 : 2);
        EXPECT_EQ(!lauf.zeilen.empty() && lauf.zeilen[0].starts_with("Aufruf: lagerix-pruefen"),
                  hilfe);
        EXPECT_EQ(lauf.fehler.find("Aufruf: lagerix-pruefen") != std::string::npos, !hilfe);
    }
    EXPECT_EQ(dateienImOrdner(), std::vector<std::string>{"a.lev"});
}

// A level named with a folder is read where the name says, from the working directory; a
// bare name only in the program folder. Both modes refuse a level they cannot read with 1,
// the error first. After a level that could not be opened nothing follows and no command
// runs, so no bookmark of an empty board is written.
TEST_F(Pruefer, beideArtenFindenDasLevelGleichUndLehnenEinUnlesbaresMitStatus1Ab) {
    std::filesystem::create_directory(ordner / "anderswo");
    levelSchreiben("anderswo/b.lev", levelAusBild({"@$."}, "fB"));
    levelSchreiben("kaputt.lev", {"fK", "0", "0", "mauer", "0"});
    // Run from the level's own folder, as its author would.
    struct Arbeitsordner {
        std::filesystem::path vorher = std::filesystem::current_path();
        ~Arbeitsordner() { std::filesystem::current_path(vorher); }
    } zurueck;
    std::filesystem::current_path(ordner / "anderswo");
    const std::string fehlt = "fehler Die Leveldatei „b.lev“ konnte nicht geöffnet werden.";
    // The level, the start of the plain run (a read level is solved by "loesung r"), and
    // whether only the error line is written.
    const std::tuple<std::string, std::string, bool> faelle[] = {
        {pfad("anderswo/b.lev"), "autor B", false},
        {"./b.lev", "autor B", false},
        {"b.lev", fehlt, true},
        {pfad("nirgends/b.lev"), fehlt, true},
        {"kaputt.lev", "fehler Die Leveldatei „kaputt.lev“", false},
    };
    for (const auto& [level, anfang, nurFehler] : faelle) {
        for (const bool loesenAn : {false, true}) {
            SCOPED_TRACE(level + (loesenAn ? " --loesen" : ""));
            std::filesystem::remove(pfad(lesezeichenDatei(1)));
            const auto lauf =
                laufen(loesenAn ? std::vector<std::string>{"--loesen", ordner.string(), level}
                                : std::vector<std::string>{ordner.string(), level, "S1"});
            const bool gelesen = anfang == "autor B";
            EXPECT_EQ(lauf.status, gelesen ? 0 : 1);
            ASSERT_FALSE(lauf.zeilen.empty());
            EXPECT_TRUE(lauf.zeilen[0].starts_with(gelesen && loesenAn ? "loesung r" : anfang))
                << lauf.zeilen[0];
            EXPECT_TRUE(gelesen || (lauf.zeilen.size() == 1) == (nurFehler || loesenAn));
            EXPECT_TRUE(!nurFehler || !std::filesystem::exists(pfad(lesezeichenDatei(1))));
        }
    }
}

// The first line of the answer and the status; the letters of the solution are the
// checker's own commands. The widest shipped level ("G" its folder, "O" the test's) is not
// proved within a second: the answer names the limit and how to raise it. Without a
// terminal no progress is written.
TEST_F(Pruefer, loesenEndetMitDemStatusDerAntwort) {
    levelSchreiben("eins.lev", levelAusBild({"@$."}));
    levelSchreiben("zu.lev", levelAusBild({"@.$="}));
    levelSchreiben("doppelt.lev", {"fT", "0", "0", "kiste", "25", "0", "mauer", "25", "0"});
    const std::tuple<std::string, int, std::string> faelle[] = {
        {"--schnell O eins.lev", 0, "loesung r"},
        {"O zu.lev", 3, "unloesbar"},
        {"O doppelt.lev", 4, "unbekannt Auf dem Feld (24, 0) liegen mehrere Objekte übereinander."},
        {"--zeit 1 G 56-das-grosse-depot.lev", 4,
         "unbekannt Zeitgrenze erreicht (1 s); mehr Zeit mit --zeit 5"},
    };
    for (const auto& [aufruf, status, erste] : faelle) {
        SCOPED_TRACE(aufruf);
        auto argumente = woerter("--loesen " + aufruf);
        std::ranges::replace(argumente, std::string("O"), ordner.string());
        std::ranges::replace(argumente, std::string("G"), std::string(LAGERIX_ASSETS));
        const auto lauf = laufen(argumente);
        EXPECT_EQ(lauf.status, status);
        EXPECT_EQ(lauf.fehler, "");
        ASSERT_FALSE(lauf.zeilen.empty());
        EXPECT_EQ(lauf.zeilen[0], erste);
    }
}

} // namespace
