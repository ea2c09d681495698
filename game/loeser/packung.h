#pragma once

#include "schluessel.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// A key of schluessel.h in as few bytes as the level allows, for the table of every
// position the search has seen. The boxes come first, by their numbers among the cells
// a box can stand on: as a bit set over those cells, or, where that is shorter, each
// number split into its low bits, kept apart, and its high bits, which set bit
// high + i for the i-th box (so the i-th set bit gives them back; Elias and Fano's
// form). Both sets start at bit 0, so reading them back is a walk over whole words.
// Then the figure, the number of TNT boxes left and the cells of the TNT boxes and
// blasted walls, each cell as its number among the cells that are not permanent.
// Two keys are equal exactly when their packed bytes are.
class Packung {
  public:
    using Zelle = Lager::Zelle;

    // `tot`: cells no box is ever pushed onto (a box may still start there).
    Packung(const Lager& lager, const Schluessel& form, const std::vector<bool>& tot);

    std::size_t bytes() const { return laenge; }
    bool kistenAlsMenge() const { return menge; }

    // The packed key, `bytes()` long, valid until the next call; the bytes after it up
    // to the next multiple of 8 are zero.
    const std::uint8_t* packen(const Zelle* k) const;
    void entpacken(const std::uint8_t* quelle, std::vector<Zelle>& k) const;

  private:
    struct Nummern {
        std::vector<Zelle> zelle;          // by number, ascending
        std::vector<std::uint16_t> nummer; // by cell
        int bits = 0;                      // for one number
    };
    static Nummern nummerieren(const std::vector<bool>& dabei);

    std::size_t kisten, plaetze; // boxes; TNT boxes and blasted walls together
    Nummern kistenfelder, felder;
    int anzahlBits;
    bool menge = true;
    int tief = 0;         // low bits of a box's number kept apart
    std::size_t hoch = 0; // bits of the set
    std::size_t laenge;
    mutable std::vector<std::uint64_t> worte;
};
