#pragma once

#include "lager.h"

#include <vector>

// A lower bound on the figure's steps that no push pays for: the walk back.
//
// Count the figure's steps to the right R and to the left L. A push moves the figure
// the same way as the box, so R is at least the boxes' pushes to the right r, L at
// least their pushes to the left l, and R − L is the figure's own displacement Δx.
// Hence R + L ≥ max(2r − Δx, 2l + Δx) = (r + l) + |X − Δx|, where X = r − l is the net
// displacement of all boxes together. The same holds for up and down, so every solution
// takes at least its box pushes plus |X − Δx| + |Y − Δy|. TNT pushes are steps too, and
// a TNT box moves at most as far as it is pushed, so the figure's steps are also at
// least the box pushes plus the TNT pushes: the two extras do not add, the larger counts.
//
// X and Y follow from the storage places the boxes end on, Δx and Δy from where the
// figure ends: next to a storage place, since the last step pushes a box onto one. Both
// are open, so the bound is the least over every set of places and every end cell.
// Each step changes x + y of the figure by one, so the steps to an end cell are even
// exactly when that cell's distance from the figure is: the bound rounds up to it.
//
// When it is known which wall a TNT box blasts, its displacement is known too (the wall's
// cell minus its own, the blasting push included): it then counts like a box, its
// pushes among the box pushes and its displacement in X and Y.
class Rueckweg {
  public:
    using Zelle = Lager::Zelle;

    explicit Rueckweg(const Lager& lager);

    // Takes the figure on `figur` and the boxes `kisten`, at least one of them still to
    // be pushed, for the bounds that follow.
    void aufstellen(Zelle figur, const Zelle* kisten, int anzahl);

    // The steps at the fewest for `schuebe` pushes of boxes and of TNT boxes whose
    // displacement is (tntX, tntY), and `tntSchuebe` pushes of TNT boxes of unknown
    // displacement; with the walk back and the parity of the end cell.
    int schranke(int schuebe, int tntSchuebe, int tntX = 0, int tntY = 0) const;

  private:
    struct Weg {
        int dx, dy;   // from the figure to one end cell
        int ungerade; // 1 when that takes an odd number of steps
    };

    const Lager& lager;
    std::vector<Zelle> enden; // cells the figure may stand on after the last push
    int xMin = 0, xMax = 0;   // the least and most sum of x over the boxes' places
    int yMin = 0, yMax = 0;
    // For the position taken: the range of X and Y, and the way to each end cell.
    int xVon = 0, xBis = 0, yVon = 0, yBis = 0;
    std::vector<Weg> wege;
    // The shortest walk back to an end cell an even and an odd number of steps away
    // (-1: none). More walking back never lowers the bound, so with no TNT box's
    // displacement known these two decide it.
    int kuerzest[2] = {-1, -1};
};
