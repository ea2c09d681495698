#pragma once

#include <QLabel>

class Brettbild;
class QTimer;

// A line of text over the board's top or bottom edge, shown for a while; the next press
// on the board takes it away at once.
class Hinweis : public QLabel {
    Q_OBJECT
  public:
    static constexpr int dauerMs = 1500;
    enum class Kante { oben, unten };

    // `name` is the object name that finds it among the board's children.
    Hinweis(Brettbild& bild, const QString& name, Kante kante);

    // Shows `text` for `ms` milliseconds; with 0 until the next text or press.
    void zeigen(const QString& text, int ms = dauerMs);

  private:
    QTimer* dauer;
};
