#pragma once

#include <QImage>
#include <QSize>

// The pictures built into the program (not the tile sheets).

// 576 by 432: the message of a solved level on a gradient from black to blue.
QImage gewonnenZeichnen();

// 32 by 32, transparent: the drawing pin that holds the level list's note.
QImage pinZeichnen();

// The maker's logo at any size of about 3.2 to 1 (77 by 24 and 165 by 52 are used).
QImage logoZeichnen(QSize groesse);

// 64 by 64, transparent: the program's icon, a crate and the player's face.
QImage symbolZeichnen();
