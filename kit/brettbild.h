#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

// The board picture `Picture2`: a persistent image of 552 by 432 pixels that tiles are
// copied onto and that the widget paints. Its pixel coordinates are board pixels.
class Brettbild : public QWidget {
    Q_OBJECT
  public:
    explicit Brettbild(QWidget* parent = nullptr);

    // Copies a 24 by 24 tile at (quelleX, quelleY) of the sheet to (x, y), pixel for pixel.
    void kachelKopieren(const QImage& blatt, int quelleX, int quelleY, int x, int y);

    // Copies a rectangle of `quelle` to the same position of the picture.
    void streifenKopieren(const QImage& quelle, const QRect& streifen);

    void leeren();
    const QImage& bild() const { return inhalt; }

  Q_SIGNALS:
    // The left button went down or up at a point of the picture, in board pixels.
    void gedrueckt(QPoint punkt);
    void losgelassen(QPoint punkt);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QImage inhalt;
};
