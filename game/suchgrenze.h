#pragma once

// How an answer names the limit that ended a search (`Loesung::grenze`) and how to raise it.

#include "game/loeser/loeser.h"

#include <string>

// The limit in a few words with its value: "Zeitgrenze erreicht (60 s)",
// "Speichergrenze erreicht (512 MB)"; for `Grenze::keine` the solver's reason.
std::string grenzeBenennen(const Loesung& loesung, const Loeseroptionen& optionen);

// The time limit to suggest when this one was too short: five times as long, in seconds.
long long laengereZeit(const Loeseroptionen& optionen);
