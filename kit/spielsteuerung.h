#pragma once

#include "game/zug.h"
#include "game/zugverlauf.h"
#include "kit/maus.h"

#include <QObject>
#include <functional>

class Brett;
class Brettbild;
class Zeichenflaeche;

// The keys that take a step back (Backspace, Ctrl+Z) or again (Ctrl+Y, Shift+Backspace).
enum class Verlaufstaste { keine, zurueck, vor };
Verlaufstaste verlaufstaste(int taste, Qt::KeyboardModifiers umschalter);

// Every step of the figure goes through here: arrow keys, the mouse and the steps taken
// back and again, so that the history sees them all and a blast always shows.
class Spielsteuerung : public QObject {
    Q_OBJECT
  public:
    // `explosionLaeuft` says whether the explosion is still shown; a step back waits
    // for its end, so that the animation never paints over a wall that came back.
    Spielsteuerung(Brett& brett, Zeichenflaeche& flaeche, std::function<bool()> explosionLaeuft,
                   QObject* parent = nullptr);

    // One arrow-key step; true when the figure moved.
    bool schritt(int keyCode);
    void zurueck();
    void vor();

    // Any key stops a walk of the mouse; the key then does what it always does.
    void tasteGedrueckt() { maus.anhalten(); }

    // The mouse on `bild` walks the figure and pushes boxes; a failed drag says so over
    // the board's bottom edge for a moment.
    void mausAnschliessen(Brettbild& bild);

    // The explosion is over: the steps back asked for meanwhile are taken now.
    void explosionVorbei();

    // A level start, a restart or a bookmark recall: a new board, a new history.
    void neuesBrett();

    Maus maus;

  Q_SIGNALS:
    void gesprengt(Sprengung sprengung);
    // The figure moved: a step of a key or the mouse, a step back or again; counters may
    // have changed.
    void geschritten();
    // A level start, a restart or a bookmark recall.
    void neuBegonnen();

  private:
    void melden(const Zugergebnis& ergebnis);

    Brett& brett;
    Zeichenflaeche& flaeche;
    std::function<bool()> explosionLaeuft;
    Zugverlauf verlauf;
    int wartendeSchritteZurueck = 0;
};
