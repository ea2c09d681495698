#pragma once

#include "feld.h"
#include "lager.h"

#include <cstdint>
#include <functional>
#include <vector>

// Areas fenced by boxes. Take an area the figure cannot reach: the cells that are neither
// wall nor reachable, joined side by side, objects included. Its neighbours are walls or
// cells the figure reaches, so the figure gets in only once an object of the area moves,
// and until then nothing else touches it. If no object of the area can be pushed from a
// reachable cell onto a reachable cell, the first push of an object of the area in any
// solution goes into the area, and it can be made now: the pushes made before it change
// nothing the push needs, and the figure reaches no less after it. So when the area holds
// a box off its storage place, which every solution must move, the pushes into the area
// are all that needs searching, and without one the position is lost.
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
    Befund pruefen(const Feld& feld, const std::vector<int>& weg, bool tntUebrig,
                   const Sackgasse& sackgasse);

    // Whether pushing the object on `von` in direction r is needed, after `eingezaeunt`.
    bool erlaubt(Zelle von, int richtung) const;

  private:
    struct Schub {
        Zelle von;
        std::uint8_t richtung;
    };
    // Walks one area from `start`; false when it cannot be taken. Its pushes are appended
    // to `schuebe`.
    bool umgehen(const Feld& feld, const std::vector<int>& weg, bool tntUebrig,
                 const Sackgasse& sackgasse, Zelle start);

    const Lager& lager;
    std::vector<std::uint32_t> marke; // cells of an area walked in this round
    std::uint32_t runde = 0;
    std::vector<Zelle> flaeche;
    std::vector<Schub> schuebe, beste;
};
