#include "editor/editorbrett.h"

#include "game/brett.h"
#include "game/levelmodell/werkzeug.h"

#include <QMouseEvent>

void Editorbrett::mousePressEvent(QMouseEvent* ereignis) {
    Brettbild::mousePressEvent(ereignis); // the test play's mouse
    if (taste != Qt::NoButton ||
        (ereignis->button() != Qt::LeftButton && ereignis->button() != Qt::RightButton))
        return;
    taste = ereignis->button();
    letzteZelle.reset();
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

// Outside the board the stroke pauses: a line back in from where it left would paint
// cells the mouse never crossed.
void Editorbrett::malen(QPoint punkt) {
    if (!rect().contains(punkt)) {
        letzteZelle.reset();
        return;
    }
    const Zellort zelle{punkt.x() / Brett::zelle, punkt.y() / Brett::zelle};
    if (zelle == letzteZelle)
        return;
    auto linie = zellenAufLinie(letzteZelle.value_or(zelle), zelle);
    if (letzteZelle)
        linie.erase(linie.begin()); // painted with the event before
    letzteZelle = zelle;
    for (const Zellort ort : linie)
        Q_EMIT zelleBemalt(ort.spalte, ort.zeile, taste == Qt::LeftButton);
}
