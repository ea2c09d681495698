#pragma once

// What a player gets out of a solution: a hint searched from the position in play, the
// part of it up to the next push, and the pushes of a solution.

#include "game/loeser/loeser.h"

#include <atomic>
#include <chrono>
#include <optional>
#include <string>

class Brett;

// A solution from the position on `brett`, for a hint within `grenze`. The fast search
// goes first: it answers soon whether the level can still be solved; then the fewest
// steps are searched with the time that is left, and the fast solution stands in when
// that proof does not end in time. `unbekannt` when the fast search finds nothing in
// time or `abbrechen` is set.
Loesung hinweisSuchen(const Brett& brett, std::chrono::milliseconds grenze,
                      const std::atomic<bool>* abbrechen);

// The letters of `zuege` (as `Loesung::zuege`) up to and including the first push from
// the position on `brett`: the walk to the next box and its push. All of them when none
// pushes.
std::string bisZumErstenSchub(const Brett& brett, const std::string& zuege);

// How many of the letters of `zuege`, played from the start of the level file `levelDatei`
// in `ordner` (ending in '/') through the move rule, push a box or a TNT box; a push that
// blasts a wall counts too. None when the level cannot be read or the rule refuses a
// letter: the solution is not that level's.
std::optional<int> schuebeAbStart(const std::string& ordner, const std::string& levelDatei,
                                  const std::string& zuege);
