#include "about/verweis.h"

Verweis::Verweis(QWidget* parent) : Klickfeld(parent) {
    QFont schrift = font();
    schrift.setUnderline(true);
    setFont(schrift);
    QPalette farben = palette();
    farben.setColor(QPalette::WindowText, Qt::blue);
    setPalette(farben);
    setCursor(Qt::PointingHandCursor);
}
