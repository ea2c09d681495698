#pragma once

#include <string>
#include <vector>

// An installed game keeps its programs and shipped files (levels, graphics sets, the
// sound, the pages, the table of best counts) in system folders the player cannot write.
// It plays from a program folder of the player's own, which holds copies of the shipped
// files beside the player's settings, bookmarks, records and own levels.
//
// The folder's list of installed files names each copy with a checksum of the shipped
// file it was made from. A copy is made where the shipped file is new or has changed
// since (an update); a name the list does not know but the folder holds is the player's
// and is never written. A copy the player deleted stays deleted until the shipped file
// changes. A listed file that is no longer shipped goes, unless the player changed it.

inline constexpr const char* installiertListe = ".lagerix-installiert";

// Makes `ordner` (ending in '/') when it is missing and brings the copies of the files in
// `mitgeliefert` (ending in '/') up to date. Returns a German message for each failure;
// a failed copy leaves the old one and is tried again at the next start.
std::vector<std::string> programmordnerEinrichten(const std::string& mitgeliefert,
                                                  const std::string& ordner);
