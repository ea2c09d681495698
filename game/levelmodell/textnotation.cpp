#include "textnotation.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr std::string_view brettZeichen = "#$.*@+Tt=-_ ";
constexpr std::string_view bodenZeichen = "=-_ ";

bool istBrettzeile(std::string_view zeile) {
    return zeile.find_first_not_of(brettZeichen) == std::string_view::npos &&
           zeile.find_first_not_of(' ') != std::string_view::npos;
}

bool belegt(char c) {
    return bodenZeichen.find(c) == std::string_view::npos;
}

bool hatObjekte(const std::string& zeile) {
    return std::any_of(zeile.begin(), zeile.end(), belegt);
}

// Rows of floor alone around a level, a line of dashes in a comment say, are no part
// of it; a level of nothing but such rows is no level.
void beschneiden(std::vector<std::string>& zeilen) {
    const auto letzte = std::find_if(zeilen.rbegin(), zeilen.rend(), hatObjekte);
    zeilen.erase(letzte.base(), zeilen.end());
    zeilen.erase(zeilen.begin(), std::find_if(zeilen.begin(), zeilen.end(), hatObjekte));
}

// "Title: Name" gives "Name" for the key "title"; none for other lines.
std::optional<std::string> angabe(std::string_view zeile, std::string_view schluessel) {
    const auto doppelpunkt = zeile.find(':');
    if (doppelpunkt != schluessel.size())
        return std::nullopt;
    for (std::size_t i = 0; i < schluessel.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(zeile[i])) != schluessel[i])
            return std::nullopt;
    auto wert = zeile.substr(doppelpunkt + 1);
    const auto anfang = wert.find_first_not_of(' ');
    wert = anfang == std::string_view::npos ? std::string_view{} : wert.substr(anfang);
    return std::string(wert.substr(0, wert.find_last_not_of(' ') + 1));
}

// The letter of every object; '=' is the checker's border, which no text level places.
constexpr std::pair<char, Objekt> buchstaben[] = {
    {'#', Objekt::mauer}, {'$', Objekt::kiste},       {'.', Objekt::stell}, {'*', Objekt::gestellt},
    {'T', Objekt::tnt},   {'t', Objekt::tntgestellt}, {'=', Objekt::rand}};

Objekt objektFuer(char c) {
    if (c == '+')
        return Objekt::stell;
    for (const auto& [zeichen, objekt] : buchstaben)
        if (c == zeichen && objekt != Objekt::rand)
            return objekt;
    return Objekt::boden;
}

char zeichenFuer(Objekt o) {
    for (const auto& [zeichen, objekt] : buchstaben)
        if (o == objekt)
            return zeichen;
    return ' ';
}

} // namespace

std::vector<TextLevel> textLevelsLesen(std::string_view text) {
    std::vector<TextLevel> levels;
    TextLevel kommend; // title and author seen before its rows
    bool inLevel = false;
    std::size_t anfang = 0;
    while (anfang < text.size()) {
        auto ende = text.find('\n', anfang);
        if (ende == std::string_view::npos)
            ende = text.size();
        std::string_view zeile = text.substr(anfang, ende - anfang);
        anfang = ende + 1;
        if (!zeile.empty() && zeile.back() == '\r')
            zeile.remove_suffix(1);
        if (istBrettzeile(zeile)) {
            if (!inLevel) {
                levels.push_back(std::move(kommend));
                kommend = {};
                inLevel = true;
            }
            levels.back().zeilen.emplace_back(zeile);
            continue;
        }
        inLevel = false;
        // A title or author after a level's rows is its own, unless it has one already.
        TextLevel* ziel = !levels.empty() && kommend.zeilen.empty() ? &levels.back() : &kommend;
        if (auto titel = angabe(zeile, "title"))
            (ziel->titel.empty() ? ziel : &kommend)->titel = *titel;
        else if (auto autor = angabe(zeile, "author"))
            (ziel->autor.empty() ? ziel : &kommend)->autor = *autor;
    }
    for (auto& level : levels)
        beschneiden(level.zeilen);
    std::erase_if(levels, [](const TextLevel& l) { return l.zeilen.empty(); });
    return levels;
}

TextUmwandlung ausText(const TextLevel& level, Brettgroesse groesse) {
    int links = 1 << 20, rechts = -1, oben = -1, unten = -1;
    for (int z = 0; z < static_cast<int>(level.zeilen.size()); ++z) {
        const std::string& zeile = level.zeilen[z];
        for (int s = 0; s < static_cast<int>(zeile.size()); ++s) {
            if (!belegt(zeile[s]))
                continue;
            links = std::min(links, s);
            rechts = std::max(rechts, s);
            if (oben < 0)
                oben = z;
            unten = z;
        }
    }
    TextUmwandlung ergebnis;
    const int breite = rechts < 0 ? 0 : rechts - links + 1;
    const int hoehe = rechts < 0 ? 0 : unten - oben + 1;
    const int platzBreite =
        groesse == Brettgroesse::klein ? Levelmodell::kleineSeite : Levelmodell::spalten;
    const int platzHoehe =
        groesse == Brettgroesse::klein ? Levelmodell::kleineSeite : Levelmodell::zeilen;
    if (breite > platzBreite || hoehe > platzHoehe) {
        ergebnis.fehler = "Das Level ist " + std::to_string(breite) + " × " +
                          std::to_string(hoehe) +
                          " Felder groß; auf das Spielfeld passen "
                          "höchstens " +
                          std::to_string(platzBreite) + " × " + std::to_string(platzHoehe) + ".";
        return ergebnis;
    }
    Levelmodell modell;
    modell.groesseWaehlen(groesse);
    modell.autor = level.autor;
    for (int z = 0; z < hoehe; ++z) {
        const std::string& zeile = level.zeilen[oben + z];
        for (int s = 0; s + links < static_cast<int>(zeile.size()) && s < breite; ++s) {
            const char c = zeile[s + links];
            modell.setzen({s, z}, objektFuer(c));
            if (c == '@' || c == '+')
                modell.figurSetzen({s, z});
        }
    }
    modell.zentrieren();
    ergebnis.modell = std::move(modell);
    return ergebnis;
}

std::string alsText(const Levelmodell& modell) {
    std::vector<std::string> zeilen(Levelmodell::zeilen, std::string(Levelmodell::spalten, ' '));
    for (int z = 0; z < Levelmodell::zeilen; ++z)
        for (int s = 0; s < Levelmodell::spalten; ++s)
            zeilen[z][s] = zeichenFuer(modell.an({s, z}));
    if (const auto f = modell.figur())
        zeilen[f->zeile][f->spalte] = zeilen[f->zeile][f->spalte] == '.' ? '+' : '@';
    std::size_t links = Levelmodell::spalten;
    int oben = Levelmodell::zeilen, unten = -1;
    for (int z = 0; z < Levelmodell::zeilen; ++z) {
        const auto erste = zeilen[z].find_first_not_of(' ');
        if (erste == std::string::npos)
            continue;
        links = std::min(links, erste);
        oben = std::min(oben, z);
        unten = z;
    }
    // An empty row inside the level is written as floor, since a blank line ends a level.
    std::string text;
    for (int z = oben; z <= unten; ++z) {
        const auto ende = zeilen[z].find_last_not_of(' ');
        text += ende == std::string::npos ? "-" : zeilen[z].substr(links, ende + 1 - links);
        text += '\n';
    }
    return text;
}
