#pragma once

#include "lager.h"

#include <vector>

// One-wide corridors, for the fast search: a box pushed into one goes on to its end.
// A box pushed onto a cell c between two permanent cells can next be pushed only along
// the corridor. When c is no storage place it must move again, and when every way from
// the cell behind it to the cell ahead leads through c (blastable walls counted as open),
// the figure stays on its side until it pushes the box on: whatever it does meanwhile
// neither reaches the cells ahead nor needs the box on c. So the position after the next
// push solves whenever the one before it does, and the search may go on at once.
class Tunnel {
  public:
    using Zelle = Lager::Zelle;

    explicit Tunnel(const Lager& lager);

    // Whether a box pushed onto `z` in `richtung` (as Lager::versatz) goes on.
    bool weiter(int z, int richtung) const {
        return durch[static_cast<std::size_t>(z) * 4 + richtung];
    }

  private:
    std::vector<bool> durch;
};
