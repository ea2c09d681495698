#pragma once

#include <optional>
#include <string>
#include <vector>

// The three settings kept in "lagerix.cfg".
struct Einstellungen {
    bool animationAn = true;
    bool soundAn = true;
    std::string grafikset = "standardset.gif";

    bool operator==(const Einstellungen&) const = default;
};

inline constexpr const char* konfigurationsDatei = "lagerix.cfg";

// Applies the lines from first to last over the defaults; for each setting the last
// line that sets it wins, and lines that match no rule are ignored.
Einstellungen einstellungenAusZeilen(const std::vector<std::string>& zeilen);

// The defaults when the file is missing or unreadable. A file that is there but cannot
// be read puts a German message into `fehler`, when given.
Einstellungen konfigurationLesen(const std::string& pfad, std::string* fehler = nullptr);

// The three lines: animation, sound, graphics set. Returns a German message on failure.
std::vector<std::string> konfigurationsZeilen(const Einstellungen& einstellungen);
std::optional<std::string> konfigurationSchreiben(const std::string& pfad,
                                                  const Einstellungen& einstellungen);
