// What a hostile program folder does to the core's readers and writers: folders, fifos
// and huge files where text files belong, damaged bytes, killed writes.

#include "testhilfen.h"

#include "game/konfiguration.h"
#include "game/lesezeichen.h"
#include "game/rekord.h"
#include "game/textdatei.h"
#include "game/zahlen.h"
#include "game/zug.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <functional>
#include <future>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Feindseliger = Ordnertest;

// Runs `arbeit` on a thread of its own; false when it has not returned within two
// seconds. A reader that blocks then fails the test instead of hanging it.
bool kommtZurueck(const std::function<void()>& arbeit) {
    auto fertig = std::make_shared<std::promise<void>>();
    auto zeichen = fertig->get_future();
    std::thread([arbeit, fertig] {
        arbeit();
        fertig->set_value();
    }).detach();
    return zeichen.wait_for(std::chrono::seconds(2)) == std::future_status::ready;
}

TEST_F(Feindseliger, wasKeineGewoehnlicheKleineDateiIstWirdAbgelehntStattGelesen) {
    std::filesystem::create_directory(ordner / "ordner.txt");
    ASSERT_EQ(::mkfifo(pfad("fifo.txt").c_str(), 0644), 0);
    // Sparse, so the test writes nothing: one byte more than the game accepts.
    schreiben("gross.txt", "");
    std::filesystem::resize_file(ordner / "gross.txt", groessteTextdatei + 1);
    schreiben("grenze.txt", std::string(groessteTextdatei, '\n'));
    const struct {
        const char* name;
        Dateifehler fehler;
        const char* grund;
    } faelle[] = {
        {"ordner.txt", Dateifehler::ordner, "(an ihrer Stelle steht ein Ordner)"},
        {"fifo.txt", Dateifehler::keineDatei, "(sie ist keine gewöhnliche Datei)"},
        {"gross.txt", Dateifehler::zuGross, "(sie ist größer als 4 MB"},
        {"fehlt.txt", Dateifehler::fehlt, "(sie fehlt)"},
        {"grenze.txt", Dateifehler::keiner, ""},
    };
    for (const auto& fall : faelle) {
        Textinhalt inhalt;
        ASSERT_TRUE(kommtZurueck([&] { inhalt = textdateiLesen(pfad(fall.name)); })) << fall.name;
        EXPECT_EQ(inhalt.fehler, fall.fehler) << fall.name;
        EXPECT_EQ(textLesen(pfad(fall.name)).has_value(), fall.fehler == Dateifehler::keiner)
            << fall.name;
        EXPECT_NE(lesefehlerMeldung("Die Datei", pfad(fall.name), inhalt).find(fall.grund),
                  std::string::npos)
            << fall.name;
    }
}

TEST_F(Feindseliger, eineDateiAusLeerzeilenKostetEineZeichenketteJeZeile) {
    const auto zeilen = zeilenAusText(std::string(100000, '\n'));
    EXPECT_EQ(zeilen.size(), 100000u);
    EXPECT_EQ(zeilen.capacity(), zeilen.size());
}

TEST_F(Feindseliger, einLevelOhneGewoehnlicheDateiMeldetSichUndSperrtDasBrett) {
    std::filesystem::create_directory(ordner / "ordner.lev");
    ASSERT_EQ(::mkfifo(pfad("fifo.lev").c_str(), 0644), 0);
    for (const char* name : {"ordner.lev", "fifo.lev"}) {
        auto brett = neuesBrett();
        Aufzeichnung flaeche;
        Levelstart ergebnis;
        ASSERT_TRUE(kommtZurueck([&] { ergebnis = starten(*brett, name, flaeche); })) << name;
        EXPECT_FALSE(ergebnis.ok) << name;
        EXPECT_NE(ergebnis.fehler.find(std::string("„") + name + "“ konnte nicht gelesen"),
                  std::string::npos)
            << ergebnis.fehler;
        EXPECT_TRUE(brett->brettGesperrt) << name;
    }
}

TEST_F(Feindseliger, jederLeserNimmtOrdnerUndFifoAlsSeinenGewoehnlichenFehlerUndSagtEs) {
    const std::function<void(const std::string&)> anlegen[] = {
        [](const std::string& p) { std::filesystem::create_directory(p); },
        [](const std::string& p) { ::mkfifo(p.c_str(), 0644); },
        [](const std::string&) {}, // missing: the ordinary case, without a message
    };
    for (std::size_t art = 0; art < std::size(anlegen); ++art) {
        std::filesystem::remove_all(ordner);
        std::filesystem::create_directory(ordner);
        for (const char* name : {"lagerix.cfg", "l1.bok", "x.sco"})
            anlegen[art](pfad(name));
        const bool fehlt = art == 2;
        std::string konfiguration, lesezeichen, rekord;
        auto brett = neuesBrett();
        const Brett vorher = *brett;
        Einstellungen einstellungen;
        bool abgerufen = true;
        bool neu = false;
        ASSERT_TRUE(kommtZurueck([&] {
            einstellungen = konfigurationLesen(pfad("lagerix.cfg"), &konfiguration);
            abgerufen = lesezeichenAbrufen(*brett, pfad("l1.bok"), &lesezeichen);
            neu = istNeuerRekord(pfad("x.sco"), 1, &rekord);
        })) << art;
        EXPECT_EQ(einstellungen, Einstellungen{});
        EXPECT_FALSE(abgerufen);
        EXPECT_TRUE(gleichesBrett(*brett, vorher));
        // No record is beaten by any score; a record that cannot be read by none.
        EXPECT_EQ(neu, fehlt);
        for (const auto& [meldung, name] :
             {std::pair{konfiguration, "„lagerix.cfg“"}, std::pair{lesezeichen, "„l1.bok“"},
              std::pair{rekord, "„x.sco“"}}) {
            EXPECT_EQ(meldung.empty(), fehlt) << name;
            if (!fehlt) {
                EXPECT_NE(meldung.find(std::string(name) + " konnte nicht gelesen werden ("),
                          std::string::npos)
                    << meldung;
            }
        }
    }
}

TEST_F(Feindseliger, nurEineSauberGeschriebeneSchrittzahlKannGeschlagenWerden) {
    const struct {
        std::string bytes;
        int schritte;
        bool neu;
        bool gemeldet;
    } faelle[] = {
        {"57\r\nAnna\r\n", 56, true, false},
        {"57   \r\nAnna\r\n", 56, true, false},
        {"57\nAnna\n", 56, true, false},
        {"", 1, true, false},
        {"57\t\r\nAnna\r\n", 1, false, true},
        {"57\rAnna\r\n", 1, false, true},
        {"\xEF\xBB\xBF"
         "57\r\nAnna\r\n",
         1, false, true},
        {"5 7\r\nAnna\r\n", 1, false, true},
    };
    for (const auto& fall : faelle) {
        schreiben("x.sco", fall.bytes);
        std::string meldung;
        EXPECT_EQ(istNeuerRekord(pfad("x.sco"), fall.schritte, &meldung), fall.neu) << fall.bytes;
        EXPECT_EQ(meldung.empty(), !fall.gemeldet) << fall.bytes;
    }
}

TEST_F(Feindseliger, einUeberlangerZeilenumbruchImNamenBleibtInDerZweitenZeile) {
    ASSERT_EQ(rekordSchreiben(pfad("x.sco"), 9,
                              "A\xC0\x8A"
                              "B"),
              std::nullopt);
    EXPECT_EQ(lesen("x.sco"), "9\r\nA??B\r\n");
}

TEST(Zahlen, einWertUnterhalbDerKleinstenZahlIstNullUndNurGrosseSindUnendlich) {
    const std::string nullen(330, '0');
    const struct {
        std::string zeile;
        double wert;
    } faelle[] = {
        {"0." + nullen + "1", 0.0},
        {"-0." + nullen + "1", 0.0},
        {" 00." + nullen + "7 Rest", 0.0},
        {"1" + nullen, std::numeric_limits<double>::infinity()},
        {"-1" + nullen + ".5", -std::numeric_limits<double>::infinity()},
        {"0" + nullen + "1", 1.0},
    };
    for (const auto& fall : faelle)
        EXPECT_EQ(zahlLesen(fall.zeile), fall.wert) << fall.zeile.substr(0, 12);
}

TEST(Utf8, ueberlangeUndUngueltigeFolgenWerdenZuFragezeichen) {
    const struct {
        std::string utf8;
        std::string bytes;
    } faelle[] = {
        {"A\xC0\x8A"
         "B",
         "A??B"},                             // a line break in two bytes
        {"\xE0\x80\x8A", "???"},              // and in three
        {"\xF0\x80\x80\x8A", "????"},         // and in four
        {"\xC1\xBF", "??"},                   // DEL, overlong
        {"\xED\xA0\x80", "???"},              // a surrogate half
        {"\xF4\x90\x80\x80", "????"},         // beyond U+10FFFF
        {"\xC3\xA4\xE2\x82\xAC", "\xE4\x80"}, // "ä€" still right
        {"\xF0\x9F\x98\x80", "?"},            // valid, but not in the code page
    };
    for (const auto& fall : faelle)
        EXPECT_EQ(nachWindows1252(fall.utf8), fall.bytes);
    // Whatever comes in, a line stays one line on the disk.
    EXPECT_EQ(textAusZeilen({"a\nb", "c\xC0\x8A"}), "a b\r\nc??\r\n");
}

// Neither the figure nor a box may step beyond the 16-bit edge: a bookmark or the table
// could not hold the position. `kisteX` 0 means a plain walk.
TEST(Grenze, figurUndKisteHaltenAn16BitGrenze) {
    const struct {
        double figurX;
        std::int16_t kisteX;
        int taste;
        bool geht;
    } faelle[] = {
        {32736, 0, tasteRechts, true},       {32760, 0, tasteRechts, false},
        {-32760, 0, tasteLinks, false},      {-32744, 0, tasteLinks, true},
        {32712, 32736, tasteRechts, true},   {32736, 32760, tasteRechts, false},
        {-32736, -32760, tasteLinks, false}, {-32712, -32736, tasteLinks, true},
    };
    for (const auto& fall : faelle) {
        auto brett = neuesBrett();
        brett->levelDatei = "x.lev";
        if (fall.kisteX != 0) {
            ASSERT_TRUE(brett->anhaengen("box", fall.kisteX, 48));
        }
        brett->spielerX = fall.figurX;
        brett->spielerY = 48;
        Aufzeichnung flaeche;
        EXPECT_EQ(tasteVerarbeiten(*brett, fall.taste, flaeche).geschritten, fall.geht)
            << fall.figurX;
        EXPECT_EQ(brett->spielerX == fall.figurX, !fall.geht) << fall.figurX;
    }
}

TEST_F(Feindseliger, einAbgebrochenesSchreibenHinterlaesstNurBeimStartEntfernteReste) {
    schreiben("l1.bok", "alt\r\n");
    // The child dies of SIGXFSZ in the middle of its write, as if the power failed.
    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        rlimit grenze{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &grenze);
        (void)textSchreiben(pfad("l1.bok"), std::vector<std::string>(4000, "ein wenig Text"));
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(kind, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    ASSERT_EQ(dateienImOrdner().size(), 2u);

    // Someone else's files of a similar name, and a write of a program started later.
    for (const char* name : {".lagerix-abc12", "lagerix-abc123", ".lagerix-ABC123", "x.neu-abc123"})
        schreiben(name, "fremd");
    const auto jetzt = std::chrono::duration_cast<std::chrono::seconds>(
                           std::chrono::system_clock::now().time_since_epoch())
                           .count();
    schreiben(".lagerix-spaet1", "laeuft noch");
    const timespec zeiten[2] = {{jetzt + 100, 0}, {jetzt + 100, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, pfad(".lagerix-spaet1").c_str(), zeiten, 0), 0);

    zwischendateienEntfernen(ordnerText(), jetzt + 1);
    EXPECT_EQ(dateienImOrdner(),
              (std::vector<std::string>{".lagerix-ABC123", ".lagerix-abc12", ".lagerix-spaet1",
                                        "l1.bok", "lagerix-abc123", "x.neu-abc123"}));
    EXPECT_EQ(lesen("l1.bok"), "alt\r\n");
}

TEST_F(Feindseliger, schreibenScheitertVerstaendlichUndLaesstDieAlteDateiStehen) {
    const std::string langerName(250, 'n');
    const std::string zuLangerName(300, 'n');
    schreiben("ziel.txt", "alt\r\n");
    std::filesystem::create_symlink("ziel.txt", ordner / "verweis.txt");
    schreiben("nurlesen.txt", "alt\r\n");
    ::chmod(pfad("nurlesen.txt").c_str(), 0444);
    std::filesystem::create_directory(ordner / "ordner.txt");

    const struct {
        std::string name;
        const char* grund; // none when the write succeeds
        std::string danach;
    } faelle[] = {
        {langerName + ".sco", nullptr, "neu\r\n"},
        {"verweis.txt", nullptr, "neu\r\n"},
        {"nurlesen.txt", "(sie ist schreibgeschützt)", "alt\r\n"},
        {"ordner.txt", "(an ihrer Stelle steht ein Ordner)", ""},
        {zuLangerName, "(der Dateiname ist zu lang)", ""},
    };
    for (const auto& fall : faelle) {
        const auto meldung = textSchreiben(pfad(fall.name), {"neu"});
        ASSERT_EQ(meldung.has_value(), fall.grund != nullptr) << fall.name.substr(0, 20);
        if (meldung) {
            EXPECT_NE(meldung->find(fall.grund), std::string::npos) << *meldung;
        }
        if (!fall.danach.empty()) {
            EXPECT_EQ(lesen(fall.name), fall.danach) << fall.name.substr(0, 20);
        }
    }
    EXPECT_TRUE(std::filesystem::is_symlink(ordner / "verweis.txt"));
    EXPECT_EQ(lesen("ziel.txt"), "neu\r\n");

    std::optional<std::string> meldung;
    {
        const Schreibgrenze grenze(2);
        meldung = textSchreiben(pfad("ziel.txt"), {"viel zu lang"});
    }
    ASSERT_TRUE(meldung);
    EXPECT_NE(meldung->find("(sie wäre zu groß für den Datenträger)"), std::string::npos)
        << *meldung;
    EXPECT_EQ(std::filesystem::directory_iterator(ordner / "ordner.txt"),
              std::filesystem::directory_iterator());
}

TEST(Programmordner, einGrafiksetAusDerDateiBleibtImProgrammordner) {
    const struct {
        const char* name;
        bool bleibt;
    } faelle[] = {
        {"standardset.gif", true}, {"sets\\winter.gif", true}, {"sets/winter.gif", true},
        {"..\\..\\x.gif", false},  {"../x.gif", false},        {"sets\\..\\..\\x.gif", false},
        {"/etc/x.gif", false},     {"\\x.gif", false},         {"C:\\x.gif", false},
        {"..gif", true},           {"a..b.gif", true},         {"", false},
    };
    for (const auto& fall : faelle)
        EXPECT_EQ(bleibtImOrdner(fall.name), fall.bleibt) << fall.name;
}

} // namespace
