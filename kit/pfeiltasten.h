#pragma once

#include "game/zug.h"

#include <Qt>

// The game's key code of a cursor key as Qt names it; 0 for any other key.
inline int pfeiltaste(int qtTaste) {
    switch (qtTaste) {
    case Qt::Key_Left:
        return tasteLinks;
    case Qt::Key_Up:
        return tasteOben;
    case Qt::Key_Right:
        return tasteRechts;
    case Qt::Key_Down:
        return tasteUnten;
    default:
        return 0;
    }
}
