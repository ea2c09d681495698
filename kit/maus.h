#pragma once

#include "game/weg.h"

#include <QObject>
#include <QPoint>
#include <QTimer>
#include <functional>
#include <optional>
#include <vector>

class Brett;

// The mouse on the board: a click walks the figure to a cell or pushes the box beside
// it once; a box pressed, dragged and released is pushed to the cell of the release.
// The steps go one by one through `schritt`, the window's way of taking an arrow-key
// step, at a pace the player can follow. A press or a key while they run stops them
// after the current step.
class Maus : public QObject {
    Q_OBJECT
  public:
    static constexpr int taktMs = 30; // between two steps of a walk

    // `schritt` takes one arrow-key step and says whether the figure moved.
    Maus(const Brett& brett, std::function<bool(int keyCode)> schritt, QObject* parent = nullptr);

    // Positions are board pixels.
    void gedrueckt(QPoint punkt);
    void losgelassen(QPoint punkt);

    // Walks the cursor keys `tasten` at the pace of a walk, the first at once; a press or
    // a key stops it after the current step, and so does a step the rule refuses.
    void gehen(std::vector<int> tasten);
    void anhalten();
    bool laeuft() const { return takt.isActive(); }

  Q_SIGNALS:
    // A dragged box cannot be pushed to where it was released.
    void keinWeg();

  private:
    void naechsterSchritt();

    const Brett& brett;
    std::function<bool(int)> schritt;
    QTimer takt;
    std::vector<int> offen;     // keys still to go, the next one last
    std::optional<Zelle> druck; // where the button went down, unless it stopped a walk
};
