#pragma once

#include <QLabel>

// A picture or text that reacts to a click like a button: a left press and release on it.
class Klickfeld : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

  Q_SIGNALS:
    void geklickt();

  protected:
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
};
