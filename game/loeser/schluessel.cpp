#include "schluessel.h"

#include <algorithm>
#include <utility>

std::vector<Schluessel::Zelle> Schluessel::start(const Lager& lager) const {
    std::vector<Zelle> k{lager.figur};
    k.insert(k.end(), lager.kisten.begin(), lager.kisten.end());
    k.push_back(static_cast<Zelle>(lager.tntKisten.size()));
    k.insert(k.end(), lager.tntKisten.begin(), lager.tntKisten.end());
    return k;
}

void Schluessel::verschieben(std::vector<Zelle>& k, std::size_t i, Zelle nach, std::size_t anfang,
                             std::size_t ende) {
    k[i] = nach;
    while (i > anfang && k[i - 1] > k[i]) {
        std::swap(k[i - 1], k[i]);
        --i;
    }
    while (i + 1 < ende && k[i + 1] < k[i]) {
        std::swap(k[i + 1], k[i]);
        ++i;
    }
}

void Schluessel::sprengen(std::vector<Zelle>& k, std::size_t i, Zelle wand) const {
    k.erase(k.begin() + static_cast<long>(i));
    --k[1 + kisten];
    const auto anfang = k.begin() + static_cast<long>(tntEnde(k.data()));
    k.insert(std::upper_bound(anfang, k.end(), wand), wand);
}

std::size_t Schluessel::objektIndex(const std::vector<Zelle>& k, Zelle z) const {
    const auto anfang = k.begin() + static_cast<long>(kistenAnfang());
    const auto kistenBis = k.begin() + static_cast<long>(kistenEnde());
    const auto kiste = std::find(anfang, kistenBis, z);
    if (kiste != kistenBis)
        return static_cast<std::size_t>(kiste - k.begin());
    const auto tntVon = k.begin() + static_cast<long>(tntAnfang());
    return static_cast<std::size_t>(
        std::find(tntVon, k.begin() + static_cast<long>(tntEnde(k.data())), z) - k.begin());
}
