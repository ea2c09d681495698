#pragma once

class Brett;
class Zeichenflaeche;

// Key codes of the cursor keys, as the window system reports them.
enum Tastencode : int {
    tasteLinks = 37,
    tasteOben = 38,
    tasteRechts = 39,
    tasteUnten = 40,
};

// One key press: moves the figure, pushes a box or blasts a wall, if the rule allows it,
// and draws the cells that changed. Returns true when a step was taken.
bool tasteVerarbeiten(Brett& brett, int keyCode, Zeichenflaeche& flaeche);
