#include "lager.h"

#include "game/brett.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <optional>
#include <utility>

namespace {

enum class Inhalt { boden, fest, mauer, kiste, tnt, stell, gestellt, tntgestellt };

using Ort = std::pair<int, int>; // column, row

std::string ortText(Ort ort) {
    return "(" + std::to_string(ort.first * Brett::zelle) + ", " +
           std::to_string(ort.second * Brett::zelle) + ")";
}

Inhalt einzelInhalt(const std::string& art) {
    if (art == "mauer")
        return Inhalt::mauer;
    if (art == "box")
        return Inhalt::kiste;
    if (art == "tnt")
        return Inhalt::tnt;
    if (art == "stell")
        return Inhalt::stell;
    // The move rule has no row for any other kind: it blocks like the border.
    return Inhalt::fest;
}

// One cell's entries as the lookup sees them, or why they form no cell of a grid.
std::variant<Inhalt, Unlesbar> zellInhalt(const Brett& brett, const std::vector<int>& eintraege,
                                          Ort ort) {
    const auto& oben = brett.felder[eintraege.back()];
    const bool paarArt = oben.art == "gestellt" || oben.art == "tntgestellt";
    // A border entry never moves, so whatever lies beneath it can never be found.
    if (!paarArt && (eintraege.size() == 1 || einzelInhalt(oben.art) == Inhalt::fest))
        return einzelInhalt(oben.art);
    if (eintraege.size() == 2 && paarArt && brett.felder[eintraege[0]].art == oben.art &&
        oben.partner == eintraege[0])
        return oben.art == "gestellt" ? Inhalt::gestellt : Inhalt::tntgestellt;
    return Unlesbar{"Auf dem Feld " + ortText(ort) + " liegen mehrere Objekte übereinander."};
}

std::optional<int> rasterZelle(double pixel) {
    if (!std::isfinite(pixel) || std::fmod(pixel, Brett::zelle) != 0)
        return std::nullopt;
    return static_cast<int>(pixel) / Brett::zelle;
}

struct Tabelle {
    std::map<Ort, Inhalt> zellen;
    Ort figur;
    int boxPaare = 0;
};

std::variant<Tabelle, Unlesbar> tabelleLesen(const Brett& brett) {
    const auto fx = rasterZelle(brett.spielerX);
    const auto fy = rasterZelle(brett.spielerY);
    if (!fx || !fy)
        return Unlesbar{"Die Figur steht nicht im Raster von 24 Pixeln."};
    std::map<Ort, std::vector<int>> eintraege;
    for (int i = 0; i < Brett::feldAnzahl; ++i) {
        const auto& f = brett.felder[i];
        if (f.art.empty() || f.x == Brett::geparkt)
            continue;
        if (f.x % Brett::zelle != 0 || f.y % Brett::zelle != 0)
            return Unlesbar{"Das Objekt „" + f.art + "“ bei (" + std::to_string(f.x) + ", " +
                            std::to_string(f.y) + ") liegt nicht im Raster von 24 Pixeln."};
        eintraege[{f.x / Brett::zelle, f.y / Brett::zelle}].push_back(i);
    }
    Tabelle tabelle;
    tabelle.figur = {*fx, *fy};
    for (const auto& [ort, liste] : eintraege) {
        auto inhalt = zellInhalt(brett, liste, ort);
        if (auto* fehler = std::get_if<Unlesbar>(&inhalt))
            return *fehler;
        tabelle.zellen[ort] = std::get<Inhalt>(inhalt);
        tabelle.boxPaare += std::get<Inhalt>(inhalt) == Inhalt::gestellt;
    }
    const auto unterFigur = tabelle.zellen.find(tabelle.figur);
    if (unterFigur != tabelle.zellen.end() && unterFigur->second != Inhalt::stell)
        return Unlesbar{"Die Figur steht auf einem Objekt bei " + ortText(tabelle.figur) + "."};
    return tabelle;
}

// A rectangle of cells holding the table's contents; outside of it is floor.
class Ausschnitt {
  public:
    Ausschnitt(int links, int oben, int breite, int hoehe)
        : links(links), oben(oben), breite(breite), hoehe(hoehe),
          inhalt(static_cast<std::size_t>(breite) * hoehe, Inhalt::boden) {}

    int index(Ort ort) const { return (ort.second - oben) * breite + ort.first - links; }
    Ort ort(int index) const { return {links + index % breite, oben + index / breite}; }
    bool amRand(int index) const {
        const int x = index % breite;
        const int y = index / breite;
        return x == 0 || y == 0 || x == breite - 1 || y == hoehe - 1;
    }

    int links, oben, breite, hoehe;
    std::vector<Inhalt> inhalt;
};

Ausschnitt ausschnittUm(const Tabelle& tabelle) {
    int links = tabelle.figur.first, rechts = links;
    int oben = tabelle.figur.second, unten = oben;
    for (const auto& [ort, inhalt] : tabelle.zellen) {
        links = std::min(links, ort.first);
        rechts = std::max(rechts, ort.first);
        oben = std::min(oben, ort.second);
        unten = std::max(unten, ort.second);
    }
    // One ring of floor around everything: reaching it means the figure can walk away.
    Ausschnitt a(links - 1, oben - 1, rechts - links + 3, unten - oben + 3);
    for (const auto& [ort, inhalt] : tabelle.zellen)
        a.inhalt[a.index(ort)] = inhalt;
    return a;
}

// Cells the figure could ever get to, whatever is pushed or blasted: all but permanent ones.
std::vector<bool> spielraum(const Ausschnitt& a, int start, bool& offen) {
    std::vector<bool> erreicht(a.inhalt.size(), false);
    std::vector<int> offenListe{start};
    erreicht[start] = true;
    offen = false;
    while (!offenListe.empty()) {
        const int z = offenListe.back();
        offenListe.pop_back();
        if (a.amRand(z)) {
            offen = true;
            return erreicht;
        }
        for (const int n : {z - 1, z + 1, z - a.breite, z + a.breite}) {
            if (!erreicht[n] && a.inhalt[n] != Inhalt::fest) {
                erreicht[n] = true;
                offenListe.push_back(n);
            }
        }
    }
    return erreicht;
}

// Walls some TNT box could ever be pushed against. Grown to a fixed point: TNT boxes
// move over every cell that is not permanent, and a wall counts as permanent until a
// TNT box can reach it, so every wall a real game blasts ends up in the set.
std::vector<bool> sprengbareMauern(const Lager& lager, const std::vector<bool>& mauer) {
    const auto n = lager.fest.size();
    std::vector<bool> sprengbar(n, false);
    for (bool gewachsen = true; gewachsen;) {
        gewachsen = false;
        const auto frei = [&](int z) { return !lager.fest[z] && (!mauer[z] || sprengbar[z]); };
        std::vector<bool> tntDort(n, false);
        std::vector<int> offen(lager.tntKisten.begin(), lager.tntKisten.end());
        for (const int z : offen)
            tntDort[z] = true;
        while (!offen.empty()) {
            const int z = offen.back();
            offen.pop_back();
            for (int r = 0; r < 4; ++r) {
                const int d = lager.versatz(r);
                if (!frei(z - d))
                    continue;
                if (frei(z + d) && !tntDort[z + d]) {
                    tntDort[z + d] = true;
                    offen.push_back(z + d);
                } else if (mauer[z + d] && !sprengbar[z + d]) {
                    sprengbar[z + d] = true;
                    gewachsen = true;
                }
            }
        }
    }
    return sprengbar;
}

Lager lagerBauen(const Ausschnitt& a, const std::vector<bool>& erreicht, int figur,
                 int& paareDraussen) {
    int links = a.breite, rechts = 0, oben = a.hoehe, unten = 0;
    for (std::size_t i = 0; i < erreicht.size(); ++i) {
        if (!erreicht[i])
            continue;
        const int x = static_cast<int>(i) % a.breite, y = static_cast<int>(i) / a.breite;
        links = std::min(links, x), rechts = std::max(rechts, x);
        oben = std::min(oben, y), unten = std::max(unten, y);
    }
    Lager lager;
    lager.breite = rechts - links + 3;
    lager.hoehe = unten - oben + 3;
    const auto n = static_cast<std::size_t>(lager.breite) * lager.hoehe;
    if (n > 0xFFFF)
        return lager; // too large to number its cells; the caller refuses it
    lager.fest.assign(n, true);
    lager.stellplatz.assign(n, false);
    std::vector<bool> mauer(n, false);
    const auto zelle = [&](std::size_t i) {
        const int x = static_cast<int>(i) % a.breite - links + 1;
        const int y = static_cast<int>(i) / a.breite - oben + 1;
        return static_cast<Lager::Zelle>(y * lager.breite + x);
    };
    lager.figur = zelle(figur);
    paareDraussen = 0;
    for (std::size_t i = 0; i < erreicht.size(); ++i) {
        const Inhalt inhalt = a.inhalt[i];
        if (!erreicht[i]) {
            paareDraussen += inhalt == Inhalt::gestellt;
            continue;
        }
        const auto z = zelle(i);
        lager.fest[z] = inhalt == Inhalt::fest;
        mauer[z] = inhalt == Inhalt::mauer;
        lager.stellplatz[z] =
            inhalt == Inhalt::stell || inhalt == Inhalt::gestellt || inhalt == Inhalt::tntgestellt;
        if (inhalt == Inhalt::kiste || inhalt == Inhalt::gestellt)
            lager.kisten.push_back(z);
        if (inhalt == Inhalt::tnt || inhalt == Inhalt::tntgestellt)
            lager.tntKisten.push_back(z);
    }
    const auto sprengbar = sprengbareMauern(lager, mauer);
    for (std::size_t z = 0; z < n; ++z) {
        if (sprengbar[z])
            lager.mauern.push_back(static_cast<Lager::Zelle>(z));
        else if (mauer[z])
            lager.fest[z] = true;
    }
    return lager;
}

} // namespace

std::variant<Lager, Unerreichbar, Unlesbar> lagerLesen(const Brett& brett) {
    if (brett.brettGesperrt || brett.levelDatei.empty())
        return Unlesbar{"Es läuft kein Level: das Brett nimmt keine Züge an."};
    auto gelesen = tabelleLesen(brett);
    if (auto* fehler = std::get_if<Unlesbar>(&gelesen))
        return *fehler;
    const auto& tabelle = std::get<Tabelle>(gelesen);
    const Ausschnitt a = ausschnittUm(tabelle);
    const int figur = a.index(tabelle.figur);
    bool offen = false;
    const auto erreicht = spielraum(a, figur, offen);
    if (offen)
        return Unlesbar{"Das Spielfeld ist nicht geschlossen: die Figur kann es verlassen."};
    int paareDraussen = 0;
    Lager lager = lagerBauen(a, erreicht, figur, paareDraussen);
    if (lager.fest.empty())
        return Unlesbar{"Das Spielfeld ist zu groß für die Suche."};

    // The completion test compares counters; what the solver can still change is the
    // number of boxes on storage places inside the reachable part.
    const int zaehlerVersatz = brett.kistenAbgestellt - tabelle.boxPaare;
    const int noetig = brett.kistenGesamt - zaehlerVersatz - paareDraussen;
    const auto kisten = static_cast<int>(lager.kisten.size());
    if (brett.kistenGesamt == 0 || noetig > kisten)
        return Unerreichbar{};
    if (noetig < kisten)
        return Unlesbar{"Die Kistenzähler des Bretts passen nicht zu den Kisten auf dem Feld."};
    return lager;
}
