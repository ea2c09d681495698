#include "mainwindow/zaehler.h"

#include "game/brett.h"
#include "kit/entwurf.h"

using namespace Qt::StringLiterals;

namespace {

QLabel* zaehler(QWidget& fenster, const QString& name, const QString& text, QRect lage) {
    auto* label = anlegen<QLabel>(&fenster, name, lage);
    label->setText(text);
    label->setAutoFillBackground(true);
    return label;
}

} // namespace

Zaehler::Zaehler(QWidget& fenster) {
    Label1 = zaehler(fenster, u"Label1"_s, u"0"_s, twips(120, 7020, 330, 300));
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    zaehler(fenster, u"Label2"_s, u"von"_s, twips(510, 7020, 330, 300));
    Label3 = zaehler(fenster, u"Label3"_s, u"0"_s, twips(870, 7020, 330, 300));
    zaehler(fenster, u"Label4"_s, u"Kisten abgestellt"_s, twips(1230, 7020, 1440, 300));
    zaehler(fenster, u"Label5"_s, u"Schritte:"_s, twips(2700, 7020, 690, 300));
    Label6 = zaehler(fenster, u"Label6"_s, u"0"_s, twips(3390, 7020, 420, 300));
    zaehler(fenster, u"Label9"_s, u"Level gestaltet von:"_s, twips(6120, 6960, 2280, 225));
    Autor = zaehler(fenster, u"Autor"_s, QString(), twips(6120, 7170, 2280, 225));
}

void Zaehler::zeigen(const Brett& brett) {
    Label1->setText(QString::number(brett.kistenAbgestellt));
    Label3->setText(QString::number(brett.kistenGesamt));
    Label6->setText(QString::number(brett.schritte));
}

void Zaehler::autorZeigen(const QString& autor) {
    Autor->setText(Autor->fontMetrics().elidedText(autor, Qt::ElideRight, Autor->width()));
    Autor->setToolTip(autor);
}
