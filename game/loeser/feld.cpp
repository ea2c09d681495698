#include "feld.h"

#include <algorithm>
#include <cstring>

Lager::Zelle Gang::obenLinks() const {
    return *std::min_element(erreicht.begin(), erreicht.end());
}

Feld::Feld(const Lager& lager, const Schluessel& form)
    : lager(lager), form(form), basis(lager.fest.size(), frei), zellen(basis.size()) {
    for (std::size_t z = 0; z < basis.size(); ++z)
        basis[z] = lager.fest[z] ? fest : frei;
    for (const Zelle m : lager.mauern)
        basis[m] = mauer;
}

void Feld::belegen(const Zelle* k) {
    std::memcpy(zellen.data(), basis.data(), basis.size());
    const std::size_t tntEnde = form.tntEnde(k);
    for (std::size_t i = tntEnde; i < form.laenge; ++i)
        zellen[k[i]] = frei;
    for (std::size_t i = form.kistenAnfang(); i < form.kistenEnde(); ++i)
        zellen[k[i]] = kiste;
    for (std::size_t i = form.tntAnfang(); i < tntEnde; ++i)
        zellen[k[i]] = tnt;
}

void Feld::laufen(Gang& gang, Zelle start) const {
    for (const Zelle z : gang.erreicht)
        gang.weg[z] = -1;
    gang.erreicht.assign(1, start);
    gang.weg[start] = 0;
    for (std::size_t k = 0; k < gang.erreicht.size(); ++k) {
        const Zelle z = gang.erreicht[k];
        for (int r = 0; r < 4; ++r) {
            const int n = z + lager.versatz(r);
            if (zellen[n] != frei || gang.weg[n] >= 0)
                continue;
            gang.weg[n] = gang.weg[z] + 1;
            gang.vorige[n] = static_cast<std::uint8_t>(r);
            gang.erreicht.push_back(static_cast<Zelle>(n));
        }
    }
}
