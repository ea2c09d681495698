#include "pferch.h"

#include <algorithm>
#include <limits>

namespace {
bool wand(std::uint8_t belegung) {
    return belegung == fest || belegung == mauer;
}
bool objekt(std::uint8_t belegung) {
    return belegung == kiste || belegung == tnt;
}
} // namespace

Pferch::Pferch(const Lager& lager) : lager(lager), marke(lager.fest.size(), 0) {}

Pferch::Befund Pferch::pruefen(Feld& feld, const std::vector<int>& weg, bool tntUebrig,
                               const Sackgasse& sackgasse) {
    if (runde > std::numeric_limits<std::uint32_t>::max() - marke.size()) {
        std::fill(marke.begin(), marke.end(), 0);
        runde = 0;
    }
    // Areas may touch; a cell that joined an area of this look starts none of its own.
    const std::uint32_t ersteRunde = runde + 1;
    bool gefunden = false;
    for (std::size_t z = 0; z < marke.size(); ++z) {
        if (wand(feld[z]) || weg[z] >= 0 || marke[z] >= ersteRunde)
            continue;
        ++runde;
        if (!umgehen(feld, weg, tntUebrig, static_cast<Zelle>(z)))
            continue;
        sackgassenStreichen(feld, sackgasse);
        if (!gefunden || schuebe.size() < beste.size()) {
            beste.swap(schuebe);
            gefunden = true;
            if (beste.empty())
                return Befund::verloren;
        }
    }
    return gefunden ? Befund::eingezaeunt : Befund::offen;
}

void Pferch::aufnehmen(int z) {
    if (marke[z] != runde) {
        marke[z] = runde;
        flaeche.push_back(static_cast<Zelle>(z));
    }
}

bool Pferch::umgehen(const Feld& feld, const std::vector<int>& weg, bool tntUebrig, Zelle start) {
    flaeche.clear();
    schuebe.clear();
    aufnehmen(start);
    bool kisteOffen = false, nutzbar = true;
    // The whole area is walked even when it cannot be taken: its cells start no other.
    for (std::size_t i = 0; i < flaeche.size(); ++i) {
        const Zelle z = flaeche[i];
        const bool beweglich = objekt(feld[z]);
        kisteOffen |= feld[z] == kiste && !lager.stellplatz[z];
        for (int r = 0; r < 4; ++r) {
            const int n = z + lager.versatz(r);
            nutzbar &= !(tntUebrig && feld[n] == mauer);
            if (!wand(feld[n]) && weg[n] < 0 && (feld[n] == frei || !beweglich))
                aufnehmen(n);
        }
        for (int r = 0; r < 4 && beweglich; ++r) {
            const int v = lager.versatz(r);
            const int hinter = z - v, vor = z + v;
            const bool hinein = marke[vor] == runde && feld[vor] == frei;
            if (wand(feld[hinter]) || marke[hinter] == runde || wand(feld[vor]) ||
                (marke[vor] == runde && !hinein))
                continue;
            // Behind the object stands a cell outside the area: a cell the figure reaches,
            // or an object that might make way for it. (An object before it is one behind
            // it for the push the other way.)
            if (feld[hinter] != frei)
                aufnehmen(hinter);
            else if (hinein)
                schuebe.push_back({z, static_cast<std::uint8_t>(r)});
            else if (feld[vor] == frei)
                nutzbar = false; // the object can be pushed out of the area now
        }
    }
    return nutzbar && kisteOffen;
}

void Pferch::sackgassenStreichen(Feld& feld, const Sackgasse& sackgasse) {
    draussen.clear();
    for (std::size_t z = 0; z < marke.size(); ++z) {
        if (objekt(feld[z]) && marke[z] != runde) {
            draussen.push_back({static_cast<Zelle>(z), feld[z]});
            feld[z] = frei;
        }
    }
    std::erase_if(schuebe, [&](const Schub& s) {
        return feld[s.von] == kiste && sackgasse(s.von, s.richtung);
    });
    for (const auto& [z, belegung] : draussen)
        feld[z] = belegung;
}

bool Pferch::erlaubt(Zelle von, int richtung) const {
    return std::any_of(beste.begin(), beste.end(),
                       [&](const Schub& s) { return s.von == von && s.richtung == richtung; });
}
