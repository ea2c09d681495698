#pragma once

#include <optional>
#include <string>
#include <string_view>

class Brett;

// "l1.bok" to "l3.bok".
std::string lesezeichenDatei(int nummer);

// The bytes of a bookmark file: the board (table, figure, storage-place flag, box
// counters) in 4010 lines.
std::string lesezeichenText(const Brett& brett);

// Loads the board from the bytes of a bookmark file. Reading ends at the first damaged
// or missing line; what was read before it stays. True when it was read up to "ENDE".
// Once a file was read the play counts as helped: it can no longer set a record.
bool lesezeichenAusText(Brett& brett, std::string_view bytes);

// The same with a file. Writing returns a German message on failure; the old file then
// stays. A bookmark never set (no file) recalls nothing; a file that is there but cannot
// be read puts a German message into `fehler`, when given.
std::optional<std::string> lesezeichenSetzen(const Brett& brett, const std::string& pfad);
bool lesezeichenAbrufen(Brett& brett, const std::string& pfad, std::string* fehler = nullptr);
