#pragma once

#include <QLabel>

// A label that reads as a link: blue, underlined, a pointing hand over it, and a click
// (press and release on it with the left button) reported as geklickt.
class Verweis : public QLabel {
    Q_OBJECT

  public:
    Verweis(const QString& text, QWidget* parent);

  Q_SIGNALS:
    void geklickt();

  protected:
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
};
