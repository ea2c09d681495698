#pragma once

#include "entfernungen.h"
#include "feld.h"
#include "wandzeilen.h"

// Positions from which no box can be placed any more, recognised after a push.
class Sackgassen {
  public:
    using Zelle = Lager::Zelle;

    Sackgassen(const Lager& lager, const Entfernungen& entfernungen, Feld& feld)
        : lager(lager), entfernungen(entfernungen), feld(feld), wandzeilen(lager) {}

    // Whether pushing the box on `von` to `nach` leaves a box stuck off a storage place or
    // more boxes on a row along a wall than it has storage places.
    // `feld` holds the position before the push and is left so.
    bool klemmtNach(Zelle von, Zelle nach);

  private:
    bool verklemmt(Zelle z);
    bool eingefroren(int z);
    bool achseBlockiert(int z, int v);
    bool gesperrt(int z) const { return feld[z] == fest || feld[z] == gedacht; }

    const Lager& lager;
    const Entfernungen& entfernungen;
    Feld& feld;
    Wandzeilen wandzeilen;
};
