#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The game's files are 8-bit text in Windows-1252. In memory every string is UTF-8.

std::string ausWindows1252(std::string_view bytes);
std::string nachWindows1252(std::string_view utf8); // unmappable characters become '?'

// All lines of a file; CR LF and LF both end a line. None when it cannot be read.
std::optional<std::vector<std::string>> textLesen(const std::string& pfad);

// Writes the lines, each ended by CR LF, through a temporary file in the same folder
// that is renamed over the old one, so a failed write never destroys the old file.
// Returns a German message on failure.
std::optional<std::string> textSchreiben(const std::string& pfad,
                                         const std::vector<std::string>& zeilen);

// A file name read from a file may name a sub-folder with a backslash.
std::string dateiImOrdner(const std::string& ordner, std::string_view name);

// The last path component, for messages.
std::string dateiName(std::string_view pfad);
