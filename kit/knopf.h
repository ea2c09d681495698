#pragma once

#include <QPushButton>

// A push button whose caption wraps onto a second line when the design's width is
// too narrow for it, as the main window's buttons along the top edge need.
class Knopf : public QPushButton {
    Q_OBJECT
  public:
    using QPushButton::QPushButton;

  protected:
    void paintEvent(QPaintEvent* event) override;
};
