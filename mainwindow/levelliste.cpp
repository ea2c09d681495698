#include "mainwindow/levelliste.h"

#include "kit/dateiliste.h"
#include "kit/entwurf.h"
#include "kit/linie.h"
#include "kit/programmbild.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

QLabel* notizText(QWidget& brett, const QString& name, const QString& text, QRect lage, bool fett) {
    auto* label = anlegen<QLabel>(&brett, name, lage);
    label->setText(text);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setStyleSheet(u"background-color: rgb(255, 255, 192); color: black;"_s);
    QFont schrift = label->font();
    schrift.setBold(fett);
    label->setFont(schrift);
    return label;
}

Linie* linie(QWidget& brett, const QString& name, QPoint von, QPoint bis) {
    auto* strich = new Linie(von / 15, bis / 15, &brett);
    strich->setObjectName(name);
    return strich;
}

} // namespace

Levelliste::Levelliste(QWidget& brett, const QString& ordner) : QObject(&brett), ordner(ordner) {
    notizAnlegen(brett);
    liste = anlegen<QListWidget>(&brett, u"File2"_s, twips(0, 0, 2295, 3015));
    Command2 = anlegen<QPushButton>(&brett, u"Command2"_s, twips(0, 3000, 1095, 375));
    Command2->setText(u"Ok"_s);
    Command3 = anlegen<QPushButton>(&brett, u"Command3"_s, twips(1200, 3000, 1095, 375));
    Command3->setText(u"Abbrechen"_s);
    connect(liste, &QListWidget::itemDoubleClicked, this, &Levelliste::doppelklick);
    connect(Command2, &QPushButton::clicked, this, &Levelliste::okGeklickt);
    connect(Command3, &QPushButton::clicked, this, &Levelliste::abbrechenGeklickt);
}

void Levelliste::notizAnlegen(QWidget& brett) {
    auto* Shape1 = anlegen<QLabel>(&brett, u"Shape1"_s, twips(2640, 360, 2655, 2895));
    Shape1->setStyleSheet(u"background-color: rgb(255, 255, 192);"_s);
    auto* Image2 = anlegen<QLabel>(&brett, u"Image2"_s, twips(3600, 240, 480, 480));
    Image2->setPixmap(QPixmap::fromImage(programmBild(u"pin.png"_s)));
    notiz = {Shape1,
             Image2,
             notizText(brett, u"Label7"_s,
                       u"Wählen Sie ein Level aus der Liste aus, um es zu spielen. Bestätigen "
                       u"Sie mit Doppelklick, ENTER oder \"Ok\""_s,
                       twips(2880, 720, 2295, 975), true),
             notizText(brett, u"Label8"_s,
                       u"Sie können die Level-Liste durch Klick auf den \"Level laden\"-Button "
                       u"am oberen Fensterrand ein- und ausblenden. So können Sie auch im "
                       u"späteren Spiel jederzeit ein anderes Level laden."_s,
                       twips(2880, 1680, 2295, 1455), false),
             linie(brett, u"Line2"_s, {5040, 3000}, {5040, 3240}),
             linie(brett, u"Line3"_s, {5040, 3000}, {5280, 3000}),
             linie(brett, u"Line4"_s, {5040, 3240}, {5280, 3000})};
}

bool Levelliste::offen() const {
    return !liste->isHidden();
}

bool Levelliste::istListe(const QObject* objekt) const {
    return objekt == liste;
}

void Levelliste::notizZeigen(bool sichtbar) {
    for (auto* teil : notiz)
        teil->setVisible(sichtbar);
}

void Levelliste::listeZeigen(bool sichtbar) {
    liste->setVisible(sichtbar);
    Command2->setVisible(sichtbar);
    Command3->setVisible(sichtbar);
}

QString Levelliste::gewaehlteDatei() const {
    const auto gewaehlt = liste->selectedItems();
    return gewaehlt.isEmpty() ? QString() : gewaehlt.first()->text();
}

void Levelliste::fuellen() {
    const QString gewaehlt = gewaehlteDatei();
    liste->clear();
    liste->addItems(dateiliste(ordner, u"*.lev"_s));
    zeilenErhoehen(*liste);
    const auto wieder = liste->findItems(gewaehlt, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!gewaehlt.isEmpty() && !wieder.isEmpty())
        liste->setCurrentItem(wieder.first());
    else
        // Said outright, so the list does not make its first file current on getting the
        // focus, and the first arrow key chooses that file instead of skipping it.
        liste->setCurrentIndex({});
}

void Levelliste::naechsteWaehlen() {
    const auto gewaehlt = liste->selectedItems();
    const int zeile = gewaehlt.isEmpty() ? -1 : liste->row(gewaehlt.first());
    if (zeile < liste->count() - 1)
        liste->setCurrentRow(zeile + 1);
}

void Levelliste::fokussieren() {
    liste->setFocus();
}
