#pragma once

#include "feld.h"
#include "lager.h"

#include <cstdint>
#include <vector>

// The free cells of a position split into blocks: parts that stay connected when any one
// cell is taken out. Two free neighbours of a cell stay connected around it, once a box
// stands there, exactly when their edges to it lie in the same block. So one pass over
// the board answers which sides of a box the figure reaches, wherever the box stands,
// instead of one walk per box cell.
class Bloecke {
  public:
    using Zelle = Lager::Zelle;

    explicit Bloecke(const Lager& lager);

    // The blocks of the free cells of `feld` connected to `wurzel`.
    void zerlegen(const Feld& feld, Zelle wurzel);

    // Whether the neighbours of `z` in directions r and s (both free) stay connected when a
    // box stands on `z`; `z` must be connected to the root.
    bool verbunden(Zelle z, int r, int s) const { return block[z * 4 + r] == block[z * 4 + s]; }

  private:
    void schliessen(Zelle kind, Zelle eltern, int richtung);

    const Lager& lager;
    std::vector<std::uint32_t> entdeckt; // 0: not reached in this pass
    std::vector<std::uint32_t> tiefste;  // the earliest cell reached from its subtree
    std::vector<std::uint32_t> block;    // by cell * 4 + direction
    std::vector<Zelle> besucht;
    std::vector<int> kanten; // cell * 4 + direction, of the block still open
    struct Rahmen {
        Zelle zelle;
        std::uint8_t naechste; // the next direction to look at
        std::uint8_t herkunft; // the direction of the step onto this cell; 4 at the root
    };
    std::vector<Rahmen> stapel;
    std::uint32_t uhr = 0;
    std::uint32_t bloecke = 0;
};
