#include "klickbild.h"

#include <QMouseEvent>

void Klickbild::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        Q_EMIT geklickt();
    QLabel::mousePressEvent(event);
}
