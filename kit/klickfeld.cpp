#include "kit/klickfeld.h"

#include <QMouseEvent>

void Klickfeld::mouseReleaseEvent(QMouseEvent* ereignis) {
    if (ereignis->button() == Qt::LeftButton && rect().contains(ereignis->position().toPoint()))
        Q_EMIT geklickt();
    QLabel::mouseReleaseEvent(ereignis);
}
