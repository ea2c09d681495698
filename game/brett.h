#pragma once

#include <array>
#include <cstdint>
#include <string>

// One placed object of the board. Positions are board pixels, 24 to a cell.
struct Feldobjekt {
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::string art;          // kind word; empty for a free entry
    std::int16_t partner = 0; // companion entry of a box-on-storage-place pair

    bool operator==(const Feldobjekt&) const = default;
};

// What the lookup of one position found: the kind word and the table index.
struct Fund {
    std::string art;
    int index = 0;
};

// The board of the level in play: a fixed table of placed objects, not a grid.
// A position without an entry is floor; the highest index at a position wins.
class Brett {
  public:
    static constexpr int feldAnzahl = 1001; // indices 0 to 1000
    static constexpr int zelle = 24;        // pixels per cell
    static constexpr int spalten = 23;
    static constexpr int zeilen = 18;
    static constexpr int abseits = -2000; // free entries and the figure before a level
    static constexpr int geparkt = 2000;  // x of an entry that has left play

    std::array<Feldobjekt, feldAnzahl> felder{};
    int belegt = 0;     // index of the last entry in use
    int randAnzahl = 0; // number of permanent border entries

    double spielerX = abseits;
    double spielerY = abseits;
    std::int16_t aufStellplatz = 0; // -1 while the figure stands on a storage place

    int schritte = 0;
    bool lesezeichenGenutzt = false; // a bookmark was recalled since the level started
    std::int16_t kistenAbgestellt = 0;
    std::int16_t kistenGesamt = 0;
    bool brettGesperrt = false;
    bool geschafft = false;
    std::string levelDatei;

    // Lays the permanent border around the 23 by 18 cells, once at program start.
    void randAnlegen();

    // Appends an entry after `belegt`; false when the table is full.
    bool anhaengen(std::string art, std::int16_t x, std::int16_t y, std::int16_t partner = 0);

    // Puts every free entry far off the board, so that no lookup can match it.
    void freieAbseitsStellen();

    // What stands at (x, y): the last matching entry wins; floor is the empty kind.
    Fund suchen(double x, double y) const;
};
