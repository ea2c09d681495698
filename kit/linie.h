#pragma once

#include <QLine>
#include <QWidget>

// A thin black line between two points of its parent, like the note's folded corner.
class Linie : public QWidget {
    Q_OBJECT
  public:
    Linie(QPoint von, QPoint bis, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QLine strecke; // in the widget's own coordinates
};
