#include "verweis.h"

#include <QMouseEvent>

Verweis::Verweis(const QString& text, QWidget* parent) : QLabel(text, parent) {
    QFont schrift = font();
    schrift.setUnderline(true);
    setFont(schrift);
    QPalette farben = palette();
    farben.setColor(QPalette::WindowText, Qt::blue);
    setPalette(farben);
    setCursor(Qt::PointingHandCursor);
}

void Verweis::mouseReleaseEvent(QMouseEvent* ereignis) {
    if (ereignis->button() == Qt::LeftButton && rect().contains(ereignis->position().toPoint()))
        Q_EMIT geklickt();
    QLabel::mouseReleaseEvent(ereignis);
}
