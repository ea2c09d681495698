#include "pruefung.h"

#include "levelmodell.h"

#include <algorithm>

std::vector<Problem> levelPruefen(const Levelmodell& modell) {
    std::vector<Problem> probleme;
    const Zaehlung z = modell.zaehlen();
    if (!modell.figur())
        probleme.push_back({"Die Figur fehlt.", true});
    if (z.eintraege > Levelmodell::hoechstEintraege)
        probleme.push_back({"Das Level braucht " + std::to_string(z.eintraege) +
                                " Einträge, das Spiel fasst höchstens " +
                                std::to_string(Levelmodell::hoechstEintraege) + ".",
                            true});
    if (z.kisten == 0)
        probleme.push_back({"Das Level hat keine Kiste.", false});
    if (z.stellplaetze < z.kisten)
        probleme.push_back({"Es gibt weniger Stellplätze (" + std::to_string(z.stellplaetze) +
                                ") als Kisten (" + std::to_string(z.kisten) + ").",
                            false});
    return probleme;
}

bool speichernGesperrt(const std::vector<Problem>& probleme) {
    return std::any_of(probleme.begin(), probleme.end(), [](const Problem& p) { return p.sperrt; });
}
