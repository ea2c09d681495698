#pragma once

class Brett;
class Zeichenflaeche;

// What one tick of the explosion asks of the window besides the board drawing.
struct Explosionsschritt {
    bool soundStarten = false;
    int bild = 0;      // explosion frame 1 to 8 to show, 0 for none
    bool ende = false; // hide the explosion picture and stop the timer
};

// The explosion animation: ten ticks, the sound on the first, frames 1 to 8 on the
// next eight, and the last removes the picture. A second blast while it runs only
// moves the picture; the count goes on.
class Explosion {
  public:
    static constexpr int ticks = 10;

    Explosionsschritt tick(const Brett& brett, Zeichenflaeche& flaeche, bool soundAn);
    int explosionsZaehler = 0;
};
