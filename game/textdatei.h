#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The game's files are 8-bit text in Windows-1252. In memory every string is UTF-8.

std::string ausWindows1252(std::string_view bytes);
std::string nachWindows1252(std::string_view utf8); // broken and unmappable characters become '?'

// The text of a file in the common level notation, which authors write with any editor:
// a leading byte-order mark is skipped, valid UTF-8 stays as it is, anything else is
// read as Windows-1252.
std::string notationstextLesen(std::string_view bytes);

// The characters of `utf8` that Windows-1252 cannot hold and a write turns into '?',
// each once, in the order they first stand; empty when every character fits.
std::string nichtDarstellbar(std::string_view utf8);

// Every file of the game is small (a full board is under 40 KB); anything larger is
// not one of ours and is refused before it is read.
inline constexpr std::size_t groessteTextdatei = 4 * 1024 * 1024;

// Why a file could not be read.
enum class Dateifehler {
    keiner,
    fehlt,      // there is no such file: for most callers the ordinary case
    ordner,     // a folder stands where the file should be
    keineDatei, // a fifo, a device or a socket: reading it could block for ever
    zuGross,
    unlesbar, // the system refused to open or read it
};

struct Textinhalt {
    std::string bytes; // as they stand in the file
    Dateifehler fehler = Dateifehler::keiner;
    int systemfehler = 0; // errno of an unreadable file
};

// Hands out the lines of the bytes one by one, without their line ends: CR LF and LF
// both end a line. The views point into the bytes and stay in Windows-1252.
class Zeilenleser {
  public:
    explicit Zeilenleser(std::string_view bytes) : bytes(bytes) {}
    std::optional<std::string_view> naechste();

  private:
    std::string_view bytes;
    std::size_t anfang = 0;
};

// The lines of the bytes, in UTF-8.
std::vector<std::string> zeilenAusText(std::string_view bytes);

// Appends one line in Windows-1252, ended by CR LF. A line break inside the line would
// split it in two, so such a byte is written as a blank.
void zeileAnhaengen(std::string& bytes, std::string_view utf8);
std::string textAusZeilen(const std::vector<std::string>& zeilen);

// Reads a regular file of at most `groessteTextdatei` bytes. Never blocks on a fifo and
// never throws; every failure is told in `fehler`.
Textinhalt textdateiLesen(const std::string& pfad);

// True for a regular file or a link to one; a fifo, a device or a folder is none.
bool istGewoehnlicheDatei(const std::string& pfad);

// All lines of a file; none when it cannot be read, whatever the reason.
std::optional<std::vector<std::string>> textLesen(const std::string& pfad);

// "Die Leveldatei „l.lev“ konnte nicht gelesen werden (an ihrer Stelle steht ein Ordner)."
// `was` names the kind of file, `pfad` the file.
std::string lesefehlerMeldung(const std::string& was, const std::string& pfad,
                              const Textinhalt& inhalt);

// Writes the lines through a temporary file in the same folder that is renamed over
// the old one, so a failed write never destroys the old file. A symbolic link is
// followed and its target replaced; a file without write permission is left alone.
// Returns a German message on failure.
std::optional<std::string> dateiSchreiben(const std::string& pfad, std::string_view bytes);
std::optional<std::string> textSchreiben(const std::string& pfad,
                                         const std::vector<std::string>& zeilen);

// Temporary files of writes that never finished (the program was killed, the power
// failed) and that are older than `seit` (seconds since the epoch) are removed from
// `ordner`. Writes of a program started later are newer and stay.
void zwischendateienEntfernen(const std::string& ordner, long long seit);

// A file name read from a file may name a sub-folder with a backslash.
std::string dateiImOrdner(const std::string& ordner, std::string_view name);

// True when `name`, relative to a folder, stays inside it: not absolute, no "..",
// no drive letter. A name from a file must pass this before it is opened.
bool bleibtImOrdner(std::string_view name);

// Why the system refused, in German, from an errno value: "der Datenträger ist voll".
std::string fehlerGrund(int nummer);

// The last path component, for messages.
std::string dateiName(std::string_view pfad);
