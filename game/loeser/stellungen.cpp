#include "stellungen.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {
constexpr std::size_t kleinsteTabelle = 1024;
constexpr std::uint64_t nummernMaske = Stellungen::hoechstens;
} // namespace

Stellungen::Stellungen(const Packung& packung) : packung(packung) {}

// The slot comes from the top bits, the mark from all but the lowest: every cell must
// reach the top, so a multiply per cell, then a full final mix.
std::uint64_t Stellungen::streuwert(const std::vector<Zelle>& k) {
    std::uint64_t h = 0x9E3779B97F4A7C15ull;
    for (const Zelle z : k)
        h = (h ^ z) * 0xBF58476D1CE4E5B9ull;
    h ^= h >> 31;
    h *= 0x94D049BB133111EBull;
    return h ^ (h >> 29);
}

std::size_t Stellungen::heimat(std::uint64_t eintrag) const {
    return eintrag >> (64 - std::countr_zero(tabelle.size()));
}

// The slot that holds the packed key, or the empty slot where it belongs.
std::size_t Stellungen::platz(const std::uint8_t* gepackt, std::uint64_t streu) const {
    const std::size_t maske = tabelle.size() - 1;
    const std::uint64_t marke = streu & ~nummernMaske;
    for (std::size_t i = heimat(streu);; i = (i + 1) & maske) {
        if (tabelle[i] == 0)
            return i;
        if ((tabelle[i] & ~nummernMaske) == marke &&
            std::memcmp(gepackt, schluesselAn((tabelle[i] & nummernMaske) - 1), packung.bytes()) ==
                0)
            return i;
    }
}

// A key found never grows the table; only one that is about to be added does.
std::pair<std::uint32_t, bool> Stellungen::eintragen(const std::vector<Zelle>& k) {
    if (tabelle.empty())
        vergroessern();
    const std::uint8_t* gepackt = packung.packen(k.data());
    const std::uint64_t streu = streuwert(k);
    std::size_t i = platz(gepackt, streu);
    if (tabelle[i] != 0)
        return {static_cast<std::uint32_t>((tabelle[i] & nummernMaske) - 1), false};
    if (mussWachsen()) {
        vergroessern();
        i = platz(gepackt, streu);
    }
    tabelle[i] = (streu & ~nummernMaske) | (zahl + 1);
    if (zahl % block == 0) {
        schluessel.push_back(
            std::make_unique_for_overwrite<std::uint8_t[]>(block * packung.bytes()));
        knoten.push_back(std::make_unique<Knoten[]>(block));
    }
    std::memcpy(&schluessel.back()[zahl % block * packung.bytes()], gepackt, packung.bytes());
    return {static_cast<std::uint32_t>(zahl++), true};
}

void Stellungen::vormerken(const std::vector<Zelle>& k) const {
    if (!tabelle.empty())
        __builtin_prefetch(&tabelle[heimat(streuwert(k))]);
}

// Linear probing stays short up to three quarters full; a table that may no longer
// grow takes up to seven eighths, at a few more probes per look-up.
bool Stellungen::mussWachsen() const {
    const std::size_t teile = dicht ? 8 : 4;
    return (zahl + 1) * teile > tabelle.size() * (teile - 1);
}

// A slot's mark holds the top bits of its hash, so it finds its new place without
// its key being read again.
void Stellungen::vergroessern() {
    std::vector<std::uint64_t> alt(std::max(kleinsteTabelle, tabelle.size() * 2), 0);
    tabelle.swap(alt);
    const std::size_t maske = tabelle.size() - 1;
    for (const std::uint64_t eintrag : alt) {
        if (eintrag == 0)
            continue;
        std::size_t i = heimat(eintrag);
        while (tabelle[i] != 0)
            i = (i + 1) & maske;
        tabelle[i] = eintrag;
    }
}

// The bytes the next new position would add: a new block, a table twice the size
// while the old one is still there.
std::size_t Stellungen::zuwachs() const {
    std::size_t mehr = zahl % block == 0 ? block * (sizeof(Knoten) + packung.bytes()) : 0;
    if (mussWachsen())
        mehr += std::max(kleinsteTabelle, tabelle.size() * 2) * sizeof(std::uint64_t);
    return mehr;
}

bool Stellungen::passt(std::size_t frei) {
    if (zuwachs() <= frei)
        return true;
    dicht = true;
    return zuwachs() <= frei;
}

std::size_t Stellungen::speicher() const {
    return schluessel.size() * block * (sizeof(Knoten) + packung.bytes()) +
           tabelle.capacity() * sizeof(std::uint64_t);
}
