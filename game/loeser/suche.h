#pragma once

#include "entfernungen.h"
#include "feld.h"
#include "loeser.h"
#include "pferch.h"
#include "sackgassen.h"
#include "schaetzung.h"
#include "schlange.h"
#include "schluessel.h"
#include "stellungen.h"
#include "tunnel.h"
#include "zielschuebe.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

// The search runs over push positions: a node is the set of boxes, TNT boxes and
// blasted walls with the figure's cell right after a push; the walk up to the next push
// is worked out by a breadth-first search of the figure, so an edge costs the steps of
// the walk plus one for the push. A* orders the nodes by steps so far plus a lower
// bound on the steps still needed (schaetzung.h). A step changes each term by one at
// most, and a blast only opens the board further, so the bound rarely drops faster than
// the steps taken. Should a node still be reached more cheaply after it was expanded,
// it is opened again, so the answer stays exact either way.
//
// The optimal search keys its table on the figure's exact cell, because the steps still
// needed depend on where the figure stands; the fast search keys on the top-left cell
// the figure can reach, which merges every position the figure can walk between. The
// fast search counts pushes instead of steps, goes almost greedily down its bound, and
// also takes a box all the way onto a storage place in one move (zielschuebe.h) and a
// box pushed into a corridor on to its end (tunnel.h).
class Suche {
  public:
    using Zelle = Lager::Zelle;
    using Tafel = Entfernungen::Tafel;

    Suche(const Lager& lager, const Loeseroptionen& optionen, Fortschritt* fortschritt);

    Loesung suchen();

    // The fast search with the goal of Schaetzung::bisZurSprengung; no box is taken to a
    // storage place in one move on the way.
    void bisZurSprengung();
    // After a solution: the position it ends in, the figure on its cell.
    std::vector<Zelle> endstellung();

  private:
    bool platzFuerEinenKnoten();
    std::size_t speicher() const;
    // `zwischenstand`: a position on the way of a move of several pushes that the search
    // does not go on from; kept for reading the solution back.
    std::uint32_t folgeknoten(std::uint32_t eltern, Zelle von, int richtung, std::uint32_t g,
                              const Tafel& tafel, bool zwischenstand = false);
    bool sackgasse(Zelle von, int nach);
    void zielschuebeAnhaengen(std::uint32_t id, const Tafel& tafel);
    void durchschieben(std::uint32_t id, Zelle von, int richtung, const Tafel& tafel);
    void kette(std::uint32_t id, const std::vector<Zielschuebe::Schub>& weg, const Tafel& tafel,
               bool nurDasEnde);
    int bewerten(Zelle figur, int m, const Tafel& tafel);
    void einreihen(std::uint32_t id);
    std::uint32_t gewicht() const;
    void ausbauen(std::uint32_t id);
    void weitergeben(std::uint32_t id, Zelle von, int richtung, std::uint32_t g,
                     const Tafel& tafel);
    std::string zuegeNach(std::uint32_t ziel, int& schuebe);
    bool anhalten(int schranke, Loesung& loesung);

    const Lager& lager;
    const Loeseroptionen& optionen;
    Fortschritt* fortschritt;
    Entfernungen entfernungen;
    Schluessel form;
    Schaetzung schaetzung;
    Stellungen stellungen;
    Schlange offen;
    Feld feld;
    Sackgassen sackgassen;
    Zielschuebe zielschuebe;
    Pferch pferch;
    Tunnel tunnel;
    std::vector<Zielschuebe::Schub> tunnelweg;
    bool eingezaeunt = false; // the node in hand needs only the pushes `pferch` allows
    bool zielschuebeNutzen;
    std::uint32_t ende = 0; // the node that completed the search
    Gang gangEltern, gangKind;
    std::vector<Zelle> eltern, kind;
    struct Wartend {
        std::size_t anfang; // of its key in wartendeSchluessel
        Zelle von;
        int richtung;
        std::uint32_t g;
        const Tafel* tafel;
    };
    std::vector<Wartend> wartend;
    std::vector<Zelle> wartendeSchluessel;
    std::size_t spitze = 0;
    bool voll = false; // the next node would pass the memory limit
    std::chrono::steady_clock::time_point beginn, letzteMeldung;
};
