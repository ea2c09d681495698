#pragma once

#include <array>
#include <cstddef>
#include <optional>

class Brett;
class Zeichenflaeche;

// Key codes of the cursor keys, as the window system reports them.
enum Tastencode : int {
    tasteLinks = 37,
    tasteOben = 38,
    tasteRechts = 39,
    tasteUnten = 40,
};

// The key code of the cursor key `taste`, given how a caller names the four cursor keys
// (left, up, right, down); `sonst` for any other key.
template <typename Name>
int tastencode(Name taste, const std::array<Name, 4>& pfeile, int sonst = 0) {
    constexpr std::array<int, 4> codes{tasteLinks, tasteOben, tasteRechts, tasteUnten};
    for (std::size_t i = 0; i < pfeile.size(); ++i) {
        if (pfeile[i] == taste)
            return codes[i];
    }
    return sonst;
}

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

// One key press: moves the figure, pushes a box or blasts a wall, if the rule allows it,
// and draws the cells that changed.
Zugergebnis tasteVerarbeiten(Brett& brett, int keyCode, Zeichenflaeche& flaeche);
