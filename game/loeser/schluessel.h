#pragma once

#include "lager.h"

#include <cstddef>
#include <vector>

// A position as a key of fixed length: the figure, the boxes, the number of TNT boxes
// left, those TNT boxes, then the walls blasted so far; each list ascending. TNT boxes
// and blasted walls add up to the TNT boxes of the start.
class Schluessel {
  public:
    using Zelle = Lager::Zelle;

    Schluessel(std::size_t kisten, std::size_t tnt) : kisten(kisten), laenge(2 + kisten + tnt) {}

    std::vector<Zelle> start(const Lager& lager) const;

    std::size_t kistenAnfang() const { return 1; }
    std::size_t kistenEnde() const { return 1 + kisten; }
    std::size_t tntAnfang() const { return 2 + kisten; }
    std::size_t tntEnde(const Zelle* k) const { return tntAnfang() + k[1 + kisten]; }

    // Moves the object at index i to `nach`, keeping its list ascending.
    static void verschieben(std::vector<Zelle>& k, std::size_t i, Zelle nach, std::size_t anfang,
                            std::size_t ende);

    // The TNT box at index i and the wall at `wand` go; the wall joins the blasted ones.
    void sprengen(std::vector<Zelle>& k, std::size_t i, Zelle wand) const;

    std::vector<Zelle> gesprengt(const Zelle* k) const { return {k + tntEnde(k), k + laenge}; }

    // Where the box or TNT box on cell `z` stands in the key.
    std::size_t objektIndex(const std::vector<Zelle>& k, Zelle z) const;

    std::size_t kisten;
    std::size_t laenge;
};
