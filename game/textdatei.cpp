#include "game/textdatei.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// Code points of the bytes 0x80 to 0x9F; the five unassigned bytes keep their C1 code point.
constexpr std::array<char32_t, 32> c1Bereich{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void utf8Anhaengen(std::string& text, char32_t c) {
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char nachByte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < c1Bereich.size(); ++i) {
        if (c1Bereich[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

// Decodes one UTF-8 sequence at `i`. A broken sequence, an overlong form (C0 8A would
// smuggle a line break past every check), a surrogate or a value beyond U+10FFFF yields
// U+FFFD and one byte.
char32_t utf8Lesen(std::string_view text, std::size_t& i) {
    const auto b = static_cast<unsigned char>(text[i++]);
    int folge = 0;
    char32_t c = 0;
    char32_t kleinster = 0;
    if (b < 0x80)
        return b;
    if ((b & 0xE0) == 0xC0) {
        folge = 1;
        c = b & 0x1F;
        kleinster = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
        folge = 2;
        c = b & 0x0F;
        kleinster = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
        folge = 3;
        c = b & 0x07;
        kleinster = 0x10000;
    } else {
        return 0xFFFD;
    }
    std::size_t j = i;
    for (int k = 0; k < folge; ++k, ++j) {
        if (j >= text.size() || (static_cast<unsigned char>(text[j]) & 0xC0) != 0x80)
            return 0xFFFD;
        c = (c << 6) | (static_cast<unsigned char>(text[j]) & 0x3F);
    }
    if (c < kleinster || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return 0xFFFD;
    i = j;
    return c;
}

std::string fehlerText(int nummer) {
    switch (nummer) {
    case EACCES:
    case EPERM:
        return "keine Berechtigung";
    case EROFS:
        return "der Datenträger ist schreibgeschützt";
    case ENOSPC:
        return "der Datenträger ist voll";
    case EDQUOT:
        return "der zugeteilte Speicherplatz ist aufgebraucht";
    case ENOENT:
    case ENOTDIR:
        return "der Ordner existiert nicht";
    case EISDIR:
        return "an ihrer Stelle steht ein Ordner";
    case EFBIG:
        return "sie wäre zu groß für den Datenträger";
    case ENAMETOOLONG:
        return "der Dateiname ist zu lang";
    case ELOOP:
        return "eine Verknüpfung zeigt im Kreis";
    case EIO:
        return "der Datenträger meldet einen Ein-/Ausgabefehler";
    case EMFILE:
    case ENFILE:
        return "es sind zu viele Dateien geöffnet";
    default:
        return "Systemfehler " + std::to_string(nummer);
    }
}

// Closes the descriptor when it goes out of scope.
class Deskriptor {
  public:
    explicit Deskriptor(int fd) : fd(fd) {}
    ~Deskriptor() {
        if (fd >= 0)
            ::close(fd);
    }
    Deskriptor(const Deskriptor&) = delete;
    Deskriptor& operator=(const Deskriptor&) = delete;

    int wert() const { return fd; }
    // Closes now, for the writer, which must see the error of the close.
    bool schliessen() { return ::close(std::exchange(fd, -1)) == 0; }

  private:
    int fd;
};

bool allesSchreiben(int fd, std::string_view daten) {
    std::size_t geschrieben = 0;
    while (geschrieben < daten.size()) {
        const ssize_t n = ::write(fd, daten.data() + geschrieben, daten.size() - geschrieben);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        geschrieben += static_cast<std::size_t>(n);
    }
    return true;
}

// Reads to the end; a read error or more than `grenze` bytes leave no bytes and say why.
void allesLesen(int fd, Textinhalt& ergebnis, std::size_t grenze) {
    std::array<char, 65536> puffer{};
    for (;;) {
        const ssize_t n = ::read(fd, puffer.data(), puffer.size());
        if (n == 0)
            return;
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 || ergebnis.bytes.size() + static_cast<std::size_t>(n) > grenze) {
            ergebnis.fehler = n < 0 ? Dateifehler::unlesbar : Dateifehler::zuGross;
            ergebnis.systemfehler = n < 0 ? errno : 0;
            ergebnis.bytes.clear();
            return;
        }
        ergebnis.bytes.append(puffer.data(), static_cast<std::size_t>(n));
    }
}

// Temporary files are named ".lagerix-" and six letters or digits, whatever the target:
// short enough for any target name, hidden from the level and record lists, and
// recognisable as ours when a write never finished.
constexpr std::string_view zwischenVorsilbe = ".lagerix-";
constexpr std::string_view zwischenZeichen = "abcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t zwischenZufall = 6;

bool istZwischendatei(std::string_view name) {
    return name.size() == zwischenVorsilbe.size() + zwischenZufall &&
           name.starts_with(zwischenVorsilbe) &&
           name.find_first_not_of(zwischenZeichen, zwischenVorsilbe.size()) ==
               std::string_view::npos;
}

// Creates a new temporary file in `ordner` with `rechte` (the umask applies).
int zwischendateiAnlegen(const std::string& ordner, mode_t rechte, std::string& name) {
    static std::mt19937 zufall{std::random_device{}()};
    for (int versuch = 0; versuch < 100; ++versuch) {
        name = ordner + std::string(zwischenVorsilbe);
        for (std::size_t i = 0; i < zwischenZufall; ++i)
            name += zwischenZeichen[zufall() % zwischenZeichen.size()];
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, rechte);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// The folder part of a path, ending in '/'; empty for a bare name.
std::string ordnerVon(const std::string& pfad) {
    const auto schnitt = pfad.rfind('/');
    return schnitt == std::string::npos ? std::string() : pfad.substr(0, schnitt + 1);
}

// The new name must survive a power cut as well, so the folder is flushed too. Some
// file systems cannot flush a folder; the file itself is already safe then.
void ordnerSichern(const std::string& ordner) {
    const Deskriptor fd(
        ::open(ordner.empty() ? "." : ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.wert() >= 0)
        ::fsync(fd.wert());
}

} // namespace

std::string ausWindows1252(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (const char zeichen : bytes) {
        const auto b = static_cast<unsigned char>(zeichen);
        utf8Anhaengen(text, b >= 0x80 && b < 0xA0 ? c1Bereich[b - 0x80] : char32_t{b});
    }
    return text;
}

std::string nachWindows1252(std::string_view utf8) {
    std::string bytes;
    bytes.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();)
        bytes += nachByte(utf8Lesen(utf8, i));
    return bytes;
}

std::string notationstextLesen(std::string_view bytes) {
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (bytes.starts_with(bom))
        bytes.remove_prefix(bom.size());
    // A broken sequence decodes to U+FFFD in one byte; a real U+FFFD takes three.
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t anfang = i;
        if (utf8Lesen(bytes, i) == 0xFFFD && i == anfang + 1)
            return ausWindows1252(bytes);
    }
    return std::string(bytes);
}

std::string nichtDarstellbar(std::string_view utf8) {
    std::string zeichen;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t anfang = i;
        if (nachByte(utf8Lesen(utf8, i)) != '?' || utf8[anfang] == '?')
            continue;
        const std::string_view eines = utf8.substr(anfang, i - anfang);
        if (zeichen.find(eines) == std::string::npos)
            zeichen += eines;
    }
    return zeichen;
}

std::optional<std::string_view> Zeilenleser::naechste() {
    if (anfang >= bytes.size())
        return std::nullopt;
    std::size_t ende = bytes.find('\n', anfang);
    const std::size_t naechster = ende == std::string_view::npos ? bytes.size() : ende + 1;
    if (ende == std::string_view::npos)
        ende = bytes.size();
    if (ende > anfang && bytes[ende - 1] == '\r')
        --ende;
    const std::string_view zeile = bytes.substr(anfang, ende - anfang);
    anfang = naechster;
    return zeile;
}

std::vector<std::string> zeilenAusText(std::string_view bytes) {
    // Counted first, so that a file of empty lines costs one string per line and no
    // more: no regrowth of the list, and short lines live inside their strings.
    std::size_t anzahl = 0;
    for (Zeilenleser zaehler(bytes); zaehler.naechste(); ++anzahl) {
    }
    std::vector<std::string> zeilen;
    zeilen.reserve(anzahl);
    Zeilenleser leser(bytes);
    while (const auto zeile = leser.naechste())
        zeilen.push_back(ausWindows1252(*zeile));
    return zeilen;
}

void zeileAnhaengen(std::string& bytes, std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        const char b = nachByte(utf8Lesen(utf8, i));
        bytes += b == '\n' ? ' ' : b;
    }
    bytes += "\r\n";
}

std::string textAusZeilen(const std::vector<std::string>& zeilen) {
    std::string bytes;
    for (const auto& zeile : zeilen)
        zeileAnhaengen(bytes, zeile);
    return bytes;
}

Textinhalt textdateiLesen(const std::string& pfad) {
    Textinhalt ergebnis;
    const auto scheitern = [&](Dateifehler fehler, int nummer) {
        ergebnis.fehler = fehler;
        ergebnis.systemfehler = nummer;
        return ergebnis;
    };
    // Without O_NONBLOCK, opening a fifo waits for a writer that never comes.
    const Deskriptor fd(::open(pfad.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.wert() < 0) {
        const int nummer = errno;
        return scheitern(nummer == ENOENT || nummer == ENOTDIR ? Dateifehler::fehlt
                                                               : Dateifehler::unlesbar,
                         nummer);
    }
    struct stat info {};
    if (::fstat(fd.wert(), &info) != 0)
        return scheitern(Dateifehler::unlesbar, errno);
    if (S_ISDIR(info.st_mode))
        return scheitern(Dateifehler::ordner, 0);
    if (!S_ISREG(info.st_mode))
        return scheitern(Dateifehler::keineDatei, 0);
    if (static_cast<std::size_t>(info.st_size) > groessteTextdatei)
        return scheitern(Dateifehler::zuGross, 0);
    ergebnis.bytes.reserve(static_cast<std::size_t>(info.st_size));
    allesLesen(fd.wert(), ergebnis, groessteTextdatei);
    return ergebnis;
}

bool istGewoehnlicheDatei(const std::string& pfad) {
    struct stat info {};
    return ::stat(pfad.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::optional<std::vector<std::string>> textLesen(const std::string& pfad) {
    const Textinhalt inhalt = textdateiLesen(pfad);
    if (inhalt.fehler != Dateifehler::keiner)
        return std::nullopt;
    return zeilenAusText(inhalt.bytes);
}

std::string lesefehlerMeldung(const std::string& was, const std::string& pfad,
                              const Textinhalt& inhalt) {
    std::string grund;
    switch (inhalt.fehler) {
    case Dateifehler::keiner:
    case Dateifehler::fehlt:
        grund = "sie fehlt";
        break;
    case Dateifehler::ordner:
        grund = "an ihrer Stelle steht ein Ordner";
        break;
    case Dateifehler::keineDatei:
        grund = "sie ist keine gewöhnliche Datei";
        break;
    case Dateifehler::zuGross:
        grund = "sie ist größer als " + std::to_string(groessteTextdatei / (1024 * 1024)) +
                " MB und kann keine Datei dieses Spiels sein";
        break;
    case Dateifehler::unlesbar:
        grund = fehlerText(inhalt.systemfehler);
        break;
    }
    return was + " „" + dateiName(pfad) + "“ konnte nicht gelesen werden (" + grund + ").";
}

std::optional<std::string> textSchreiben(const std::string& pfad,
                                         const std::vector<std::string>& zeilen) {
    return dateiSchreiben(pfad, textAusZeilen(zeilen));
}

std::optional<std::string> dateiSchreiben(const std::string& pfad, std::string_view bytes) {
    std::string ziel = pfad;
    struct stat alt {};
    bool vorhanden = ::lstat(pfad.c_str(), &alt) == 0;
    // Only a file that was there before can be said to be kept.
    const auto scheitern = [&](const std::string& grund) -> std::optional<std::string> {
        const bool warDa = vorhanden && S_ISREG(alt.st_mode);
        return "Die Datei „" + dateiName(pfad) + "“ konnte nicht geschrieben werden (" + grund +
               ")." + (warDa ? " Die bisherige Datei bleibt erhalten." : "");
    };
    // A link stays a link: its target gets the new content.
    if (vorhanden && S_ISLNK(alt.st_mode)) {
        std::unique_ptr<char, decltype(&std::free)> echt(::realpath(pfad.c_str(), nullptr),
                                                         &std::free);
        if (!echt)
            return scheitern(errno == ENOENT ? "die Verknüpfung zeigt ins Leere"
                                             : fehlerText(errno));
        ziel = echt.get();
        vorhanden = ::stat(ziel.c_str(), &alt) == 0;
    } else if (!vorhanden && errno != ENOENT) {
        return scheitern(fehlerText(errno));
    }
    if (vorhanden && S_ISDIR(alt.st_mode))
        return scheitern(fehlerText(EISDIR));
    if (vorhanden && !S_ISREG(alt.st_mode))
        return scheitern("sie ist keine gewöhnliche Datei");
    // A file the player made read-only is meant to stay as it is; the mode bits tell
    // it even to a program that runs with all rights.
    if (vorhanden && (alt.st_mode & 0222) == 0)
        return scheitern("sie ist schreibgeschützt");

    std::string zwischen;
    Deskriptor fd(zwischendateiAnlegen(ordnerVon(ziel), vorhanden ? 0600 : 0666, zwischen));
    if (fd.wert() < 0)
        return scheitern(fehlerText(errno));
    // Some file systems refuse to change the mode; the content matters more.
    if (vorhanden)
        (void)::fchmod(fd.wert(), alt.st_mode & 07777);
    const bool geschrieben = allesSchreiben(fd.wert(), bytes) && ::fsync(fd.wert()) == 0;
    const int schreibFehler = errno;
    const bool geschlossen = fd.schliessen();
    if (!geschrieben || !geschlossen) {
        const int nummer = geschrieben ? errno : schreibFehler;
        ::unlink(zwischen.c_str());
        return scheitern(fehlerText(nummer));
    }
    if (::rename(zwischen.c_str(), ziel.c_str()) != 0) {
        const int nummer = errno;
        ::unlink(zwischen.c_str());
        return scheitern(fehlerText(nummer));
    }
    ordnerSichern(ordnerVon(ziel));
    return std::nullopt;
}

void zwischendateienEntfernen(const std::string& ordner, long long seit) {
    std::error_code fehler;
    for (std::filesystem::directory_iterator
             eintrag(ordner.empty() ? std::string(".") : ordner, fehler),
         ende;
         !fehler && eintrag != ende; eintrag.increment(fehler)) {
        const std::string name = eintrag->path().filename().string();
        struct stat info {};
        const std::string pfad = eintrag->path().string();
        if (istZwischendatei(name) && ::lstat(pfad.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            info.st_mtime < seit)
            ::unlink(pfad.c_str());
    }
}

std::string dateiImOrdner(const std::string& ordner, std::string_view name) {
    std::string pfad = ordner;
    for (const char c : name)
        pfad += c == '\\' ? '/' : c;
    return pfad;
}

bool bleibtImOrdner(std::string_view name) {
    if (name.empty() || name.front() == '/' || name.front() == '\\' ||
        (name.size() > 1 && name[1] == ':'))
        return false;
    std::size_t anfang = 0;
    while (anfang <= name.size()) {
        const std::size_t ende = std::min(name.find_first_of("/\\", anfang), name.size());
        if (name.substr(anfang, ende - anfang) == "..")
            return false;
        anfang = ende + 1;
    }
    return true;
}

std::string dateiName(std::string_view pfad) {
    const auto schnitt = pfad.find_last_of('/');
    return std::string(schnitt == std::string_view::npos ? pfad : pfad.substr(schnitt + 1));
}

std::string fehlerGrund(int nummer) {
    return fehlerText(nummer);
}
