#include "packung.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

int bitsFuer(std::size_t werte) {
    return werte <= 1 ? 0 : std::bit_width(werte - 1);
}

// A stream of bits over 64-bit words, the first bit the lowest of the first word.
// Values of up to 16 bits; the words hold one more than the stream needs, so a value
// that crosses into the next word never writes past the end.
struct Bitzeiger {
    std::uint64_t* worte;
    std::size_t stelle;

    void schreiben(std::uint64_t wert, int bits) {
        const std::size_t w = stelle / 64, b = stelle % 64;
        worte[w] |= wert << b;
        if (b + bits > 64)
            worte[w + 1] |= wert >> (64 - b);
        stelle += bits;
    }
    std::uint16_t lesen(int bits) {
        const std::size_t w = stelle / 64, b = stelle % 64;
        std::uint64_t wert = worte[w] >> b;
        if (b + bits > 64)
            wert |= worte[w + 1] << (64 - b);
        stelle += bits;
        return static_cast<std::uint16_t>(wert & ((std::uint64_t{1} << bits) - 1));
    }
};

} // namespace

Packung::Nummern Packung::nummerieren(const std::vector<bool>& dabei) {
    Nummern n;
    n.nummer.assign(dabei.size(), 0);
    for (std::size_t z = 0; z < dabei.size(); ++z) {
        if (dabei[z]) {
            n.nummer[z] = static_cast<std::uint16_t>(n.zelle.size());
            n.zelle.push_back(static_cast<Zelle>(z));
        }
    }
    n.bits = bitsFuer(n.zelle.size());
    return n;
}

Packung::Packung(const Lager& lager, const Schluessel& form, const std::vector<bool>& tot)
    : kisten(form.kisten), plaetze(form.laenge - 2 - form.kisten) {
    std::vector<bool> offen(lager.fest.size()), kistenOrt(lager.fest.size());
    for (std::size_t z = 0; z < offen.size(); ++z) {
        offen[z] = !lager.fest[z];
        kistenOrt[z] = offen[z] && !tot[z];
    }
    for (const Zelle z : lager.kisten)
        kistenOrt[z] = true;
    kistenfelder = nummerieren(kistenOrt);
    felder = nummerieren(offen);
    anzahlBits = bitsFuer(plaetze + 1);
    // The set takes a bit a cell; the split form, with the low `tief` bits apart, a bit
    // a box and a bit for each value the high bits can take. The shortest of them.
    const std::size_t n = kistenfelder.zelle.size();
    hoch = n;
    for (int l = 0; kisten > 0 && l <= kistenfelder.bits; ++l) {
        const std::size_t oben = ((n - 1) >> l) + kisten;
        if (oben + kisten * l < hoch + kisten * tief) {
            menge = false;
            tief = l;
            hoch = oben;
        }
    }
    const std::size_t bits = hoch + kisten * tief + (1 + plaetze) * felder.bits + anzahlBits;
    laenge = (bits + 7) / 8;
    worte.resize(bits / 64 + 2);
}

const std::uint8_t* Packung::packen(const Zelle* k) const {
    std::fill(worte.begin(), worte.end(), 0);
    Bitzeiger zeiger{worte.data(), hoch};
    for (std::size_t i = 0; i < kisten; ++i) {
        const std::size_t nummer = kistenfelder.nummer[k[1 + i]];
        const std::size_t stelle = (nummer >> tief) + (menge ? 0 : i);
        worte[stelle / 64] |= std::uint64_t{1} << (stelle % 64);
        zeiger.schreiben(nummer & ((1u << tief) - 1), tief);
    }
    zeiger.schreiben(felder.nummer[k[0]], felder.bits);
    zeiger.schreiben(k[1 + kisten], anzahlBits);
    for (std::size_t i = 2 + kisten; i < 2 + kisten + plaetze; ++i)
        zeiger.schreiben(felder.nummer[k[i]], felder.bits);
    return reinterpret_cast<const std::uint8_t*>(worte.data());
}

void Packung::entpacken(const std::uint8_t* quelle, std::vector<Zelle>& k) const {
    std::fill(worte.begin(), worte.end(), 0);
    std::memcpy(worte.data(), quelle, laenge);
    k.resize(2 + kisten + plaetze);
    Bitzeiger zeiger{worte.data(), hoch};
    std::size_t i = 0;
    for (std::size_t w = 0; i < kisten; ++w) {
        // The set's last word goes on with the bits after it: stop at the last box.
        for (std::uint64_t wort = worte[w]; wort != 0 && i < kisten; wort &= wort - 1, ++i) {
            const std::size_t oben = w * 64 + std::countr_zero(wort) - (menge ? 0 : i);
            k[1 + i] = kistenfelder.zelle[oben << tief | zeiger.lesen(tief)];
        }
    }
    k[0] = felder.zelle[zeiger.lesen(felder.bits)];
    k[1 + kisten] = zeiger.lesen(anzahlBits);
    for (std::size_t j = 2 + kisten; j < k.size(); ++j)
        k[j] = felder.zelle[zeiger.lesen(felder.bits)];
}
