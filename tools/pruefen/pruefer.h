#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// The headless checker: start-up and level start on a program folder, then a string of
// commands, then the state of the board. Returns the exit status (0, 1 or 2). With
// --loesen it searches the fewest steps instead: 0 solved, 3 unsolvable, 4 unknown; its
// progress goes to `fortschritt` when that is given (a terminal).
int pruefen(const std::vector<std::string>& argumente, std::ostream& aus, std::ostream& fehler,
            std::ostream* fortschritt = nullptr);
