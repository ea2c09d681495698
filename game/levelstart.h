#pragma once

#include <string>

class Brett;
class Zeichenflaeche;

enum class Startart {
    neu,      // the level chosen in the list
    neustart, // "Level neu starten": the level last started, read again
};

struct Levelstart {
    bool gestartet = false;    // false when there was nothing to start
    bool ok = false;           // the level was read completely
    std::string autor;         // from the first line, once it was read
    std::string formatKennung; // its first character: "e" for a small board
    std::string fehler;        // German message naming the file and the line
};

// Reads a level file into the board and draws what it reads.
// `ordner` ends in '/'; `auswahl` is the file name selected in the level list, empty
// when none is. A level that cannot be read leaves a cleared, locked board.
Levelstart levelStarten(Brett& brett, const std::string& ordner, const std::string& auswahl,
                        Zeichenflaeche& flaeche, Startart startart);
