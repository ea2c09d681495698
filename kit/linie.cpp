#include "kit/linie.h"

#include <QPainter>

Linie::Linie(QPoint von, QPoint bis, QWidget* parent) : QWidget(parent) {
    const QRect rahmen = QRect(von, bis).normalized().adjusted(0, 0, 1, 1);
    setGeometry(rahmen);
    strecke = QLine(von - rahmen.topLeft(), bis - rahmen.topLeft());
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Linie::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    maler.setPen(Qt::black);
    maler.drawLine(strecke);
}
