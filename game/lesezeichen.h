#pragma once

#include <optional>
#include <string>

class Brett;

// "l1.bok" to "l3.bok".
std::string lesezeichenDatei(int nummer);

// Stores the board (table, figure, storage-place flag, box counters) in 4010 lines.
// Returns a German message when the file cannot be written; the old file then stays.
std::optional<std::string> lesezeichenSetzen(const Brett& brett, const std::string& pfad);

// Loads the board from a bookmark file. Reading ends at the first damaged or missing
// line; what was read before it stays. True when the file was read up to "ENDE".
// Once a file was found the play counts as helped: it can no longer set a record.
bool lesezeichenAbrufen(Brett& brett, const std::string& pfad);
