#pragma once

#include "feld.h"
#include "lager.h"

#include <cstdint>
#include <vector>

// Rows of cells along a permanent wall, closed at both ends by permanent cells: a box on
// such a row can never leave it, for pushing it off the wall needs the figure inside the
// wall, and the ends hold it along the row. Walls a TNT box may still blast count as
// open, so no row ends at one or runs along one. More boxes on a row than storage places
// on it is a position that can never be completed.
class Wandzeilen {
  public:
    using Zelle = Lager::Zelle;

    explicit Wandzeilen(const Lager& lager);

    // Whether a row through `z` holds more boxes in `feld` than it has storage places.
    bool ueberfuellt(const Feld& feld, Zelle z) const;

  private:
    struct Zeile {
        int anfang;
        int schritt; // 1 along a row of the grid, `breite` along a column
        int laenge;
        int stellplaetze;
    };
    void zeileAnlegen(int anfang, int achse);

    const Lager& lager;
    std::vector<Zeile> zeilen;
    // Per cell and axis (0 along the grid's rows, 1 along its columns): index + 1 of its
    // row in `zeilen`, 0 where none runs.
    std::vector<std::uint32_t> zeileVon;
};
