#pragma once

#include <optional>
#include <string>
#include <vector>

// The fewest steps of the shipped levels, written by the solver into a table next to the
// levels. One line per level: the level file name, a tab, the fewest steps, a tab, and a
// solution of exactly that many arrow keys ("l", "r", "o", "u" as the checker plays them).
// Where the solver could not prove that no solution is shorter, the line ends in a tab and
// "unbewiesen": the count is the best known one.
struct Bestwert {
    std::string levelDatei;
    int schritte = 0;
    std::string loesung;
    bool bewiesen = true;

    bool operator==(const Bestwert&) const = default;
};

inline constexpr const char* bestwerteDatei = "bestwerte.txt";

struct Bestwerte {
    std::vector<Bestwert> eintraege;
    // Line numbers (from 1) that are no entry: damaged, inconsistent or a second entry for
    // a level. Empty lines are no fault.
    std::vector<int> fehlerhafteZeilen;
};

// A missing or unreadable table knows no level.
Bestwerte bestwerteLesen(const std::string& pfad);

// The entry of the level named `levelName` (its file name without the extension, as the
// records window lists it), if the table knows it.
std::optional<Bestwert> bestwert(const Bestwerte& tabelle, const std::string& levelName);
