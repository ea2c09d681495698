#pragma once

#include <QImage>
#include <functional>

class Brettbild;
class QWidget;

// The win picture dissolves in over the board in random strips of 35 by 2 pixels,
// stands complete, and dissolves out into black the same way. Each dissolve copies
// 20000 strips; they are drawn in batches, each shown at once, so the whole takes
// about one and a half seconds. No events are processed meanwhile.
class Gewinnanimation {
  public:
    static constexpr int streifenProDurchgang = 20000;
    static constexpr int stapelProDurchgang = 40;
    static constexpr int pauseMs = 18;

    // `zeigen` runs after every batch: it puts the picture on the screen and waits.
    Gewinnanimation(Brettbild& ziel, std::function<void()> zeigen);

    void abspielen(const QImage& gewinnBild);

  private:
    void aufloesen(const QImage& quelle);

    Brettbild& ziel;
    std::function<void()> zeigen;
};

// A solved level is announced by the win animation over the board `bild` when the settings
// have it on, else by a message box over `fenster`.
void gewinnAnkuendigen(QWidget& fenster, Brettbild& bild, bool animationAn);
