#include "game/textdatei.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

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

// Decodes one UTF-8 sequence at `i`; a broken sequence yields U+FFFD and one byte.
char32_t utf8Lesen(std::string_view text, std::size_t& i) {
    const auto b = static_cast<unsigned char>(text[i++]);
    int folge = 0;
    char32_t c = 0;
    if (b < 0x80)
        return b;
    if ((b & 0xE0) == 0xC0) {
        folge = 1;
        c = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
        folge = 2;
        c = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
        folge = 3;
        c = b & 0x07;
    } else {
        return 0xFFFD;
    }
    std::size_t j = i;
    for (int k = 0; k < folge; ++k, ++j) {
        if (j >= text.size() || (static_cast<unsigned char>(text[j]) & 0xC0) != 0x80)
            return 0xFFFD;
        c = (c << 6) | (static_cast<unsigned char>(text[j]) & 0x3F);
    }
    i = j;
    return c;
}

std::string fehlerText(int nummer) {
    switch (nummer) {
    case EACCES:
    case EPERM:
        return "keine Schreibberechtigung";
    case EROFS:
        return "der Datenträger ist schreibgeschützt";
    case ENOSPC:
        return "der Datenträger ist voll";
    case ENOENT:
    case ENOTDIR:
        return "der Ordner existiert nicht";
    default:
        return "Systemfehler " + std::to_string(nummer);
    }
}

mode_t neueRechte(const std::string& pfad) {
    struct stat alt {};
    if (::stat(pfad.c_str(), &alt) == 0)
        return alt.st_mode & 07777;
    const mode_t maske = ::umask(0);
    ::umask(maske);
    return 0666 & ~maske;
}

bool allesSchreiben(int fd, const std::string& daten) {
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

std::optional<std::vector<std::string>> textLesen(const std::string& pfad) {
    std::ifstream datei(pfad, std::ios::binary);
    if (!datei)
        return std::nullopt;
    const std::string inhalt{std::istreambuf_iterator<char>(datei),
                             std::istreambuf_iterator<char>()};
    if (datei.bad())
        return std::nullopt;
    std::vector<std::string> zeilen;
    std::size_t anfang = 0;
    while (anfang < inhalt.size()) {
        std::size_t ende = inhalt.find('\n', anfang);
        const std::size_t naechste = ende == std::string::npos ? inhalt.size() : ende + 1;
        if (ende == std::string::npos)
            ende = inhalt.size();
        if (ende > anfang && inhalt[ende - 1] == '\r')
            --ende;
        zeilen.push_back(ausWindows1252(std::string_view(inhalt).substr(anfang, ende - anfang)));
        anfang = naechste;
    }
    return zeilen;
}

std::optional<std::string> textSchreiben(const std::string& pfad,
                                         const std::vector<std::string>& zeilen) {
    std::string daten;
    for (const auto& zeile : zeilen)
        daten += nachWindows1252(zeile) + "\r\n";

    // Only a file that was there before can be said to be kept.
    struct stat vorher {};
    const bool warDa = ::stat(pfad.c_str(), &vorher) == 0 && S_ISREG(vorher.st_mode);
    std::string vorlage = pfad + ".neu-XXXXXX";
    const int fd = ::mkstemp(vorlage.data());
    const auto scheitern = [&](int nummer) -> std::optional<std::string> {
        return "Die Datei „" + dateiName(pfad) + "“ konnte nicht geschrieben werden (" +
               fehlerText(nummer) + ")." + (warDa ? " Die bisherige Datei bleibt erhalten." : "");
    };
    if (fd < 0)
        return scheitern(errno);
    const bool ok =
        ::fchmod(fd, neueRechte(pfad)) == 0 && allesSchreiben(fd, daten) && ::fsync(fd) == 0;
    const int nummer = errno;
    if (::close(fd) != 0 || !ok) {
        ::unlink(vorlage.c_str());
        return scheitern(ok ? errno : nummer);
    }
    if (::rename(vorlage.c_str(), pfad.c_str()) != 0) {
        const int renameFehler = errno;
        ::unlink(vorlage.c_str());
        return scheitern(renameFehler);
    }
    return std::nullopt;
}

std::string dateiImOrdner(const std::string& ordner, std::string_view name) {
    std::string pfad = ordner;
    for (const char c : name)
        pfad += c == '\\' ? '/' : c;
    return pfad;
}

std::string dateiName(std::string_view pfad) {
    const auto schnitt = pfad.find_last_of('/');
    return std::string(schnitt == std::string_view::npos ? pfad : pfad.substr(schnitt + 1));
}
