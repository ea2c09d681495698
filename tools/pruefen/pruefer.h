#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// The headless checker: start-up and level start on a program folder, then a string of
// commands, then the state of the board. Returns the exit status: 0, 1 when the
// configuration or the level could not be read, 2 for a wrong call. With --loesen it
// searches the fewest steps instead: 0 solved, 1 unreadable as above, 3 unsolvable,
// 4 unknown; its progress goes to `fortschritt` when that is given (a terminal). --help
// prints the usage and returns 0.
int pruefen(const std::vector<std::string>& argumente, std::ostream& aus, std::ostream& fehler,
            std::ostream* fortschritt = nullptr);
