#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The open positions in the order the search takes them: the least rank first; among
// equal ranks the least bound, which is the deepest position; among those the latest.
// Ranks and bounds are small numbers, so a compartment per rank and bound replaces a
// heap: taking and putting cost no comparisons and touch little memory.
class Schlange {
  public:
    struct Eintrag {
        std::uint32_t rang = 0;
        std::uint32_t schranke = 0;
        std::uint32_t knoten = 0;
    };

    void hinein(const Eintrag& e);
    bool leer() const { return anzahl == 0; }
    // The next entry; the queue must not be empty.
    Eintrag heraus();
    std::size_t speicher() const { return bytes; }

  private:
    struct Fach {
        std::vector<std::vector<std::uint32_t>> nachSchranke;
        std::size_t anzahl = 0;
        std::uint32_t vorn = 0; // no entry below this bound
    };

    std::vector<Fach> faecher; // by rank
    std::uint32_t vorn = 0;    // no entry below this rank
    std::size_t anzahl = 0;
    std::size_t bytes = 0;
};
