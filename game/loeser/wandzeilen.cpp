#include "wandzeilen.h"

Wandzeilen::Wandzeilen(const Lager& lager) : lager(lager), zeileVon(2 * lager.fest.size(), 0) {
    const int n = static_cast<int>(lager.fest.size());
    for (int z = 0; z < n; ++z) {
        if (lager.fest[z])
            continue;
        if (lager.fest[z - 1])
            zeileAnlegen(z, 0);
        if (lager.fest[z - lager.breite])
            zeileAnlegen(z, 1);
    }
}

// The cells from `anfang` up to the next permanent cell along `achse`; a row when one
// side of it is permanent all along.
void Wandzeilen::zeileAnlegen(int anfang, int achse) {
    const int schritt = achse == 0 ? 1 : lager.breite;
    const int quer = achse == 0 ? lager.breite : 1;
    Zeile zeile{anfang, schritt, 0, 0};
    bool davor = true, dahinter = true;
    for (int c = anfang; !lager.fest[c]; c += schritt) {
        davor = davor && lager.fest[c - quer];
        dahinter = dahinter && lager.fest[c + quer];
        zeile.stellplaetze += lager.stellplatz[c];
        ++zeile.laenge;
    }
    if (!davor && !dahinter)
        return;
    zeilen.push_back(zeile);
    for (int i = 0; i < zeile.laenge; ++i)
        zeileVon[2 * static_cast<std::size_t>(anfang + i * schritt) + achse] =
            static_cast<std::uint32_t>(zeilen.size());
}

bool Wandzeilen::ueberfuellt(const Feld& feld, Zelle z) const {
    for (int achse = 0; achse < 2; ++achse) {
        const std::uint32_t nummer = zeileVon[2 * std::size_t{z} + achse];
        if (nummer == 0)
            continue;
        const Zeile& zeile = zeilen[nummer - 1];
        int kisten = 0;
        for (int i = 0, c = zeile.anfang; i < zeile.laenge; ++i, c += zeile.schritt)
            kisten += feld[c] == kiste;
        if (kisten > zeile.stellplaetze)
            return true;
    }
    return false;
}
