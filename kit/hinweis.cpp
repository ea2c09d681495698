#include "kit/hinweis.h"

#include "kit/brettbild.h"

#include <QTimer>

using namespace Qt::StringLiterals;

Hinweis::Hinweis(Brettbild& bild, const QString& text)
    : QLabel(text, &bild), dauer(new QTimer(this)) {
    setObjectName(u"Status"_s);
    setGeometry(0, bild.height() - 20, 120, 20);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    hide();
    dauer->setSingleShot(true);
    dauer->setInterval(dauerMs);
    connect(dauer, &QTimer::timeout, this, &QWidget::hide);
    connect(&bild, &Brettbild::gedrueckt, this, &QWidget::hide);
}

void Hinweis::zeigen() {
    show();
    dauer->start();
}
