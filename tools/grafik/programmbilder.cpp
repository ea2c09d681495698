#include "tools/grafik/programmbilder.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QString>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

using namespace Qt::StringLiterals;

namespace {

QColor mischen(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

QImage durchsichtig(QSize groesse) {
    QImage bild(groesse, QImage::Format_ARGB32);
    bild.fill(Qt::transparent);
    return bild;
}

// The face of the figure as in the tile sheets, smooth for larger sizes.
void gesicht(QPainter& maler, QPointF mitte, double radius) {
    QRadialGradient licht(mitte - QPointF(radius * 0.4, radius * 0.45), radius * 1.5);
    licht.setColorAt(0, QColor(255, 250, 200));
    licht.setColorAt(0.35, QColor(255, 214, 40));
    licht.setColorAt(1, QColor(214, 140, 0));
    maler.setPen(QPen(QColor(110, 66, 0), radius / 7));
    maler.setBrush(licht);
    maler.drawEllipse(mitte, radius, radius);
    maler.setPen(Qt::NoPen);
    maler.setBrush(QColor(32, 16, 0));
    for (const double seite : {-1.0, 1.0})
        maler.drawEllipse(mitte + QPointF(seite * radius * 0.36, -radius * 0.3), radius * 0.11,
                          radius * 0.19);
    maler.setPen(QPen(QColor(32, 16, 0), radius / 7, Qt::SolidLine, Qt::RoundCap));
    maler.setBrush(Qt::NoBrush);
    const double m = radius * 0.58;
    maler.drawArc(QRectF(mitte.x() - m, mitte.y() - radius * 0.05 - m, 2 * m, 2 * m), -25 * 16,
                  -130 * 16);
}

} // namespace

QImage gewonnenZeichnen() {
    QImage bild(576, 432, QImage::Format_RGB32);
    QPainter maler(&bild);
    QLinearGradient himmel(0, 0, 0, bild.height());
    himmel.setColorAt(0, Qt::black);
    himmel.setColorAt(1, QColor(0, 40, 196));
    maler.fillRect(bild.rect(), himmel);
    maler.setRenderHint(QPainter::Antialiasing);

    const std::array zeilen{u"Geschafft!"_s, u"Herzlichen"_s,  u"Glückwunsch!"_s, u"Sie haben"_s,
                            u"das Level"_s,  u"erfolgreich"_s, u"gelöst!"_s};
    QFont schrift(u"DejaVu Sans"_s);
    schrift.setBold(true);
    schrift.setPixelSize(40);
    const QFontMetricsF masse(schrift);
    constexpr double saum = 12;
    const double zeilenHoehe = (bild.height() - 2 * saum) / zeilen.size();
    // The board is narrower than the picture and cuts off its right edge, so the rows
    // are centred on the part the player sees.
    constexpr double sichtbareBreite = 552;
    const QColor dunkel(28, 78, 220);
    const QColor hell(190, 220, 255);
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        // The shade rises and falls from row to row and ends bright on the blue.
        const double t =
            0.5 + 0.5 * std::cos((6.0 - static_cast<double>(i)) * std::numbers::pi / 2);
        const QColor farbe = mischen(dunkel, hell, t);
        const double grundlinie =
            saum + zeilenHoehe * static_cast<double>(i) + (zeilenHoehe + masse.capHeight()) / 2;
        QPainterPath pfad;
        pfad.addText((sichtbareBreite - masse.horizontalAdvance(zeilen[i])) / 2, grundlinie,
                     schrift, zeilen[i]);
        maler.fillPath(pfad.translated(3, 3), QColor(0, 0, 0, 150));
        QLinearGradient glanz(0, grundlinie - masse.capHeight(), 0, grundlinie);
        glanz.setColorAt(0, mischen(farbe, Qt::white, 0.45));
        glanz.setColorAt(1, farbe);
        maler.setPen(QPen(QColor(0, 8, 48), 2));
        maler.setBrush(glanz);
        maler.drawPath(pfad);
    }
    return bild;
}

QImage pinZeichnen() {
    QImage bild = durchsichtig({32, 32});
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    // The pin leans to the lower left, its point in the note just below the top edge.
    maler.setPen(QPen(QColor(120, 120, 120), 1.3, Qt::SolidLine, Qt::RoundCap));
    maler.drawLine(QPointF(22.5, 9.5), QPointF(18.8, 14.2));
    maler.translate(24.5, 6.5);
    maler.rotate(40);
    maler.setPen(Qt::NoPen);
    maler.setBrush(QColor(0, 96, 100));
    maler.drawEllipse(QPointF(0, 3.2), 3.6, 1.4);
    maler.setBrush(QColor(0, 140, 145));
    maler.drawRect(QRectF(-1.8, -1.8, 3.6, 5));
    QLinearGradient kopf(-5, 0, 5, 0);
    kopf.setColorAt(0, QColor(90, 215, 215));
    kopf.setColorAt(0.5, QColor(0, 168, 170));
    kopf.setColorAt(1, QColor(0, 100, 105));
    maler.setBrush(kopf);
    maler.drawEllipse(QPointF(0, -2.2), 5, 2.2);
    maler.setBrush(QColor(215, 255, 255));
    maler.drawEllipse(QPointF(-2.2, -2.8), 1.1, 0.6);
    maler.resetTransform();
    for (const QPoint staub : {QPoint(5, 7), QPoint(13, 3), QPoint(9, 21), QPoint(26, 19),
                               QPoint(17, 27), QPoint(29, 29)})
        bild.setPixel(staub, 0xffffffff);
    return bild;
}

QImage logoZeichnen(QSize groesse) {
    constexpr double breite = 165;
    constexpr double hoehe = 52;
    QImage bild = durchsichtig(groesse);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.scale(groesse.width() / breite, groesse.height() / hoehe);

    QLinearGradient grund(0, 0, 0, hoehe);
    grund.setColorAt(0, QColor(40, 88, 176));
    grund.setColorAt(1, QColor(12, 30, 88));
    maler.setPen(QPen(QColor(232, 186, 64), 2.2));
    maler.setBrush(grund);
    maler.drawRoundedRect(QRectF(1.2, 1.2, breite - 2.4, hoehe - 2.4), 11, 11);

    const QPointF mitte(26, hoehe / 2);
    QRadialGradient gold(mitte - QPointF(6, 7), 24);
    gold.setColorAt(0, QColor(255, 236, 150));
    gold.setColorAt(1, QColor(200, 138, 16));
    maler.setPen(Qt::NoPen);
    maler.setBrush(gold);
    maler.drawEllipse(mitte, 17, 17);
    const QPolygonF v{{15.5, 14}, {22, 14}, {26, 29}, {30, 14}, {36.5, 14}, {28.5, 38}, {23.5, 38}};
    maler.setBrush(QColor(12, 30, 88));
    maler.drawPolygon(v);

    // The name as an outline fitted into the space right of the emblem, so that both
    // sizes show the same drawing, only scaled.
    QFont schrift(u"DejaVu Serif"_s);
    schrift.setBold(true);
    schrift.setPixelSize(40);
    QPainterPath name;
    name.addText(0, 0, schrift, u"Vestrum"_s);
    const QRectF platz(50, 13, breite - 58, hoehe - 26);
    const QRectF umriss = name.boundingRect();
    const double faktor =
        std::min(platz.width() / umriss.width(), platz.height() / umriss.height());
    maler.translate(platz.center());
    maler.scale(faktor, faktor);
    maler.translate(-umriss.center());
    maler.setBrush(Qt::white);
    maler.drawPath(name);
    return bild;
}

QImage symbolZeichnen() {
    QImage bild = durchsichtig({64, 64});
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);

    const QRectF kiste(4, 4, 44, 44);
    maler.setPen(Qt::NoPen);
    maler.setBrush(QColor(78, 48, 20));
    maler.drawRoundedRect(kiste, 4, 4);
    maler.setBrush(QColor(227, 178, 106));
    maler.drawRect(kiste.adjusted(2.5, 2.5, -2.5, -2.5));
    const QRectF bretter = kiste.adjusted(9, 9, -9, -9);
    maler.setBrush(QColor(138, 90, 38));
    maler.drawRect(bretter.adjusted(-1.5, -1.5, 1.5, 1.5));
    maler.setBrush(QColor(192, 138, 68));
    maler.drawRect(bretter);
    maler.setPen(QPen(QColor(138, 90, 38), 1.2));
    for (double y = bretter.top() + 6.5; y < bretter.bottom(); y += 6.5)
        maler.drawLine(QPointF(bretter.left(), y), QPointF(bretter.right(), y));
    maler.setClipRect(bretter);
    maler.setPen(QPen(QColor(78, 48, 20), 7));
    maler.drawLine(bretter.topLeft(), bretter.bottomRight());
    maler.setPen(QPen(QColor(227, 178, 106), 4.5));
    maler.drawLine(bretter.topLeft(), bretter.bottomRight());
    maler.setClipping(false);

    gesicht(maler, QPointF(46, 46), 15);
    return bild;
}
