#pragma once

#include "lager.h"
#include "schluessel.h"

#include <cstdint>
#include <vector>

// What stands on a cell in one position. `gedacht` marks a box that a deadlock test
// treats as a wall for the moment.
enum Belegung : std::uint8_t { frei, kiste, tnt, mauer, fest, gedacht };

// The figure's walk from one cell over the free cells of a position.
struct Gang {
    explicit Gang(std::size_t zellen) : weg(zellen, -1), vorige(zellen) {}
    std::vector<int> weg;               // steps to each cell; -1 where the figure cannot walk
    std::vector<std::uint8_t> vorige;   // direction of the last step onto a cell
    std::vector<Lager::Zelle> erreicht; // the cells reached, nearest first

    Lager::Zelle obenLinks() const;
};

// The cells of one position, laid out from its key.
class Feld {
  public:
    using Zelle = Lager::Zelle;

    Feld(const Lager& lager, const Schluessel& form);

    void belegen(const Zelle* k);
    // The figure's walk from `start` over the free cells. Only the cells reached last
    // time are cleared: most of a large board stays out of reach.
    void laufen(Gang& gang, Zelle start) const;

    std::uint8_t operator[](int z) const { return zellen[z]; }
    std::uint8_t& operator[](int z) { return zellen[z]; }

  private:
    const Lager& lager;
    const Schluessel& form;
    std::vector<std::uint8_t> basis; // the position without objects or blasts
    std::vector<std::uint8_t> zellen;
};
