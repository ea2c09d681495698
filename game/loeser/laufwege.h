#pragma once

#include "lager.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// A lower bound on the figure's walking. Before a box is pushed for the first time the
// figure must stand next to it, so its path visits the neighbourhood of every box that
// is not yet on a storage place. A path from the figure through all of them is a tree
// that connects them, hence it is at least as long as the cheapest such tree, with
// edges at the shortest distance between two neighbourhoods. After the last
// neighbourhood is reached, that box still needs all of its pushes. Distances are
// taken on the board without any object and without the walls a TNT box could blast,
// so they are never longer than a real walk.
class Laufwege {
  public:
    using Zelle = Lager::Zelle;

    explicit Laufwege(const Lager& lager);

    // Steps at the fewest for the figure at `figur` to visit every box of `offen` and
    // push the last one `restPushes` times (the smallest push distance among them).
    int schranke(Zelle figur, const std::vector<Zelle>& offen, int restPushes);

    std::size_t speicher() const {
        return (zurKiste.capacity() + zwischen.capacity()) * sizeof(std::uint16_t);
    }

  private:
    std::vector<std::size_t> nachbarn(std::size_t zelle) const;

    const Lager& lager;
    int zellen = 0;
    // Both n × n, empty when the board is too large for them: by the box's cell, the
    // steps from each cell to the nearest neighbour of the box, and from the box's
    // neighbourhood to the nearest neighbour of each other cell.
    std::vector<std::uint16_t> zurKiste;
    std::vector<std::uint16_t> zwischen;
    std::vector<int> bester;
    std::vector<bool> imBaum;
};
