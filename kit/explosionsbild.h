#pragma once

#include "game/explosion.h"
#include "game/zug.h"

#include <QLabel>
#include <functional>

class Brett;
class Brettflaeche;
class QTimer;
struct Einstellungen;

// The explosion picture `Image1` over the board picture and its timer `Timer4`: on a blast
// it shows the frames of the loaded sheet on the wall's cell, one a tick, sounds once and
// keeps the board drawn around it; at the end it lies out of sight beyond the board's
// right edge, where it waits for the next blast.
class Explosionsbild : public QLabel {
    Q_OBJECT
  public:
    // How long each frame is seen: a frame a tick, slow enough that every one shows.
    static constexpr int taktMs = 40;

    // Draws the board `brett` through `flaeche`, whose picture it lies on. `knall` plays
    // the sound; it is asked for at a blast's first tick while the settings have it on.
    Explosionsbild(Brettflaeche& flaeche, const Brett& brett, const Einstellungen& einstellungen,
                   std::function<void()> knall);

    // A blast at the wall's cell. While one is shown this only moves the picture: the
    // count goes on and the sound is not played again.
    void starten(Sprengung sprengung);

    // One tick of the blast; the timer calls it.
    void tick();

    // Ends a blast at once, as when the board it was drawn over is replaced.
    void beenden();

    bool laeuft() const;

  Q_SIGNALS:
    // The last tick has removed the picture.
    void vorbei();

  private:
    Brettflaeche& flaeche;
    const Brett& brett;
    const Einstellungen& einstellungen;
    std::function<void()> knall;
    Explosion explosion;
    QTimer* Timer4;
};
