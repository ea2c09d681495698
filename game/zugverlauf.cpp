#include "game/zugverlauf.h"

#include "game/zeichenflaeche.h"
#include "game/zeichnen.h"

#include <algorithm>
#include <cmath>

namespace {

bool aufDemBild(int x, int y) {
    return x >= 0 && x < Brett::spalten * Brett::zelle && y >= 0 &&
           y < Brett::zeilen * Brett::zelle;
}

// Draws each cell as the table has it now, floor as "blank", then the figure.
void zellenZeichnen(const Brett& brett, Zeichenflaeche& flaeche,
                    const std::vector<std::pair<int, int>>& zellen) {
    for (const auto& [x, y] : zellen) {
        const std::string kachel = kachelFuerArt(brett.suchen(x, y).art);
        flaeche.copypic(kachel.empty() ? "blank" : kachel, x, y);
    }
    figurZeichnen(brett, flaeche);
}

} // namespace

Zugergebnis Zugverlauf::ziehen(Brett& brett, int keyCode, Zeichenflaeche& flaeche) {
    const Zugergebnis ergebnis = schrittMerken(brett, keyCode, flaeche);
    if (ergebnis.geschritten)
        vorTasten.clear();
    return ergebnis;
}

Zugergebnis Zugverlauf::schrittMerken(Brett& brett, int keyCode, Zeichenflaeche& flaeche) {
    Schritt schritt{keyCode,
                    brett.spielerX,
                    brett.spielerY,
                    brett.aufStellplatz,
                    brett.schritte,
                    brett.kistenAbgestellt,
                    {}};
    const Zugergebnis ergebnis = tasteVerarbeiten(brett, keyCode, flaeche, &schritt.eintraege);
    if (ergebnis.geschritten)
        zurueckSchritte.push_back(std::move(schritt));
    return ergebnis;
}

bool Zugverlauf::zurueck(Brett& brett, Zeichenflaeche& flaeche) {
    if (brett.brettGesperrt || zurueckSchritte.empty())
        return false;
    const Schritt& s = zurueckSchritte.back();
    if (brett.kistenGesamt != 0 && s.kistenAbgestellt == brett.kistenGesamt)
        return false;

    std::vector<std::pair<int, int>> zellen{{static_cast<int>(std::nearbyint(brett.spielerX)),
                                             static_cast<int>(std::nearbyint(brett.spielerY))}};
    for (const auto& e : s.eintraege) {
        const auto& jetzt = brett.felder[e.index];
        zellen.emplace_back(jetzt.x, jetzt.y);
        zellen.emplace_back(e.vorher.x, e.vorher.y);
        brett.felder[e.index] = e.vorher;
    }
    brett.spielerX = s.spielerX;
    brett.spielerY = s.spielerY;
    brett.aufStellplatz = s.aufStellplatz;
    brett.schritte = s.schritte;
    brett.kistenAbgestellt = s.kistenAbgestellt;

    std::erase_if(zellen, [](const auto& z) { return !aufDemBild(z.first, z.second); });
    std::sort(zellen.begin(), zellen.end());
    zellen.erase(std::unique(zellen.begin(), zellen.end()), zellen.end());
    zellenZeichnen(brett, flaeche, zellen);

    vorTasten.push_back(s.keyCode);
    zurueckSchritte.pop_back();
    return true;
}

Zugergebnis Zugverlauf::vor(Brett& brett, Zeichenflaeche& flaeche) {
    if (vorTasten.empty())
        return {};
    const Zugergebnis ergebnis = schrittMerken(brett, vorTasten.back(), flaeche);
    if (ergebnis.geschritten)
        vorTasten.pop_back();
    return ergebnis;
}

void Zugverlauf::leeren() {
    zurueckSchritte.clear();
    vorTasten.clear();
}
