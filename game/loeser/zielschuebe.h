#pragma once

#include "bloecke.h"
#include "feld.h"
#include "sackgassen.h"

#include <array>
#include <cstdint>
#include <vector>

// For the fast search: a box pushed all the way onto a storage place in one move, while
// everything else stands still. Where storage places fill a room with one entrance, the
// order matters: a box on a place by the door shuts out the places behind it. So the
// places get a packing order once, worked out backwards from the full room, and a box
// goes to the free place earliest in that order that it can reach.
class Zielschuebe {
  public:
    using Zelle = Lager::Zelle;
    struct Schub {
        Zelle von; // the box's cell before the push
        std::uint8_t richtung;
    };

    explicit Zielschuebe(const Lager& lager);

    // The pushes that take the box on `start` to its storage place, `figur` the figure's
    // walk in the position in `feld`, `abstand` the push distances on the walls
    // standing (Entfernungen::Stufen); empty when the box reaches no free place. `feld`
    // is left as it was.
    const std::vector<Schub>& weg(Feld& feld, Sackgassen& sackgassen, const Entfernungen& e,
                                  const std::vector<int>& abstand, const Gang& figur, Zelle start);

    // The packing order of each storage place: places of rank 0 are filled first.
    const std::vector<int>& packrang() const { return rang; }

  private:
    void packordnung();
    std::array<bool, 4> seiten(const Feld& feld, Zelle start, const Gang& figur) const;
    std::array<bool, 4> nachbarn(const Feld& feld, Zelle box, int r) const;

    const Lager& lager;
    std::vector<int> rang;   // by cell
    std::vector<int> vorher; // by state, see weg(); -2 unseen, -1 a first push
    std::vector<int> staende;
    std::vector<Schub> schuebe;
    Bloecke bloecke;
};
