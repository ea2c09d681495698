#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What the editor puts on one cell. A cell holds one object; the figure stands apart.
enum class Objekt : std::uint8_t { boden, mauer, kiste, stell, gestellt, tnt, tntgestellt, rand };

// The kind word of the game's board table for the object ("box" for a box); empty for floor.
const char* artWort(Objekt o);

struct Zellort {
    int spalte = 0;
    int zeile = 0;
    bool operator==(const Zellort&) const = default;
};

// The full board of 23 by 18 cells ("f") or the small one of 12 by 12 behind the
// game's fence ("e").
enum class Brettgroesse { voll, klein };

// A border entry of a file that lies off the board: kept to be written back as it was.
// Board pixels, 24 to a cell.
struct Randpunkt {
    std::int16_t x = 0;
    std::int16_t y = 0;
    bool operator==(const Randpunkt&) const = default;
};

struct Zaehlung {
    int kisten = 0;       // boxes, placed or not; TNT boxes never count
    int stellplaetze = 0; // storage places, free or covered by a box or a TNT box
    int eintraege = 0;    // entries the game's board table needs for this level
};

// The level the editor works on, a grid of cells instead of the game's table.
class Levelmodell {
  public:
    static constexpr int spalten = 23;
    static constexpr int zeilen = 18;
    static constexpr int kleineSeite = 12;
    static constexpr int zaunEintraege = 25;     // the fence of a small board
    static constexpr int hoechstEintraege = 911; // room for a level in the game's table

    Objekt an(Zellort ort) const;
    std::optional<Zellort> figur() const { return figurOrt; }
    Brettgroesse groesse() const { return brettgroesse; }

    // Inside the playing area of the chosen board size.
    bool imBrett(Zellort ort) const;

    // Puts `objekt` on the cell, replacing what stood there. Only a storage place can
    // lie under the figure; anything else clears the figure away. False when nothing
    // changed or the cell lies outside the playing area.
    bool setzen(Zellort ort, Objekt objekt);

    // Moves the figure; a storage place under it stays, every other object goes.
    bool figurSetzen(Zellort ort);

    // Moves everything by whole cells; false and nothing changed when it does not fit.
    bool verschieben(int spalten, int zeilen);

    // Moves everything to the middle of the playing area (left and up on odd spare).
    void zentrieren();

    // False and nothing changed when an object or the figure would fall outside.
    bool groesseWaehlen(Brettgroesse neu);

    Zaehlung zaehlen() const;

    std::string autor;
    std::vector<Randpunkt> randAussen;

    bool operator==(const Levelmodell&) const = default;

  private:
    struct Rahmen {
        int links, oben, rechts, unten; // cells, inclusive
    };
    std::optional<Rahmen> belegterRahmen() const;
    bool passt(const Rahmen& r, Brettgroesse g) const;
    static int index(Zellort ort) { return ort.zeile * spalten + ort.spalte; }

    std::array<Objekt, spalten * zeilen> zellen{};
    std::optional<Zellort> figurOrt;
    Brettgroesse brettgroesse = Brettgroesse::voll;
};
