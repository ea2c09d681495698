#include "game/rekord.h"

#include "game/textdatei.h"

#include <charconv>
#include <cstdint>
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
    // Too many digits count as no number: every finished level beats them.
    if (fehler != std::errc{} || stelle != letztes)
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

bool istNeuerRekord(const std::string& pfad, int schritte) {
    const auto zeilen = textLesen(pfad);
    if (!zeilen || zeilen->empty())
        return true;
    const auto bisher = schrittzahlLesen((*zeilen)[0]);
    return !bisher || std::cmp_less(schritte, *bisher);
}

std::optional<std::string> rekordSchreiben(const std::string& pfad, int schritte,
                                           const std::string& name) {
    return textSchreiben(pfad, {std::to_string(schritte), einzeilig(name)});
}
