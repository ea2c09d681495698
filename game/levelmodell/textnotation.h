#pragma once

#include "levelmodell.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The common plain-text notation of box-pushing levels: '#' wall, '$' box,
// '.' storage place, '*' box on a storage place, '@' figure, '+' figure on a storage
// place, blank, '-' or '_' floor. Our own objects use the letters of the checker's
// picture: 'T' TNT box, 't' TNT box on a storage place; its '=' (border) reads as floor.
// Any other line, a blank line or a "Title:" line ends a level, except a row with a
// character the notation does not know: a line that starts or ends with a wall or stands
// between rows, next to a row of a level. That row damages its level, which is refused,
// instead of cutting it in two.

struct TextLevel {
    std::string titel; // from a "Title:" line, may be empty
    std::string autor; // from an "Author:" line, may be empty
    std::vector<std::string> zeilen;
    std::string fehler{}; // German, names the first unknown character and its row
};

// Every level of the text, in order.
std::vector<TextLevel> textLevelsLesen(std::string_view text);

struct TextUmwandlung {
    std::optional<Levelmodell> modell;
    std::string fehler; // German, when the level is damaged or does not fit the board
};

// The level centred on a board of the given size.
TextUmwandlung ausText(const TextLevel& level, Brettgroesse groesse);

// The level as text, one line per row from the topmost to the lowest used row,
// starting at the leftmost used column, '\n' after every row.
std::string alsText(const Levelmodell& modell);
