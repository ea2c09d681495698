#pragma once

#include "levelmodell.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

enum class Werkzeug { mauer, kiste, stell, gestellt, tnt, tntgestellt, figur, boden };

struct Werkzeugangabe {
    Werkzeug werkzeug;
    const char* name;    // German, for the palette
    const char* hinweis; // German tooltip
    char taste;          // the key that chooses it
    const char* kachel;  // the tile it is shown with
};

// The palette, in the order it is shown.
extern const std::array<Werkzeugangabe, 8> werkzeuge;

const Werkzeugangabe& angabe(Werkzeug w);

// The tool of key `taste` (upper case letter); none for other keys.
std::optional<Werkzeug> werkzeugFuerTaste(char taste);

// The tile the game draws for the object on a cell: its floor tile for an empty cell.
std::string kachelFuer(Objekt o);

// The cells of the straight line from `von` to `bis`, both included, each beside or
// diagonal to the one before: a quick mouse stroke reports only some of the cells it crosses.
std::vector<Zellort> zellenAufLinie(Zellort von, Zellort bis);

// Applies the tool to one cell and returns the cells whose picture changed, so that a
// stroke redraws only those: the cell itself and, when the figure moved, where it stood.
std::vector<Zellort> werkzeugAnwenden(Levelmodell& modell, Werkzeug w, Zellort ort);
