#pragma once

#include <QLabel>
#include <QRect>
#include <QScreen>
#include <QString>
#include <QWidget>

// The windows are laid out as designed: positions and sizes in twips, 15 to a pixel.

constexpr int px(int twips) {
    return twips / 15;
}

inline QRect twips(int links, int oben, int breite, int hoehe) {
    return {px(links), px(oben), px(breite), px(hoehe)};
}

// Every control of every window is made here: a child of `fenster` with its design name
// (tests find it by that) and its place, usually `twips(...)`.
template <typename Steuerelement>
Steuerelement* anlegen(QWidget* fenster, const QString& name, QRect lage) {
    auto* element = new Steuerelement(fenster);
    element->setObjectName(name);
    element->setGeometry(lage);
    return element;
}

// A text of the design, read from its top left corner.
template <typename Beschriftung = QLabel>
Beschriftung* beschriftung(QWidget* fenster, const QString& name, const QString& text, QRect lage) {
    auto* label = anlegen<Beschriftung>(fenster, name, lage);
    label->setText(text);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// The layout was drawn for a small system font; the desktop's larger default would cut
// off the longer captions. Sized in pixels like the layout, so that a higher font DPI
// cannot cut them off either.
inline void entwurfsSchrift(QWidget& fenster) {
    QFont klein = fenster.font();
    klein.setPixelSize(10);
    fenster.setFont(klein);
}

// Secondary windows open in the middle of the screen. The frame is not known before the
// window is shown, so the inner size stands for the window's.
inline void zentrieren(QWidget& fenster) {
    const QRect bildschirm = fenster.screen()->geometry();
    fenster.move(bildschirm.x() + (bildschirm.width() - fenster.width()) / 2,
                 bildschirm.y() + (bildschirm.height() - fenster.height()) / 2);
}
