#pragma once

#include "feld.h"
#include "lager.h"

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

// Areas fenced by boxes. Take a set of cells the figure cannot reach, none a wall: its
// free cells are closed off by walls and its own objects, so the figure gets in only once
// one of its objects moves, and until then no other object comes in. Let it also hold
// every object next to one of its objects where the figure would stand to push that
// object, or where it would be pushed to out of the area: then no object of the area can
// leave it before the area is opened, and the first push of one of its objects in any
// solution goes into the area, from a cell the figure reaches now or later without
// moving anything of the area. If it reaches that cell now, the push can be made now: the
// pushes made before it change nothing the push needs, and the figure reaches no less
// after it. So when the area holds a box off its storage place, which every solution must
// move, the pushes into the area from cells the figure reaches are all that needs
// searching, and without one the position is lost.
// The area grows from a cell: free cells the figure cannot reach join with their
// neighbours; an object joins its free neighbours and, as said, the objects that hold it.
// A push into the area that leaves a box stuck whatever the other objects do does not
// count: the test looks at the area's objects alone.
//
// A wall that a TNT box may still blast is a way in: an area next to one is passed over.
class Pferch {
  public:
    using Zelle = Lager::Zelle;

    enum class Befund {
        offen,       // no such area: every push may be needed
        eingezaeunt, // only the pushes of `erlaubt` are needed
        verloren,    // the position has no solution
    };

    explicit Pferch(const Lager& lager);

    // Whether pushing the box on a cell in a direction leaves a position known to be lost.
    using Sackgasse = std::function<bool(Zelle, int)>;

    // `feld` the position, `weg` the figure's walk (Gang::weg), `tntUebrig` whether a TNT
    // box is left. A push into an area that `sackgasse` calls lost does not count. Of
    // several areas, the one with the fewest pushes is taken.
    // `feld` is left as it was.
    Befund pruefen(Feld& feld, const std::vector<int>& weg, bool tntUebrig,
                   const Sackgasse& sackgasse);

    // Whether pushing the object on `von` in direction r is needed, after `eingezaeunt`.
    bool erlaubt(Zelle von, int richtung) const;

  private:
    struct Schub {
        Zelle von;
        std::uint8_t richtung;
    };
    // Walks one area from `start`; false when it cannot be taken. Its pushes into the
    // area from cells the figure reaches are put in `schuebe`.
    bool umgehen(const Feld& feld, const std::vector<int>& weg, bool tntUebrig, Zelle start);
    void aufnehmen(int z);
    // Drops the pushes of `schuebe` that `sackgasse` calls lost with the area's objects alone.
    void sackgassenStreichen(Feld& feld, const Sackgasse& sackgasse);

    const Lager& lager;
    std::vector<std::uint32_t> marke; // the number of the area a cell last joined
    std::uint32_t runde = 0;          // the area walked now
    std::vector<Zelle> flaeche;
    std::vector<Schub> schuebe, beste;
    std::vector<std::pair<Zelle, std::uint8_t>> draussen; // objects outside, while left out
};
