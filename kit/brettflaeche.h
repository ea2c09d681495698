#pragma once

#include "game/zeichenflaeche.h"
#include "kit/brettbild.h"
#include "kit/kachelblatt.h"

// Where the core draws in a window: the tiles of the loaded sheet onto the board picture.
// The sheet is read at each tile, so a graphics set loaded meanwhile draws from then on.
class Brettflaeche : public Zeichenflaeche {
  public:
    Brettflaeche(Brettbild& bild, const Kachelblatt& blatt) : bild(bild), blatt(blatt) {}

    void copypic(const std::string& wort, int x, int y) override {
        blatt.kachelZeichnen(bild, wort, x, y);
    }
    void leeren() override { bild.leeren(); }

    Brettbild& bild;
    const Kachelblatt& blatt;
};
