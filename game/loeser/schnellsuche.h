#pragma once

#include "lager.h"
#include "loeser.h"

#include <vector>

// The fast search's plan on a level with TNT boxes: while a TNT box is left every wall
// might still go, so the rules that find lost positions find little, and the bound leads
// to a blast only where the boxes cannot do without one. So it tries easier boards
// first, each within a share of the limits: the TNT boxes standing for good; then one
// wall blasted first where that shortens the boxes' ways, everything else standing for
// good; then the level in full in the time left.
Loesung schnellSuchen(const Lager& lager, Loeseroptionen optionen, Fortschritt* fortschritt);

// A wall to blast first: the boxes' pushes with it gone plus those of the TNT box to it.
struct Sprengplan {
    int wert;
    Lager::Zelle wand;
    Lager::Zelle tnt;
};

// The walls whose blast shortens the boxes' ways (the cheapest assignment of boxes to
// storage places), each with the TNT box that reaches it in the fewest pushes between the
// walls standing, where the pushes saved outweigh the TNT box's; the best first.
std::vector<Sprengplan> sprengplaene(const Lager& lager);

// The wall of `s` blasted first by its TNT box, then the boxes placed with everything else
// standing for good; each part within the limits of `optionen`.
Loesung erstSprengen(const Lager& lager, const Sprengplan& s, const Loeseroptionen& optionen,
                     Fortschritt* fortschritt);
