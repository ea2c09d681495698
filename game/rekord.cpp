#include "game/rekord.h"

#include "game/textdatei.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <utility>

namespace {

// A step count is digits only, blanks around them allowed.
std::optional<std::uint64_t> schrittzahlLesen(const std::string& zeile) {
    const auto anfang = zeile.find_first_not_of(' ');
    const auto ende = zeile.find_last_not_of(' ');
    if (anfang == std::string::npos)
        return std::nullopt;
    const char* erstes = zeile.data() + anfang;
    const char* letztes = zeile.data() + ende + 1;
    std::uint64_t wert = 0;
    const auto [stelle, fehler] = std::from_chars(erstes, letztes, wert);
    if (stelle != letztes)
        return std::nullopt;
    // Too many digits are still a step count, one that every finished level beats.
    if (fehler == std::errc::result_out_of_range)
        return std::numeric_limits<std::uint64_t>::max();
    if (fehler != std::errc{})
        return std::nullopt;
    return wert;
}

// A line break in the name would push it out of its line and break the file.
std::string einzeilig(std::string name) {
    for (char& c : name) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return name;
}

} // namespace

std::string rekordDatei(const std::string& levelDatei) {
    const std::string name = dateiName(levelDatei);
    const bool mitEndung = name.size() > 4 && name[name.size() - 4] == '.';
    const std::string basis = mitEndung ? levelDatei.substr(0, levelDatei.size() - 4) : levelDatei;
    return basis + rekordEndung;
}

Rekord rekordLesen(const std::string& pfad) {
    const auto zeilen = textLesen(pfad);
    Rekord rekord;
    if (zeilen && !zeilen->empty())
        rekord.schrittzahl = (*zeilen)[0];
    if (zeilen && zeilen->size() > 1)
        rekord.rekordhalter = (*zeilen)[1];
    return rekord;
}

bool schlaegtRekord(const std::vector<std::string>& zeilen, int schritte, std::string* grund) {
    if (zeilen.empty())
        return true;
    const auto bisher = schrittzahlLesen(zeilen[0]);
    if (!bisher && grund)
        *grund = "die erste Zeile „" + zeilen[0] + "“ ist keine Schrittzahl";
    return bisher && std::cmp_less(schritte, *bisher);
}

bool istNeuerRekord(const std::string& pfad, int schritte, std::string* fehler) {
    const Textinhalt datei = textdateiLesen(pfad);
    if (datei.fehler == Dateifehler::fehlt)
        return true;
    std::string grund;
    const bool neu = datei.fehler == Dateifehler::keiner &&
                     schlaegtRekord(zeilenAusText(datei.bytes), schritte, &grund);
    if (datei.fehler != Dateifehler::keiner)
        grund = lesefehlerMeldung("Die Rekorddatei", pfad, datei);
    else if (!grund.empty())
        grund = "Die Rekorddatei „" + dateiName(pfad) + "“ ist beschädigt: " + grund + ".";
    if (!grund.empty() && fehler)
        *fehler = grund + " Der bisherige Rekord bleibt unverändert; im Fenster „Rekorde“ lässt "
                          "er sich löschen.";
    return neu;
}

std::vector<std::string> rekordZeilen(int schritte, const std::string& name) {
    return {std::to_string(schritte), einzeilig(name)};
}

std::optional<std::string> rekordSchreiben(const std::string& pfad, int schritte,
                                           const std::string& name) {
    return textSchreiben(pfad, rekordZeilen(schritte, name));
}
