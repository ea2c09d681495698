#pragma once

#include <optional>
#include <string>
#include <vector>

// One level's record as its record file holds it: line 1 the fewest steps, line 2 the
// holder's name. Both stay text, so a damaged file is shown as it stands.
struct Rekord {
    std::string schrittzahl;
    std::string rekordhalter;

    bool operator==(const Rekord&) const = default;
};

inline constexpr const char* rekordEndung = ".sco";

// "x.lev" keeps its record in "x.sco" in the same folder.
std::string rekordDatei(const std::string& levelDatei);

// The lines that exist; a file that has vanished or cannot be read gives an empty record.
Rekord rekordLesen(const std::string& pfad);

// True when `schritte` beats the record held in `zeilen`: an empty file, or a first
// line whose step count (digits, blanks around them) is higher. A tie keeps the older
// record. A first line that is no clean step count is beaten by nothing, so that a
// record is never lost to a damaged digit: `grund` (when given) then says why.
bool schlaegtRekord(const std::vector<std::string>& zeilen, int schritte,
                    std::string* grund = nullptr);

// The same for the record file at `pfad`; no file is no record. A file that is there
// but cannot be read is beaten by nothing either, and `fehler` gets the message.
bool istNeuerRekord(const std::string& pfad, int schritte, std::string* fehler = nullptr);

// The two lines: the step count, the name on one line.
std::vector<std::string> rekordZeilen(int schritte, const std::string& name);

// Writes the two lines. Returns a German message on failure; the old file then stays.
std::optional<std::string> rekordSchreiben(const std::string& pfad, int schritte,
                                           const std::string& name);
