#pragma once

// Runs the checker in process and keeps what it printed, line by line.

#include "tools/pruefen/pruefer.h"

#include <sstream>
#include <string>
#include <vector>

struct Lauf {
    int status = 0;
    std::vector<std::string> zeilen;
    std::string fehler;
};

inline Lauf laufen(const std::vector<std::string>& argumente) {
    std::ostringstream aus, fehler;
    Lauf lauf{pruefen(argumente, aus, fehler), {}, fehler.str()};
    std::istringstream zeilen(aus.str());
    for (std::string z; std::getline(zeilen, z);)
        lauf.zeilen.push_back(z);
    return lauf;
}

// The value the checker printed after "name ", or "(fehlt)".
inline std::string wert(const Lauf& lauf, const std::string& name) {
    for (const auto& z : lauf.zeilen) {
        if (z.starts_with(name + ' '))
            return z.substr(name.size() + 1);
    }
    return "(fehlt)";
}
