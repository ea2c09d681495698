#include "leveldatei.h"

#include "game/brett.h"
#include "game/levelstart.h"
#include "game/textdatei.h"
#include "game/zahlen.h"
#include "game/zeichenflaeche.h"

#include <cmath>
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
    Levelmodell modell;
    modell.autor = start.autor == "unbekannt" ? "" : start.autor;
    const bool klein = start.formatKennung == "e";
    // The fence of a small board is the game's, not the file's: the last entries.
    const int letzter = klein ? brett->belegt - Levelmodell::zaunEintraege : brett->belegt;
    bool gerundet = false;
    int draussen = 0;
    const auto zelle = [&](double pixel) {
        const double genau = pixel / Brett::zelle;
        const double naechste = std::nearbyint(genau);
        gerundet = gerundet || naechste != genau;
        return static_cast<int>(naechste);
    };
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
        // A later entry at the same cell is the one the game's lookup finds.
        if (!modell.setzen({zelle(f.x), zelle(f.y)}, *objekt))
            draussen += modell.an({zelle(f.x), zelle(f.y)}) == *objekt ? 0 : 1;
    }
    const Zellort figur{zelle(brett->spielerX), zelle(brett->spielerY)};
    if (!modell.figurSetzen(figur) && modell.figur() != figur)
        ++draussen;
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
    ergebnis.modell = std::move(modell);
    return ergebnis;
}
