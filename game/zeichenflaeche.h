#pragma once

#include <string>

// Where the game core draws: the board picture in the window, a recorder in tests,
// nothing at all in the headless checker. Positions are board pixels.
class Zeichenflaeche {
  public:
    virtual ~Zeichenflaeche() = default;

    // Copies the 24 by 24 tile named `bild` to the cell whose top left corner is given.
    // A word that names no tile draws nothing.
    virtual void copypic(const std::string& bild, int positionx, int positiony) = 0;

    // Clears the whole picture to its background, black. Level start begins with it.
    virtual void leeren() {}
};

// Draws nothing: for the headless checker and the timings.
class OhneBild final : public Zeichenflaeche {
  public:
    void copypic(const std::string&, int, int) override {}
};
