#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

class Brett;

// The board of a started level read as a grid of cells, the form the solver searches
// in. Cells are numbered row by row; a ring of permanent cells closes the grid, so a
// neighbour of a cell that is not permanent is always inside.
// The checker's letters for the four directions, in the order of Lager::versatz, which is
// also the order of the cursor key codes.
inline constexpr char zugTasten[] = {'l', 'o', 'r', 'u'};

struct Lager {
    using Zelle = std::uint16_t;

    int breite = 0;
    int hoehe = 0;
    Zelle figur = 0;
    std::vector<bool> fest;       // border, unknown kinds, everything the figure cannot reach
    std::vector<bool> stellplatz; // storage places, with or without a box on them
    std::vector<Zelle> mauern;    // blastable walls, ascending
    std::vector<Zelle> kisten;    // ordinary boxes, ascending
    std::vector<Zelle> tntKisten; // TNT boxes, ascending
    // Left (x−1), up (y−1), right (x+1), down (y+1), as the cursor keys.
    int versatz(int richtung) const {
        constexpr int dx[] = {-1, 0, 1, 0};
        constexpr int dy[] = {0, -1, 0, 1};
        return dx[richtung] + dy[richtung] * breite;
    }
    int x(Zelle z) const { return z % breite; }
    int y(Zelle z) const { return z / breite; }
};

// Why a board cannot be searched: a German sentence naming the place.
struct Unlesbar {
    std::string grund;
};

// What the solver knows before it searches: the grid, or that the level can never be
// completed, or why the board cannot be read as a grid at all.
struct Unerreichbar {}; // the completion test can never succeed

std::variant<Lager, Unerreichbar, Unlesbar> lagerLesen(const Brett& brett);
