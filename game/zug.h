#pragma once

#include "game/brett.h"

#include <optional>
#include <vector>

class Zeichenflaeche;

// Key codes of the cursor keys, as the window system reports them.
enum Tastencode : int {
    tasteLinks = 37,
    tasteOben = 38,
    tasteRechts = 39,
    tasteUnten = 40,
};

// A wall that a TNT box has just blasted; board pixels of its cell.
struct Sprengung {
    int x = 0;
    int y = 0;
    bool operator==(const Sprengung&) const = default;
};

// What one key press did. The window shows the explosion picture at `sprengung`
// and starts the explosion animation (or lets the running one go on).
struct Zugergebnis {
    bool geschritten = false;
    std::optional<Sprengung> sprengung;
};

// A table entry as it was before a key press changed it.
struct Feldaenderung {
    int index = 0;
    Feldobjekt vorher;
};

// One key press: moves the figure, pushes a box or blasts a wall, if the rule allows it,
// and draws the cells that changed. With `vorher`, every entry the press changes is
// added there once, with its old value, so a history need not copy the whole table.
Zugergebnis tasteVerarbeiten(Brett& brett, int keyCode, Zeichenflaeche& flaeche,
                             std::vector<Feldaenderung>* vorher = nullptr);
