#include "kit/brettbild.h"

#include "game/brett.h"
#include "game/kachelsatz.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

Brettbild::Brettbild(QWidget* parent)
    : QWidget(parent),
      inhalt(Brett::spalten * Brett::zelle, Brett::zeilen * Brett::zelle, QImage::Format_RGB32) {
    setFixedSize(inhalt.size());
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    inhalt.fill(Qt::black);
}

void Brettbild::kachelKopieren(const QImage& blatt, int quelleX, int quelleY, int x, int y) {
    QPainter maler(&inhalt);
    maler.setCompositionMode(QPainter::CompositionMode_Source);
    maler.drawImage(QPoint(x, y), blatt, QRect(quelleX, quelleY, kachelGroesse, kachelGroesse));
    update(QRect(x, y, kachelGroesse, kachelGroesse));
}

void Brettbild::streifenKopieren(const QImage& quelle, const QRect& streifen) {
    QPainter maler(&inhalt);
    maler.setCompositionMode(QPainter::CompositionMode_Source);
    maler.drawImage(streifen.topLeft(), quelle, streifen);
}

void Brettbild::leeren() {
    inhalt.fill(Qt::black);
    update();
}

void Brettbild::paintEvent(QPaintEvent* event) {
    QPainter maler(this);
    maler.drawImage(event->rect(), inhalt, event->rect());
}

void Brettbild::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        Q_EMIT gedrueckt(event->position().toPoint());
    QWidget::mousePressEvent(event);
}

void Brettbild::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        Q_EMIT losgelassen(event->position().toPoint());
    QWidget::mouseReleaseEvent(event);
}
