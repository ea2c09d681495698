#pragma once

#include "game/levelmodell/levelmodell.h"
#include "kit/brettbild.h"

#include <optional>

// The board picture of the editor: it turns mouse strokes into cells. A stroke runs
// from pressing a button to releasing it; every cell it crosses is reported, however
// fast the mouse moves.
class Editorbrett : public Brettbild {
    Q_OBJECT
  public:
    using Brettbild::Brettbild;

  Q_SIGNALS:
    void strichBegonnen();
    // `setzen` is true for the left button (the tool), false for the right (floor).
    void zelleBemalt(int spalte, int zeile, bool setzen);
    void strichBeendet();
    void mausUeber(int spalte, int zeile);

  protected:
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;

  private:
    void malen(QPoint punkt);

    Qt::MouseButton taste = Qt::NoButton;
    std::optional<Zellort> letzteZelle; // none at the start and after leaving the board
};
