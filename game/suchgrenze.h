#pragma once

// Which limit ended a search that gave no answer, so that the answer can name it and say
// how to raise it. The solver gives its reason as a sentence only; the limits are the
// caller's own, so the caller can tell them apart: its flag, its clock, and what is left.

#include "game/loeser/loeser.h"

#include <string>

enum class Grenze {
    keine,    // an answer, or a board the solver cannot read (`Loesung::grund`)
    abbruch,  // the caller's flag
    zeit,     // `Loeseroptionen::zeitGrenze`
    speicher, // `Loeseroptionen::speicherGrenze`, or more positions than the search can count
};

struct Suchergebnis {
    Loesung loesung;
    Grenze grenze = Grenze::keine;
};

// `loesen` without a cap on the count of positions (`zustandsGrenze`, which this does not
// tell apart from the memory cap), and the limit that ended it.
Suchergebnis suchen(const Brett& brett, const Loeseroptionen& optionen, Fortschritt* fortschritt);

// The limit in a few words with its value: "Zeitgrenze erreicht (60 s)",
// "Speichergrenze erreicht (512 MB)"; for `keine` the solver's reason.
std::string grenzeBenennen(const Suchergebnis& ergebnis, const Loeseroptionen& optionen);

// The time limit to suggest when this one was too short: five times as long, in seconds.
long long laengereZeit(const Loeseroptionen& optionen);
