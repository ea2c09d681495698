#pragma once

#include <QLabel>

// A picture that reacts to a click, like the maker's logo.
class Klickbild : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

  Q_SIGNALS:
    void geklickt();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
};
