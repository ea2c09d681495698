#pragma once

#include "game/brett.h"
#include "game/zug.h"

#include <cstdint>
#include <vector>

class Zeichenflaeche;

// The steps of the level in play, to take back and to take again. Every step goes
// through the move rule; a step back restores the table entries, the figure and the
// counters exactly as they were before that step, a blast included.
class Zugverlauf {
  public:
    // One key press through the move rule; a step taken is remembered and the steps
    // taken back before are forgotten.
    Zugergebnis ziehen(Brett& brett, int keyCode, Zeichenflaeche& flaeche);

    // Takes the last step back and draws the cells it changes. Nothing on a locked board,
    // and nothing when it would bring back a board with every box placed: a step back
    // never solves a level.
    bool zurueck(Brett& brett, Zeichenflaeche& flaeche);

    // Takes the step taken back last again, through the move rule: a blast blasts again.
    Zugergebnis vor(Brett& brett, Zeichenflaeche& flaeche);

    // A level start, a restart and a bookmark recall begin a new history.
    void leeren();

  private:
    struct Schritt {
        int keyCode = 0;
        double spielerX = 0;
        double spielerY = 0;
        std::int16_t aufStellplatz = 0;
        int schritte = 0;
        std::int16_t kistenAbgestellt = 0;
        std::vector<Feldaenderung> eintraege; // the entries the step changed, as they were
    };

    Zugergebnis schrittMerken(Brett& brett, int keyCode, Zeichenflaeche& flaeche);

    std::vector<Schritt> zurueckSchritte;
    std::vector<int> vorTasten;
};
