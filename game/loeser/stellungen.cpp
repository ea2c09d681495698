#include "stellungen.h"

#include <algorithm>

namespace {
constexpr std::uint64_t markenMaske = 0xFFFFFFFF00000000ull;
}

// The table takes the low bits, so every input bit must reach them: a multiply per
// cell, then a full final mix.
std::uint64_t Stellungen::streuwert(const Zelle* k, std::size_t laenge) {
    std::uint64_t h = 0x9E3779B97F4A7C15ull;
    for (std::size_t i = 0; i < laenge; ++i)
        h = (h ^ k[i]) * 0xBF58476D1CE4E5B9ull;
    h ^= h >> 31;
    h *= 0x94D049BB133111EBull;
    return h ^ (h >> 29);
}

std::pair<std::uint32_t, bool> Stellungen::eintragen(const std::vector<Zelle>& k) {
    if ((knoten.size() + 1) * 2 > tabelle.size())
        vergroessern();
    const std::size_t maske = tabelle.size() - 1;
    const std::uint64_t streu = streuwert(k.data(), k.size());
    const std::uint64_t marke = streu & markenMaske;
    for (std::size_t i = streu & maske;; i = (i + 1) & maske) {
        if (tabelle[i] == 0) {
            tabelle[i] = marke | (knoten.size() + 1);
            schluessel.insert(schluessel.end(), k.begin(), k.end());
            knoten.emplace_back();
            return {static_cast<std::uint32_t>(knoten.size() - 1), true};
        }
        if ((tabelle[i] & markenMaske) != marke)
            continue;
        const auto vorhanden = static_cast<std::uint32_t>(tabelle[i] - 1);
        if (std::equal(k.begin(), k.end(), schluesselVon(vorhanden)))
            return {vorhanden, false};
    }
}

void Stellungen::vormerken(const std::vector<Zelle>& k) const {
    if (!tabelle.empty())
        __builtin_prefetch(&tabelle[streuwert(k.data(), k.size()) & (tabelle.size() - 1)]);
}

void Stellungen::vergroessern() {
    std::vector<std::uint64_t> neu(std::max<std::size_t>(1024, tabelle.size() * 2), 0);
    const std::size_t maske = neu.size() - 1;
    for (std::uint32_t id = 0; id < knoten.size(); ++id) {
        const std::uint64_t streu = streuwert(schluesselVon(id), laenge);
        std::size_t i = streu & maske;
        while (neu[i] != 0)
            i = (i + 1) & maske;
        neu[i] = (streu & markenMaske) | (id + 1);
    }
    tabelle.swap(neu);
}

std::size_t Stellungen::zuwachs() const {
    std::size_t mehr = 0;
    if ((knoten.size() + 2) * 2 > tabelle.size())
        mehr += 2 * tabelle.size() * sizeof(std::uint64_t);
    if (knoten.size() == knoten.capacity())
        mehr += knoten.capacity() * sizeof(Knoten);
    if (schluessel.size() + laenge > schluessel.capacity())
        mehr += schluessel.capacity() * sizeof(Zelle);
    return mehr;
}

std::size_t Stellungen::speicher() const {
    return schluessel.capacity() * sizeof(Zelle) + knoten.capacity() * sizeof(Knoten) +
           tabelle.capacity() * sizeof(std::uint64_t);
}
