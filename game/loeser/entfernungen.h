#pragma once

#include "lager.h"

#include <cstddef>
#include <map>
#include <vector>

// Push distances of a single box to each storage place, ignoring the figure and every
// other object: the solver's lower bound is built from them.
//
// Walls only ever disappear, and each blast uses up a TNT box. So a box can reach a
// storage place only along cells that are open now or that are standing walls blasted
// later, at most as many of those as blasts still happen. The distances on that board
// are never longer than any real push path: with no blast to come they are the real
// walls' distances, and with blasts to come they shrink as if the blasts had already
// happened wherever they help.
class Entfernungen {
  public:
    using Zelle = Lager::Zelle;
    static constexpr int unendlich = 1 << 28;
    // Index j: distances (storage place by cell, row-major) when at most j more walls
    // are blasted, j = 0 … the TNT boxes left.
    using Stufen = std::vector<std::vector<int>>;

    explicit Entfernungen(const Lager& lager);

    // Cells from which no box reaches a storage place, even with every wall gone that
    // a TNT box could ever blast: a box pushed there is lost.
    const std::vector<bool>& tot() const { return totZellen; }
    const std::vector<Zelle>& ziele() const { return zielZellen; }

    // The pushes a TNT box on a cell needs at the fewest to blast any wall, the blasting
    // push included; walls count as open on the way, so it is never too long.
    const std::vector<int>& sprengweg() const { return sprengwege; }

    // The distances for a position whose blasted walls are `gesprengt`, ascending.
    struct Tafel {
        // The walls whose blast alone shortens some distance of stufen.front(), with the
        // distances once it is gone and the pushes a TNT box needs to blast just it: on
        // any board, and as the last TNT box, which moves between the walls standing.
        struct Hilfe {
            Zelle wand;
            const std::vector<int>* abstand;
            const std::vector<int>* sprengweg;
            std::vector<int> letzterSprengweg;
        };
        std::vector<Zelle> gesprengt;
        Stufen stufen;
        mutable std::vector<Hilfe> hilfen; // worked out on first use, see `hilfen`
        mutable bool hilfenBekannt = false;
    };
    // Computed once per set of blasted walls.
    const Tafel& tabelle(const std::vector<Zelle>& gesprengt);
    // The helping walls of a table with one TNT box left.
    const std::vector<Tafel::Hilfe>& hilfen(const Tafel& tafel);

    std::size_t speicher() const { return gespeichert; }

  private:
    Stufen berechnen(const std::vector<bool>& wand, int frei) const;
    std::vector<int> sprengwegeBerechnen(const std::vector<bool>& ziel,
                                         const std::vector<bool>& hindernis) const;
    std::vector<bool> waendeOhne(const std::vector<Zelle>& gesprengt) const;
    const Tafel& eintragen(const std::vector<Zelle>& gesprengt, Stufen stufen);

    const Lager& lager;
    std::vector<Zelle> zielZellen;
    std::vector<bool> totZellen;
    std::vector<int> sprengwege;
    std::map<Zelle, std::vector<int>> sprengwegeJeWand; // for the walls that help somewhere
    std::map<std::vector<Zelle>, Tafel> tabellen;
    std::size_t gespeichert = 0;
};
