#pragma once

#include "lager.h"

#include <cstddef>
#include <map>
#include <vector>

// Push distances of a single box to each storage place, ignoring the figure and every
// other object: the solver's lower bound is built from them.
//
// Walls only ever disappear, and each blast uses up a TNT box. So a box can reach a
// storage place only along cells that are open now or that are standing walls the TNT
// boxes still left could blast, at most as many of those as TNT boxes are left. The
// distances on that board are never longer than any real push path: with no TNT left
// they are the real walls' distances, and with TNT left they shrink as if the blasts
// had already happened wherever they help.
class Entfernungen {
  public:
    using Zelle = Lager::Zelle;
    static constexpr int unendlich = 1 << 28;

    explicit Entfernungen(const Lager& lager);

    // Cells from which no box reaches a storage place, even with every wall gone that
    // a TNT box could ever blast: a box pushed there is lost.
    const std::vector<bool>& tot() const { return totZellen; }
    const std::vector<Zelle>& ziele() const { return zielZellen; }

    // Distances (storage place by cell, row-major) for a position whose blasted walls
    // are `gesprengt`, ascending. Computed once per set of blasted walls.
    const std::vector<int>& tabelle(const std::vector<Zelle>& gesprengt);

    std::size_t speicher() const { return gespeichert; }

  private:
    std::vector<int> berechnen(const std::vector<bool>& wand, int frei) const;

    const Lager& lager;
    std::vector<Zelle> zielZellen;
    std::vector<bool> totZellen;
    std::map<std::vector<Zelle>, std::vector<int>> tabellen;
    std::size_t gespeichert = 0;
};
