#pragma once

#include <optional>
#include <vector>

class Brett;

// A cell of the playing area: column 0 to 22, row 0 to 17.
struct Zelle {
    int spalte = 0;
    int zeile = 0;
    bool operator==(const Zelle&) const = default;
};

// The cell under a point of the board picture, in pixels.
Zelle zelleBei(int x, int y);

// The figure's cell.
Zelle figurZelle(const Brett& brett);

// Whether a box or TNT box, on floor or on a storage place, stands at `zelle`.
bool kisteBei(const Brett& brett, Zelle zelle);

// The mouse works in key codes: every step it plans goes through the move rule like an
// arrow key, so counts, blasts, completion and undo behave the same.

// A click on `ziel`: the shortest walk there over floor and storage places, or one push
// when `ziel` holds a box or TNT box next to the figure. Empty when nothing is to do.
std::vector<int> klickWeg(const Brett& brett, Zelle ziel);

// The fewest steps that push the box or TNT box at `kiste` onto `ziel` without moving any
// other object (no blast either). None when there is no such way.
std::optional<std::vector<int>> schiebeWeg(const Brett& brett, Zelle kiste, Zelle ziel);
