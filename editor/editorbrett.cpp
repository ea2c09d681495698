#include "editor/editorbrett.h"

#include "game/brett.h"

#include <QMouseEvent>

void Editorbrett::mousePressEvent(QMouseEvent* ereignis) {
    Brettbild::mousePressEvent(ereignis); // the test play's mouse
    if (taste != Qt::NoButton ||
        (ereignis->button() != Qt::LeftButton && ereignis->button() != Qt::RightButton))
        return;
    taste = ereignis->button();
    letzteZelle = {-1, -1};
    Q_EMIT strichBegonnen();
    malen(ereignis->position().toPoint());
}

void Editorbrett::mouseMoveEvent(QMouseEvent* ereignis) {
    const QPoint punkt = ereignis->position().toPoint();
    Q_EMIT mausUeber(punkt.x() / Brett::zelle, punkt.y() / Brett::zelle);
    if (taste != Qt::NoButton)
        malen(punkt);
}

void Editorbrett::mouseReleaseEvent(QMouseEvent* ereignis) {
    Brettbild::mouseReleaseEvent(ereignis);
    if (ereignis->button() != taste)
        return;
    taste = Qt::NoButton;
    Q_EMIT strichBeendet();
}

void Editorbrett::malen(QPoint punkt) {
    if (!rect().contains(punkt))
        return;
    const QPoint zelle(punkt.x() / Brett::zelle, punkt.y() / Brett::zelle);
    if (zelle == letzteZelle)
        return;
    letzteZelle = zelle;
    Q_EMIT zelleBemalt(zelle.x(), zelle.y(), taste == Qt::LeftButton);
}
