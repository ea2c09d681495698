#pragma once

#include "textnotation.h"

#include <string>
#include <vector>

struct Importbericht {
    std::vector<std::string> geschrieben;   // file names
    std::vector<std::string> uebersprungen; // "Level 3: reason", German
};

// Writes every level of a collection as its own level file `<name>-01.lev`, … into
// `ordner` (ending in '/'). A level that does not fit, cannot be started by the game,
// or whose file name is taken is skipped; existing files are never overwritten.
Importbericht sammlungImportieren(const std::vector<TextLevel>& levels, const std::string& ordner,
                                  const std::string& name);

// The summary for the author, German, several lines.
std::string berichtText(const Importbericht& bericht);
