#include "textnotation.h"

#include "game/textdatei.h"

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

constexpr std::string_view leerraum = " \t";

bool istLeer(std::string_view zeile) {
    return zeile.find_first_not_of(leerraum) == std::string_view::npos;
}

// "Title: x", "Comment: y": a word and a colon start every line of a level's data.
bool istAngabe(std::string_view zeile) {
    const auto doppelpunkt = zeile.find(':');
    return doppelpunkt != std::string_view::npos && doppelpunkt > 0 &&
           std::all_of(zeile.begin(), zeile.begin() + static_cast<std::ptrdiff_t>(doppelpunkt),
                       [](char c) { return std::isalpha(static_cast<unsigned char>(c)); });
}

bool mauerAmRand(std::string_view zeile) {
    return !istLeer(zeile) && !istAngabe(zeile) &&
           (zeile[zeile.find_first_not_of(leerraum)] == '#' ||
            zeile[zeile.find_last_not_of(leerraum)] == '#');
}

// A row of a level with a character the notation does not know, rather than a comment:
// it lies next to a row and starts or ends with a wall, or lies between two rows.
bool istBeschaedigt(std::string_view zeile, bool nachZeile, bool vorZeile) {
    if (istLeer(zeile) || istAngabe(zeile))
        return false;
    return (mauerAmRand(zeile) && (nachZeile || vorZeile)) || (nachZeile && vorZeile);
}

// "In Zeile 2 steht „x“; …" for the first character of `zeile` that is no board letter.
std::string unbekanntesZeichen(std::string_view zeile, int nummer) {
    const auto stelle = zeile.find_first_not_of(brettZeichen);
    const auto b = static_cast<unsigned char>(zeile[stelle]);
    // A character beyond ASCII is named whole: its lead byte tells its length in UTF-8.
    const std::size_t laenge = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
    const std::string zeichen = b == '\t' ? "ein Tabulator"
                                : b < 0x20 || b == 0x7F
                                    ? "das Steuerzeichen " + std::to_string(b)
                                    : "„" + std::string(zeile.substr(stelle, laenge)) + "“";
    return "In Zeile " + std::to_string(nummer) + " steht " + zeichen +
           "; die Textform kennt dieses Zeichen nicht.";
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
    int levelzeile = 0;
    Zeilenleser leser(text);
    // One line ahead: whether a row follows decides what a damaged line is.
    for (auto zeile = leser.naechste(), folgende = leser.naechste(); zeile;
         zeile = folgende, folgende = leser.naechste()) {
        const bool vorZeile = folgende && (istBrettzeile(*folgende) || mauerAmRand(*folgende));
        const bool heil = istBrettzeile(*zeile);
        if (heil || istBeschaedigt(*zeile, inLevel, vorZeile)) {
            if (!inLevel) {
                levels.push_back(std::move(kommend));
                kommend = {};
                inLevel = true;
                levelzeile = 0;
            }
            TextLevel& level = levels.back();
            ++levelzeile;
            if (!heil && level.fehler.empty())
                level.fehler = unbekanntesZeichen(*zeile, levelzeile);
            level.zeilen.emplace_back(*zeile);
            continue;
        }
        inLevel = false;
        // A title or author after a level's rows is its own, unless it has one already.
        TextLevel* ziel = !levels.empty() && kommend.zeilen.empty() ? &levels.back() : &kommend;
        if (auto titel = angabe(*zeile, "title"))
            (ziel->titel.empty() ? ziel : &kommend)->titel = *titel;
        else if (auto autor = angabe(*zeile, "author"))
            (ziel->autor.empty() ? ziel : &kommend)->autor = *autor;
    }
    for (auto& level : levels)
        beschneiden(level.zeilen);
    std::erase_if(levels, [](const TextLevel& l) { return l.zeilen.empty(); });
    return levels;
}

TextUmwandlung ausText(const TextLevel& level, Brettgroesse groesse) {
    if (!level.fehler.empty())
        return {std::nullopt, level.fehler};
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
