// The reader and the writer every file of the game goes through: Windows-1252 on the disk,
// small regular files only, and a write that never destroys the old file.

#include "tests/game/testhilfen.h"

#include "game/textdatei.h"

#include <chrono>
#include <fcntl.h>
#include <functional>
#include <future>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Textdatei = Ordnertest;

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

TEST(Windows1252, jedesZeichenWirdZuSeinemByteOderEinemFragezeichen) {
    const std::pair<std::string, std::string> faelle[] = {
        {"Jürgen Groß", "J\xFCrgen Gro\xDF"},
        {"€ „Zitat“ – …", "\x80 \x84Zitat\x93 \x96 \x85"},
        {"Ωmega 😀", "?mega ?"},       // not in the code page
        {"A\xC0\x8Az", "A??z"},       // a line break in two bytes
        {"\xE0\x80\x8A", "???"},      // and in three
        {"\xF0\x80\x80\x8A", "????"}, // and in four
        {"\xED\xA0\x80", "???"},      // a surrogate half
        {"\xF4\x90\x80\x80", "????"}, // beyond U+10FFFF
    };
    for (const auto& [utf8, bytes] : faelle)
        EXPECT_EQ(nachWindows1252(utf8), bytes) << utf8;
    std::string alle;
    for (int b = 1; b < 256; ++b)
        alle += static_cast<char>(b);
    EXPECT_EQ(nachWindows1252(ausWindows1252(alle)), alle);
    EXPECT_EQ(ausWindows1252("\x80\x9F\xA0\xFF"), "€Ÿ\u00A0ÿ");
    // Whatever comes in, a line stays one line on the disk.
    EXPECT_EQ(textAusZeilen({"a\nb", "c\xC0\x8A"}), "a b\r\nc??\r\n");
}

// Authors write text levels with any editor: a mark before the first row must not cost the
// row, and an umlaut stays one letter whichever encoding was used.
TEST(Notationstext, istUtf8WennErGueltigIstSonstWindows1252) {
    const std::pair<std::string, std::string> faelle[] = {
        {"\xEF\xBB\xBFTitle: J\xC3\xBCrgen \xEF\xBF\xBD", "Title: Jürgen \uFFFD"},
        {"\xEF\xBB\xBFJ\xFCrgen \xC3", "Jürgen Ã"},
        {"a\xEF\xBB\xBF", "a\xEF\xBB\xBF"}, // a mark only counts at the start
    };
    for (const auto& [bytes, text] : faelle)
        EXPECT_EQ(notationstextLesen(bytes), text) << bytes;
    EXPECT_EQ(nichtDarstellbar("Jürgen € ☃ a ☃ 😀?"), "☃😀");
}

TEST(Zeilen, endenAufCrLfOderLf) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> faelle{
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},
        {"", {}},
        {"\r\n", {""}},
        {"a\rb\n", {"a\rb"}},
        {"x \r\r\n", {"x \r"}},
        {"G\xE4rten\r\n", {"Gärten"}},
    };
    for (const auto& [bytes, zeilen] : faelle)
        EXPECT_EQ(zeilenAusText(bytes), zeilen) << bytes;
    // A file of empty lines costs one string per line, not the room of a long line each.
    const auto leer = zeilenAusText(std::string(100000, '\n'));
    EXPECT_EQ(leer.size(), 100000u);
    EXPECT_EQ(leer.capacity(), leer.size());
}

TEST_F(Textdatei, nurEineKleineGewoehnlicheDateiWirdGelesen) {
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
        SCOPED_TRACE(fall.name);
        Textinhalt inhalt;
        ASSERT_TRUE(kommtZurueck([&] { inhalt = textdateiLesen(pfad(fall.name)); }));
        EXPECT_EQ(inhalt.fehler, fall.fehler);
        EXPECT_EQ(textLesen(pfad(fall.name)).has_value(), fall.fehler == Dateifehler::keiner);
        EXPECT_NE(lesefehlerMeldung("Die Datei", pfad(fall.name), inhalt).find(fall.grund),
                  std::string::npos);
    }
}

TEST_F(Textdatei, schreibenErsetztDieDateiGanzOderSagtWarumNicht) {
    const std::string langerName(250, 'n');
    schreiben("alt.txt", "alt\r\n");
    ::chmod(pfad("alt.txt").c_str(), 0640);
    schreiben("ziel.txt", "alt\r\n");
    std::filesystem::create_symlink("ziel.txt", ordner / "verweis.txt");
    schreiben("nurlesen.txt", "alt\r\n");
    ::chmod(pfad("nurlesen.txt").c_str(), 0444);
    std::filesystem::create_directory(ordner / "ordner.txt");

    const struct {
        std::string name;
        const char* grund; // none when the write succeeds
        const char* danach;
    } faelle[] = {
        {"alt.txt", nullptr, "neu\r\n"},
        {"frisch.txt", nullptr, "neu\r\n"},
        // The temporary file's name stays short enough beside the longest name.
        {langerName + ".sco", nullptr, "neu\r\n"},
        {"verweis.txt", nullptr, "neu\r\n"},
        {"nurlesen.txt",
         "„nurlesen.txt“ konnte nicht geschrieben werden (sie ist schreibgeschützt). Die "
         "bisherige Datei bleibt erhalten.",
         "alt\r\n"},
        {"ordner.txt", "(an ihrer Stelle steht ein Ordner).", nullptr},
        {std::string(300, 'n'), "(der Dateiname ist zu lang).", nullptr},
        {"alt.txt/neu.txt",
         "„neu.txt“ konnte nicht geschrieben werden (der Ordner existiert "
         "nicht).",
         nullptr},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name.substr(0, 20));
        const auto meldung = textSchreiben(pfad(fall.name), {"neu"});
        ASSERT_EQ(meldung.has_value(), fall.grund != nullptr);
        if (meldung) {
            EXPECT_TRUE(meldung->ends_with(fall.grund)) << *meldung;
        }
        if (fall.danach) {
            EXPECT_EQ(lesen(fall.name), fall.danach);
        }
    }
    EXPECT_TRUE(std::filesystem::is_symlink(ordner / "verweis.txt"));
    struct stat info {};
    ASSERT_EQ(::stat(pfad("alt.txt").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);

    // A write that fails halfway leaves the old file as it was, and nothing beside it.
    std::optional<std::string> meldung;
    {
        const Schreibgrenze grenze(2);
        meldung = textSchreiben(pfad("alt.txt"), {"viel zu lang"});
    }
    ASSERT_TRUE(meldung);
    EXPECT_TRUE(meldung->ends_with("(sie wäre zu groß für den Datenträger). Die bisherige Datei "
                                   "bleibt erhalten."))
        << *meldung;
    EXPECT_EQ(lesen("alt.txt"), "neu\r\n");
    EXPECT_EQ(dateienImOrdner(),
              (std::vector<std::string>{"alt.txt", "frisch.txt", langerName + ".sco",
                                        "nurlesen.txt", "ordner.txt", "verweis.txt", "ziel.txt"}));
    EXPECT_TRUE(std::filesystem::is_empty(ordner / "ordner.txt"));
}

TEST_F(Textdatei, einAbgebrochenesSchreibenHinterlaesstNurBeimStartEntfernteReste) {
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

TEST(Dateinamen, einNameAusEinerDateiBleibtImProgrammordner) {
    EXPECT_EQ(dateiImOrdner("/spiel/", "sets\\winter.gif"), "/spiel/sets/winter.gif");
    const std::pair<const char*, bool> faelle[] = {
        {"standardset.gif", true}, {"sets\\winter.gif", true}, {"sets/winter.gif", true},
        {"..\\..\\x.gif", false},  {"../x.gif", false},        {"sets\\..\\..\\x.gif", false},
        {"/etc/x.gif", false},     {"\\x.gif", false},         {"C:\\x.gif", false},
        {"..gif", true},           {"a..b.gif", true},         {"", false},
    };
    for (const auto& [name, bleibt] : faelle)
        EXPECT_EQ(bleibtImOrdner(name), bleibt) << name;
}

} // namespace
