#pragma once

#include <QLabel>

class Brettbild;
class QTimer;

// A word over the board's bottom edge, shown for a moment; the next press on the board
// takes it away at once.
class Hinweis : public QLabel {
    Q_OBJECT
  public:
    static constexpr int dauerMs = 1500;

    Hinweis(Brettbild& bild, const QString& text);
    void zeigen();

  private:
    QTimer* dauer;
};
