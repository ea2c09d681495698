#pragma once

#include <optional>
#include <string_view>

// The layout of a graphics set: a 96 by 120 sheet of 24 by 24 tiles, 4 to a row.
struct Kachelursprung {
    int x = 0;
    int y = 0;
};

inline constexpr int kachelGroesse = 24;
inline constexpr int explosionsBilder = 8;

// Top left corner on the sheet of the tile named `bild`; none for an unknown word.
std::optional<Kachelursprung> kachelUrsprung(std::string_view bild);

// Explosion frame k (1 to 8) lies in the sheet cell after "tnt" and "box2", in reading order.
Kachelursprung explosionsBildUrsprung(int k);
