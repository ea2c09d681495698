#include "about/verweis.h"

Verweis::Verweis(const QString& text, QWidget* parent) : Klickfeld(text, parent) {
    QFont schrift = font();
    schrift.setUnderline(true);
    setFont(schrift);
    QPalette farben = palette();
    farben.setColor(QPalette::WindowText, Qt::blue);
    setPalette(farben);
    setCursor(Qt::PointingHandCursor);
}
