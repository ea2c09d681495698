#pragma once

#include "textnotation.h"

#include <string>
#include <vector>

struct Importbericht {
    std::vector<std::string> geschrieben;   // file names
    std::vector<std::string> uebersprungen; // "Level 3: reason", German
};

// Writes every level of a collection as its own level file `<name>-01.lev`, … into
// `ordner` (ending in '/'), numbered with as many digits as the last number needs (two
// at least) so the game's list, sorted by name, keeps their order; a level with a title
// is `<name>-01-<title>.lev`. A damaged level, one that does not fit or cannot be
// started by the game, or whose file name is taken is skipped; existing files are never
// overwritten.
Importbericht sammlungImportieren(const std::vector<TextLevel>& levels, const std::string& ordner,
                                  const std::string& name);

// The summary for the author, German, several lines: the counts and the first reasons.
std::string berichtText(const Importbericht& bericht);
