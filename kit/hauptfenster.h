#pragma once

#include <QString>

struct Einstellungen;

// What the secondary windows need of the main window. The main window implements it;
// tests hand the windows a recording fake.
class Hauptfenster {
  public:
    virtual ~Hauptfenster() = default;

    // The program folder, ending in '/'. Every file of the game lives there.
    virtual QString programmOrdner() const = 0;

    // The settings in force; the options window changes them.
    virtual Einstellungen& einstellungen() = 0;

    // Loads a graphics set of the program folder into the tile sheet. On failure the
    // previous sheet stays, a message box has told the player, and false is returned.
    virtual bool grafiksetLaden(const QString& name) = 0;

    // Gives the keyboard focus to the board picture, so the arrow keys reach the game.
    virtual void brettFokussieren() = 0;

    // Requests one full redraw of the board after the current event.
    virtual void neuZeichnen() = 0;

    // Shows and activates the main window itself.
    virtual void aktivieren() = 0;

    // Opens an HTML page of the program folder in the desktop's viewer.
    virtual void seiteOeffnen(const QString& seite) = 0;
};
