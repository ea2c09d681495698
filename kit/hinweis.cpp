#include "kit/hinweis.h"

#include "kit/brettbild.h"

#include <QTimer>
#include <algorithm>

namespace {
constexpr int hoehe = 20;
constexpr int mindestBreite = 120;
constexpr int innenRand = 16; // pixels beside the text, both sides together
} // namespace

Hinweis::Hinweis(Brettbild& bild, const QString& name, Kante kante)
    : QLabel(&bild), dauer(new QTimer(this)) {
    setObjectName(name);
    move(0, kante == Kante::oben ? 0 : bild.height() - hoehe);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    hide();
    dauer->setSingleShot(true);
    connect(dauer, &QTimer::timeout, this, &QWidget::hide);
    connect(&bild, &Brettbild::gedrueckt, this, &QWidget::hide);
}

void Hinweis::zeigen(const QString& text, int ms) {
    setText(text);
    const int breite = fontMetrics().horizontalAdvance(text) + innenRand;
    resize(std::clamp(breite, mindestBreite, parentWidget()->width()), hoehe);
    show();
    dauer->stop();
    if (ms > 0)
        dauer->start(ms);
}
