#pragma once

#include <QtPlugin>

class QString;

// What the sound module offers the game. The module alone links Qt Multimedia, so the
// game starts without it and loads it once its first picture is on the screen.
class Klangspieler {
  public:
    virtual ~Klangspieler() = default;
    // Starts playing a WAV file and returns at once; a missing file is silence.
    virtual void abspielen(const QString& pfad) = 0;
};

#define Klangspieler_iid "de.lagerix.Klangspieler/1"
Q_DECLARE_INTERFACE(Klangspieler, Klangspieler_iid)
