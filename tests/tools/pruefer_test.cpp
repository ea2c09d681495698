#include "tests/game/testhilfen.h"

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

TEST_F(Pruefer, aufruffehlerEndenMitStatus2OhneAusgabe) {
    levelSchreiben("a.lev", levelAusBild({"@"}));
    const std::vector<std::vector<std::string>> faelle{
        {ordner.string()},
        {ordner.string(), "a.lev", "lrq"},
        {ordner.string(), "a.lev", "S4"},
        {ordner.string(), "a.lev", "r", "A"},
        {"--loesen", ordner.string(), "a.lev", "r"},
        {"--schnell", ordner.string(), "a.lev"},
        {"--zeit", "5", ordner.string(), "a.lev"},
        {"--loesen", "--zeit", "0", ordner.string(), "a.lev"},
        {"--loesen", "--zeit", "1.5", ordner.string(), "a.lev"},
        {"--loesen", ordner.string(), "a.lev", "--zeit"},
    };
    for (const auto& argumente : faelle) {
        SCOPED_TRACE(testing::PrintToString(argumente));
        const auto lauf = laufen(argumente);
        EXPECT_EQ(lauf.status, 2);
        EXPECT_TRUE(lauf.zeilen.empty());
        EXPECT_NE(lauf.fehler.find("Aufruf: lagerix-pruefen"), std::string::npos);
    }
    // A rejected command string runs nothing, not even a bookmark.
    EXPECT_EQ(dateienImOrdner(), std::vector<std::string>{"a.lev"});
}

TEST_F(Pruefer, einDefektesLevelMeldetZuerstDenFehler) {
    levelSchreiben("kaputt.lev", {"fA", "0", "0", "mauer", "0"});
    const auto lauf = laufen({ordner.string(), "kaputt.lev", "r"});
    EXPECT_EQ(lauf.status, 1);
    ASSERT_GE(lauf.zeilen.size(), 3u);
    EXPECT_TRUE(lauf.zeilen[0].starts_with("fehler Die Leveldatei „kaputt.lev“")) << lauf.zeilen[0];
    EXPECT_EQ(lauf.zeilen[1], "autor A");
    EXPECT_EQ(lauf.zeilen[2], "spieler -2000 -2000");
}

// The first line of the answer and the status; the letters of the solution are the
// checker's own commands.
TEST_F(Pruefer, loesenEndetMitDemStatusDerAntwort) {
    levelSchreiben("eins.lev", levelAusBild({"@$."}));
    levelSchreiben("zu.lev", levelAusBild({"@.$="}));
    levelSchreiben("doppelt.lev", {"fT", "0", "0", "kiste", "25", "0", "mauer", "25", "0"});
    struct Fall {
        std::string level;
        bool schnell;
        int status;
        std::string zeilenAnfang; // of the first line
    };
    const std::vector<Fall> faelle{
        {"eins.lev", false, 0, "loesung r"},
        {"eins.lev", true, 0, "loesung r"},
        {"zu.lev", false, 3, "unloesbar"},
        {"doppelt.lev", false, 4,
         "unbekannt Auf dem Feld (24, 0) liegen mehrere Objekte übereinander."},
        {"fehlt.lev", false, 4,
         "unbekannt Die Leveldatei „fehlt.lev“ konnte nicht geöffnet werden."},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.level + (fall.schnell ? " schnell" : ""));
        std::vector<std::string> argumente{"--loesen", ordner.string(), fall.level};
        if (fall.schnell)
            argumente.insert(argumente.begin() + 1, "--schnell");
        const auto lauf = laufen(argumente);
        EXPECT_EQ(lauf.status, fall.status);
        ASSERT_FALSE(lauf.zeilen.empty());
        EXPECT_EQ(lauf.zeilen[0].rfind(fall.zeilenAnfang, 0), 0u) << lauf.zeilen[0];
    }
}

// The widest shipped level is not proved within a second. The answer names the limit and
// how to raise it; without a terminal no progress is written.
TEST(PrueferZeit, eineZeitgrenzeEndetDieSucheUndSagtWieManSieHebt) {
    const auto lauf =
        laufen({"--loesen", "--zeit", "1", LAGERIX_ASSETS, "56-das-grosse-depot.lev"});
    EXPECT_EQ(lauf.status, 4);
    EXPECT_EQ(lauf.zeilen, std::vector<std::string>{
                               "unbekannt Zeitgrenze erreicht (1 s); mehr Zeit mit --zeit 5"});
    EXPECT_EQ(lauf.fehler, "");
}

} // namespace
