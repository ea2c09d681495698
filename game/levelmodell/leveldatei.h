#pragma once

#include "levelmodell.h"

#include <optional>
#include <string>
#include <vector>

// The lines of the level file for `modell`, as the game's level start reads them:
// format character and author, the figure, then kind word, x and y per object on the
// raster of 25 file units per cell. UTF-8; the writer turns them into Windows-1252.
std::vector<std::string> levelZeilen(const Levelmodell& modell);

// Writes the level file through a temporary file; a German message on failure, and
// the old file is then untouched.
std::optional<std::string> levelSpeichern(const Levelmodell& modell, const std::string& pfad);

// True when `pfad` is a level that came with the game into `programmOrdner` (ending in
// '/'): installing an update replaces it. The table of fewest steps lists every one.
bool gelieferterLevel(const std::string& pfad, const std::string& programmOrdner);

struct GeoeffnetesLevel {
    std::optional<Levelmodell> modell; // none when the game could not start the file
    std::string fehler;                // the game's own message then
    std::string hinweis;               // what was adjusted on the way, for the status line
    // Cells holding more than the grid shows (a box under the figure, two objects on one
    // cell), named for the author: saving would change the level there.
    std::string warnung;
};

class Brett;

// Starts a level file on `brett` (its border laid) with the game's level start and no
// drawing; the game's German message when it cannot.
std::optional<std::string> brettStarten(const std::string& pfad, Brett& brett);

// Reads a level file with the game's level start, so the grid shows the board the game
// would show and counts its boxes as the game does.
GeoeffnetesLevel levelOeffnen(const std::string& pfad);
