#include "help/form2.h"

#include "help/hilfethemen.h"
#include "kit/entwurf.h"
#include "kit/hauptfenster.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The dots of a capital umlaut rise above the ascent of common desktop fonts, and a text
// read from the top of its label would lose them ("Über Lagerix"). The label keeps its
// place; its text moves down by as much as they rise.
void umlautpunkteZeigen(QLabel& label) {
    const QFontMetrics schrift = label.fontMetrics();
    const int ueberstand = -schrift.tightBoundingRect(u"ÄÖÜ"_s).top() - schrift.ascent();
    label.setContentsMargins(0, std::max(ueberstand, 0), 0, 0);
}

} // namespace

Form2::Form2(Hauptfenster& haupt, QWidget* parent)
    : Nebenfenster(haupt, u"Hilfe zu Lagerix 2000"_s, twips(0, 0, 5580, 3795).size(), parent),
      List1(anlegen<QListWidget>(this, u"List1"_s, twips(120, 480, 2655, 3180))),
      Label2(beschriftung(this, u"Label2"_s, u"Hilfethema"_s, twips(3000, 480, 2535, 255))),
      Label1(beschriftung(this, u"Label1"_s, u"Hilfetext -- Wählen Sie ein Thema"_s,
                          twips(3000, 840, 2415, 2895))) {

    beschriftung(this, u"Label3"_s, u"Wählen Sie ein Thema aus der Liste aus"_s,
                 twips(120, 120, 5295, 255));

    QFont fett = Label2->font();
    fett.setBold(true);
    Label2->setFont(fett);
    umlautpunkteZeigen(*Label2);

    Label1->setWordWrap(true);

    // Drawn to 5640, past the window's edge at 5580; it ends at the edge.
    auto* Line1 = anlegen<QFrame>(this, u"Line1"_s, twips(2880, 720, 5580 - 2880, 30));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);

    // Selection, not the current row: a list view takes a current row when it gets the
    // focus, and the right side must keep its invitation until the player chooses.
    connect(List1, &QListWidget::itemSelectionChanged, this, &Form2::List1_Click);
    Form_Load();
}

void Form2::Form_Load() {
    zentrieren(*this);

    QStringList titel;
    for (const Hilfethema& thema : hilfethemen())
        titel.append(thema.titel);
    std::sort(titel.begin(), titel.end(), themenOrdnung());
    List1->addItems(titel);
    zeilenErhoehen(*List1);
    // Said outright, so the list does not make its first title current on getting the
    // focus, and the first arrow key chooses that title instead of skipping it.
    List1->setCurrentIndex({});
}

void Form2::List1_Click() {
    const QList<QListWidgetItem*> gewaehlt = List1->selectedItems();
    if (gewaehlt.isEmpty())
        return;
    const QString titel = gewaehlt.first()->text();
    Label2->setText(titel);
    for (const Hilfethema& thema : hilfethemen()) {
        if (thema.titel == titel)
            Label1->setText(thema.text);
    }
}

void Form2::Form_QueryUnload() {
    haupt.brettFokussieren();
    haupt.neuZeichnen();
}
