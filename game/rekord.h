#pragma once

#include <optional>
#include <string>

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

// True when `schritte` beats the record at `pfad`: there is none, its step count is not
// a number, or it is higher. A tie keeps the older record.
bool istNeuerRekord(const std::string& pfad, int schritte);

// Writes the two lines. Returns a German message on failure; the old file then stays.
std::optional<std::string> rekordSchreiben(const std::string& pfad, int schritte,
                                           const std::string& name);
