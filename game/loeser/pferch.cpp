#include "pferch.h"

#include <algorithm>

namespace {
bool wand(std::uint8_t belegung) {
    return belegung == fest || belegung == mauer;
}
} // namespace

Pferch::Pferch(const Lager& lager) : lager(lager), marke(lager.fest.size(), 0) {}

Pferch::Befund Pferch::pruefen(const Feld& feld, const std::vector<int>& weg, bool tntUebrig,
                               const Sackgasse& sackgasse) {
    if (++runde == 0) {
        std::fill(marke.begin(), marke.end(), 0);
        runde = 1;
    }
    bool gefunden = false;
    for (std::size_t z = 0; z < marke.size(); ++z) {
        if (wand(feld[z]) || weg[z] >= 0 || marke[z] == runde)
            continue;
        schuebe.clear();
        if (umgehen(feld, weg, tntUebrig, sackgasse, static_cast<Zelle>(z)) &&
            (!gefunden || schuebe.size() < beste.size())) {
            beste.swap(schuebe);
            gefunden = true;
            if (beste.empty())
                return Befund::verloren;
        }
    }
    return gefunden ? Befund::eingezaeunt : Befund::offen;
}

bool Pferch::umgehen(const Feld& feld, const std::vector<int>& weg, bool tntUebrig,
                     const Sackgasse& sackgasse, Zelle start) {
    flaeche.assign(1, start);
    marke[start] = runde;
    bool kisteOffen = false, nutzbar = true;
    for (std::size_t i = 0; i < flaeche.size(); ++i) {
        const Zelle z = flaeche[i];
        const bool objekt = feld[z] == kiste || feld[z] == tnt;
        kisteOffen |= feld[z] == kiste && !lager.stellplatz[z];
        for (int r = 0; r < 4; ++r) {
            const int v = lager.versatz(r);
            const int n = z + v;
            nutzbar &= !(tntUebrig && feld[n] == mauer);
            if (objekt && weg[z - v] >= 0) {
                nutzbar &= weg[n] < 0;
                if (feld[n] == frei && weg[n] < 0 && !(feld[z] == kiste && sackgasse(z, r)))
                    schuebe.push_back({z, static_cast<std::uint8_t>(r)});
            }
            if (!wand(feld[n]) && weg[n] < 0 && marke[n] != runde) {
                marke[n] = runde;
                flaeche.push_back(static_cast<Zelle>(n));
            }
        }
    }
    return nutzbar && kisteOffen;
}

bool Pferch::erlaubt(Zelle von, int richtung) const {
    return std::any_of(beste.begin(), beste.end(),
                       [&](const Schub& s) { return s.von == von && s.richtung == richtung; });
}
