#pragma once

#include "lager.h"

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

// What the search knows of one position besides its key.
struct Knoten {
    std::uint32_t eltern = 0;
    std::uint32_t g = 0;  // steps from the start
    std::uint16_t m = 0;  // lower bound from pushes and walking back; 0 when solved
    std::uint16_t h = 0;  // lower bound on the steps still needed, m or more
    Lager::Zelle von = 0; // the pushed object's cell before the push
    std::uint8_t richtung = 0;
    bool geschlossen = false;
};

// Every position the search has stored: the keys one after the other, a node for each,
// and an open-addressing hash table over them. A slot holds the node's index + 1 in its
// low half and the key's hash in its high half, so most slots that do not match are
// passed over without reading their key.
class Stellungen {
  public:
    using Zelle = Lager::Zelle;

    explicit Stellungen(std::size_t laenge) : laenge(laenge) {}

    // The node for a key: its index and whether it was new.
    std::pair<std::uint32_t, bool> eintragen(const std::vector<Zelle>& k);
    // Fetches the slot of a key that is to be looked up soon.
    void vormerken(const std::vector<Zelle>& k) const;

    const Zelle* schluesselVon(std::uint32_t id) const { return &schluessel[id * laenge]; }
    Knoten& operator[](std::uint32_t id) { return knoten[id]; }
    std::size_t anzahl() const { return knoten.size(); }

    // The bytes the next new position would add: the tables grow by doubling, so a
    // limit is checked before a step that would pass it rather than after.
    std::size_t zuwachs() const;
    std::size_t speicher() const;

  private:
    static std::uint64_t streuwert(const Zelle* k, std::size_t laenge);
    void vergroessern();

    std::size_t laenge;
    std::vector<Zelle> schluessel;
    std::vector<Knoten> knoten;
    std::vector<std::uint64_t> tabelle; // hash and node index + 1; 0 for an empty slot
};
