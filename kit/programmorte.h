#pragma once

#include <QString>

// Where the running program finds its parts. Run where it was built, everything stands
// in the program's own folder, and that folder is the program folder. Installed (a
// package, `make install`), the programs stand in the system's folder for games, the
// sound module and the shipped files in folders of their own beside it, none of them
// writable by the player, and the program folder is the player's own below
// $XDG_DATA_HOME (by default ~/.local/share/lagerix2000).
struct Programmorte {
    QString programme;    // the game, the editor and the checker; ending in '/'
    QString klangmodul;   // the sound module, without its file ending
    QString mitgeliefert; // the shipped files of an installed game, ending in '/'; else empty
    QString ordner;       // the program folder, ending in '/'
};

// Looks and changes nothing.
Programmorte programmorte();

// The program folder to play from. An installed game's is made and its copies of the
// shipped files brought up to date first; what failed is told in a message box. When
// the folder cannot be made at all, the game plays from the shipped files and cannot
// keep settings, bookmarks or records.
QString programmordnerBereiten();
