#include "leveldatei.h"

#include "game/bestwerte.h"
#include "game/brett.h"
#include "game/levelstart.h"
#include "game/textdatei.h"
#include "game/zahlen.h"
#include "game/zeichenflaeche.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <map>
#include <memory>

namespace {

constexpr int einheitenProZelle = 25;

// The file names a box "kiste"; every other word is the board table's own.
std::string dateiWort(Objekt o) {
    return o == Objekt::kiste ? "kiste" : artWort(o);
}

std::optional<Objekt> objektFuerArt(const std::string& art) {
    for (const Objekt o : {Objekt::mauer, Objekt::kiste, Objekt::stell, Objekt::gestellt,
                           Objekt::tnt, Objekt::tntgestellt, Objekt::rand})
        if (art == artWort(o))
            return o;
    return std::nullopt;
}

// Board pixels back to file units; exact on the raster, and for a kept border entry
// off the raster the shortest number that reads back to the same pixel.
std::string einheiten(double pixel) {
    return zahlKurz(pixel * einheitenProZelle / Brett::zelle);
}

// What the entries of one cell hold.
struct Zellinhalt {
    int objekte = 0; // a box on a storage place, the pair of entries, counts once
    bool kiste = false;
    bool tnt = false;
    bool stell = false;
    Objekt oben = Objekt::boden; // the last entry, the one the game's lookup finds

    void aufnehmen(Objekt o) {
        ++objekte;
        kiste = kiste || o == Objekt::kiste || o == Objekt::gestellt;
        tnt = tnt || o == Objekt::tnt || o == Objekt::tntgestellt;
        stell = stell || o == Objekt::stell || o == Objekt::gestellt || o == Objekt::tntgestellt;
        oben = o;
    }

    // The one object the grid shows: what the game's lookup finds, and a box with a
    // storage place as a box on a storage place, so that the boxes count as in the game.
    Objekt gezeigt() const {
        const bool kisteOderStell = oben == Objekt::kiste || oben == Objekt::stell;
        if (stell && kiste && kisteOderStell)
            return Objekt::gestellt;
        if (stell && tnt && (oben == Objekt::tnt || oben == Objekt::stell))
            return Objekt::tntgestellt;
        return oben;
    }
};

bool istZahl(std::string_view zeile) {
    const auto anfang = zeile.find_first_not_of(' ');
    const auto ende = zeile.find_last_not_of(' ');
    if (anfang == std::string_view::npos)
        return false;
    double wert = 0;
    const char* letztes = zeile.data() + ende + 1;
    const auto [bis, fehler] = std::from_chars(zeile.data() + anfang, letztes, wert);
    return fehler == std::errc{} && bis == letztes;
}

// The one level without entries the editor writes is a figure alone: the three lines of
// the head and nothing else. Any other file without entries is no level, whatever its
// first line seems to name as the author.
bool nurKopf(const std::string& pfad) {
    auto zeilen = textLesen(pfad);
    if (!zeilen)
        return false;
    while (!zeilen->empty() && zeilen->back().empty())
        zeilen->pop_back();
    return zeilen->size() == 3 && istZahl((*zeilen)[1]) && istZahl((*zeilen)[2]);
}

// The author's warning for cells that hold more than the grid can show; empty for none.
std::string gestapeltText(std::vector<Zellort> zellen) {
    if (zellen.empty())
        return {};
    std::sort(zellen.begin(), zellen.end(), [](Zellort a, Zellort b) {
        return std::pair(a.zeile, a.spalte) < std::pair(b.zeile, b.spalte);
    });
    constexpr std::size_t genannt = 8;
    std::string text = "Auf diesen Feldern liegen Objekte übereinander, die der Editor nicht "
                       "zeigen kann:";
    for (std::size_t i = 0; i < std::min(zellen.size(), genannt); ++i)
        text += (i == 0 ? " " : "; ") + std::string("Spalte ") +
                std::to_string(zellen[i].spalte + 1) + ", Zeile " +
                std::to_string(zellen[i].zeile + 1);
    if (zellen.size() > genannt)
        text += " … und " + std::to_string(zellen.size() - genannt) + " weitere";
    return text + ". Er zeigt dort je eines (Kiste und Stellplatz als Kiste auf Stellplatz, "
                  "bei der Figur nur einen Stellplatz). Die Datei bleibt, wie sie ist, bis Sie "
                  "das Level speichern.";
}

} // namespace

std::vector<std::string> levelZeilen(const Levelmodell& modell) {
    const auto figur = modell.figur().value_or(Zellort{});
    std::vector<std::string> zeilen{(modell.groesse() == Brettgroesse::klein ? "e" : "f") +
                                        modell.autor,
                                    std::to_string(figur.spalte * einheitenProZelle),
                                    std::to_string(figur.zeile * einheitenProZelle)};
    for (int z = 0; z < Levelmodell::zeilen; ++z) {
        for (int s = 0; s < Levelmodell::spalten; ++s) {
            if (const std::string wort = dateiWort(modell.an({s, z})); !wort.empty())
                zeilen.insert(zeilen.end(), {wort, std::to_string(s * einheitenProZelle),
                                             std::to_string(z * einheitenProZelle)});
        }
    }
    for (const auto& r : modell.randAussen)
        zeilen.insert(zeilen.end(), {"rand", einheiten(r.x), einheiten(r.y)});
    return zeilen;
}

std::optional<std::string> levelSpeichern(const Levelmodell& modell, const std::string& pfad) {
    return textSchreiben(pfad, levelZeilen(modell));
}

bool gelieferterLevel(const std::string& pfad, const std::string& programmOrdner) {
    const std::filesystem::path datei(pfad);
    std::error_code fehler;
    if (!std::filesystem::equivalent(datei.parent_path(), programmOrdner, fehler))
        return false;
    const auto tabelle = bestwerteLesen(programmOrdner + bestwerteDatei);
    return std::any_of(tabelle.eintraege.begin(), tabelle.eintraege.end(),
                       [&](const Bestwert& b) { return b.levelDatei == datei.filename(); });
}

std::optional<std::string> brettStarten(const std::string& pfad, Brett& brett) {
    OhneBild flaeche;
    const Levelstart start = levelStarten(brett, "", pfad, flaeche, Startart::neu);
    return start.ok ? std::nullopt : std::optional(start.fehler);
}

GeoeffnetesLevel levelOeffnen(const std::string& pfad) {
    GeoeffnetesLevel ergebnis;
    auto brett = std::make_unique<Brett>();
    brett->randAnlegen();
    OhneBild flaeche;
    const Levelstart start = levelStarten(*brett, "", pfad, flaeche, Startart::neu);
    if (!start.ok) {
        ergebnis.fehler = start.fehler;
        return ergebnis;
    }
    const bool klein = start.formatKennung == "e";
    // The fence of a small board is the game's, not the file's: the last entries.
    const int letzter = klein ? brett->belegt - Levelmodell::zaunEintraege : brett->belegt;
    if (letzter == brett->randAnzahl && !nurKopf(pfad)) {
        ergebnis.fehler = "In der Datei „" + dateiName(pfad) +
                          "“ stehen keine Level-Einträge (mauer, kiste, stell …); sie ist wohl "
                          "keine Leveldatei.";
        return ergebnis;
    }
    Levelmodell modell;
    modell.autor = start.autor == "unbekannt" ? "" : start.autor;
    bool gerundet = false;
    int draussen = 0;
    const auto zelle = [&](double pixel) {
        const double genau = pixel / Brett::zelle;
        const double naechste = std::nearbyint(genau);
        gerundet = gerundet || naechste != genau;
        return static_cast<int>(naechste);
    };
    std::map<std::pair<int, int>, Zellinhalt> inhalte; // by row, then column
    for (int i = brett->randAnzahl + 1; i <= letzter; ++i) {
        const Feldobjekt& f = brett->felder[i];
        const auto objekt = objektFuerArt(f.art);
        if (!objekt)
            continue;
        if (*objekt == Objekt::rand &&
            (f.x < 0 || f.y < 0 || f.x >= Brett::spalten * Brett::zelle ||
             f.y >= Brett::zeilen * Brett::zelle)) {
            modell.randAussen.push_back({f.x, f.y});
            continue;
        }
        const Zellort ort{zelle(f.x), zelle(f.y)};
        if (!modell.imBrett(ort))
            ++draussen;
        else if (f.partner == 0) // the second half of a pair is the same object
            inhalte[{ort.zeile, ort.spalte}].aufnehmen(*objekt);
    }
    std::vector<Zellort> gestapelt;
    for (const auto& [schluessel, inhalt] : inhalte) {
        const Zellort ort{schluessel.second, schluessel.first};
        modell.setzen(ort, inhalt.gezeigt());
        if (inhalt.objekte > 1)
            gestapelt.push_back(ort);
    }
    const Zellort figur{zelle(brett->spielerX), zelle(brett->spielerY)};
    if (!modell.figurSetzen(figur) && modell.figur() != figur)
        ++draussen;
    // Only a storage place can lie under the figure in the grid.
    const auto unterFigur = inhalte.find({figur.zeile, figur.spalte});
    if (unterFigur != inhalte.end() && unterFigur->second.objekte == 1 &&
        unterFigur->second.oben != Objekt::stell)
        gestapelt.push_back(figur);
    if (klein && !modell.groesseWaehlen(Brettgroesse::klein))
        ergebnis.hinweis =
            "Objekte liegen außerhalb des kleinen Spielfelds, es bleibt beim großen. ";
    if (gerundet)
        ergebnis.hinweis += "Objekte neben dem Raster stehen jetzt auf dem nächsten Feld. ";
    if (draussen > 0)
        ergebnis.hinweis += std::to_string(draussen) + " Objekt(e) außerhalb des Spielfelds "
                                                       "weggelassen. ";
    if (!ergebnis.hinweis.empty())
        ergebnis.hinweis.pop_back();
    ergebnis.warnung = gestapeltText(gestapelt);
    ergebnis.modell = std::move(modell);
    return ergebnis;
}
