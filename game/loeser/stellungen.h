#pragma once

#include "lager.h"
#include "packung.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

// What the search knows of one position besides its key, in 12 bytes: the flags share
// a word with the parent's index, so at most `Stellungen::hoechstens` positions.
struct Knoten {
    std::uint32_t eltern : 27 = 0;
    std::uint32_t richtung : 2 = 0;
    std::uint32_t geschlossen : 1 = 0;
    std::uint32_t geloest : 1 = 0;  // every box on a storage place
    std::uint32_t verloren : 1 = 0; // no assignment of boxes to storage places is left
    std::uint32_t g = 0;            // steps from the start
    std::uint16_t h = 0;            // lower bound on the steps still needed
    Lager::Zelle von = 0;           // the pushed object's cell before the push
};
static_assert(sizeof(Knoten) == 12);

// Every position the search has stored: the packed keys (packung.h) and a node for
// each, in blocks of fixed size, so that memory grows evenly and nothing is copied as
// it grows, and an open-addressing hash table over them. A slot holds the node's index
// + 1 in its low 27 bits and the rest of the key's hash above them, so most slots that
// do not match are passed over without reading their key.
class Stellungen {
  public:
    using Zelle = Lager::Zelle;

    explicit Stellungen(const Packung& packung);

    // The node for a key: its index and whether it was new.
    std::pair<std::uint32_t, bool> eintragen(const std::vector<Zelle>& k);
    // Fetches the slot of a key that is to be looked up soon.
    void vormerken(const std::vector<Zelle>& k) const;

    void schluesselLesen(std::uint32_t id, std::vector<Zelle>& k) const {
        packung.entpacken(schluesselAn(id), k);
    }
    Knoten& operator[](std::uint32_t id) { return knoten[id / block][id % block]; }
    std::size_t anzahl() const { return zahl; }
    static constexpr std::size_t hoechstens = (std::size_t{1} << 27) - 1;

    // Whether the next new position fits into `frei` more bytes. The table grows by
    // doubling; when that no longer fits, it fills up further instead (probing longer),
    // which keeps the search going on the memory that is left.
    bool passt(std::size_t frei);
    std::size_t speicher() const;

  private:
    static constexpr std::size_t block = 4096; // positions
    std::size_t zuwachs() const;
    bool mussWachsen() const;
    std::size_t platz(const std::uint8_t* gepackt, std::uint64_t streu) const;
    static std::uint64_t streuwert(const std::vector<Zelle>& k);
    std::size_t heimat(std::uint64_t eintrag) const;
    void vergroessern();
    const std::uint8_t* schluesselAn(std::size_t id) const {
        return &schluessel[id / block][id % block * packung.bytes()];
    }

    Packung packung;
    std::vector<std::unique_ptr<std::uint8_t[]>> schluessel;
    std::vector<std::unique_ptr<Knoten[]>> knoten;
    std::size_t zahl = 0;
    std::vector<std::uint64_t> tabelle; // hash and node index + 1; 0 for an empty slot
    bool dicht = false;                 // the table no longer grows
};
