#include "help/form2.h"

#include "help/hilfethemen.h"
#include "kit/entwurf.h"
#include "kit/hauptfenster.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <algorithm>

namespace {

QLabel* beschriftung(QWidget* fenster, const QString& name, const QString& text, QRect lage) {
    auto* label = new QLabel(text, fenster);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(lage);
    return label;
}

} // namespace

Form2::Form2(Hauptfenster& haupt, QWidget* parent)
    : Nebenfenster(haupt, QStringLiteral("Hilfe zu Lagerix 2000"), twips(0, 0, 5580, 3795).size(),
                   parent),
      List1(new QListWidget(this)),
      Label2(beschriftung(this, QStringLiteral("Label2"), QStringLiteral("Hilfethema"),
                          twips(3000, 480, 2535, 255))),
      Label1(beschriftung(this, QStringLiteral("Label1"),
                          QStringLiteral("Hilfetext -- Wählen Sie ein Thema"),
                          twips(3000, 840, 2415, 2895))) {

    beschriftung(this, QStringLiteral("Label3"),
                 QStringLiteral("Wählen Sie ein Thema aus der Liste aus"),
                 twips(120, 120, 5295, 255));

    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(twips(120, 480, 2655, 3180));

    QFont fett = Label2->font();
    fett.setBold(true);
    Label2->setFont(fett);

    Label1->setWordWrap(true);

    auto* Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    Line1->setGeometry(twips(2880, 720, 5640 - 2880, 30));

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
