#pragma once

#include "game/zug.h"

#include <Qt>

// The game's key code of a cursor key as Qt names it; 0 for any other key.
inline int pfeiltaste(int qtTaste) {
    return tastencode(qtTaste, {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down});
}
