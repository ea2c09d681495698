#include "about/form3.h"

#include "about/verweis.h"
#include "kit/entwurf.h"
#include "kit/hauptfenster.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace {

// The buttons end at 5775; below them a margin as wide as the one at their left.
constexpr int fensterHoehe = 5895;

QLabel* bild(QWidget* fenster, const QString& name, const QString& datei, QRect lage) {
    // A picture missing from the resources leaves an empty place, nothing worse.
    auto* label = anlegen<QLabel>(fenster, name, lage);
    label->setPixmap(QPixmap(datei));
    return label;
}

// The program's name in large dark blue letters.
void schriftzug(QLabel* label, bool fett) {
    QFont schrift = label->font();
    schrift.setPointSize(18);
    schrift.setBold(fett);
    label->setFont(schrift);
    QPalette farben = label->palette();
    farben.setColor(QPalette::WindowText, Qt::darkBlue);
    label->setPalette(farben);
}

// The sizes were measured for a narrower font than today's desktops have: every text
// grows to be shown whole.
void texteGanzZeigen(QWidget* fenster) {
    for (QLabel* label : fenster->findChildren<QLabel*>()) {
        if (!label->text().isEmpty())
            label->resize(label->size().expandedTo(label->sizeHint()));
    }
}

} // namespace

Form3::Form3(Hauptfenster& haupt, QWidget* parent)
    : Nebenfenster(haupt, u"Über Lagerix 2000"_s, twips(0, 0, 5070, fensterHoehe).size(), parent) {

    bild(this, u"Image1"_s, u":/bilder/logo-gross.png"_s, twips(1440, 0, 2475, 780));
    auto* Line1 = anlegen<QFrame>(this, u"Line1"_s, twips(0, 840, 5040, 30));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    bild(this, u"Image2"_s, u":/bilder/lagerix.png"_s, twips(600, 960, 600, 600))
        ->setScaledContents(true);

    schriftzug(beschriftung(this, u"Label2"_s, u"Lagerix"_s, twips(1440, 960, 1575, 375)), true);
    schriftzug(beschriftung(this, u"Label3"_s, u"2000"_s, twips(3000, 960, 1575, 375)), false);
    beschriftung(this, u"Label5"_s, u"Version 3.0 (\"2000\")  Vestrum, Februar 2000"_s,
                 twips(960, 1680, 3135, 255));

    auto* Label4 = beschriftung(this, u"Label4"_s, u"Kontakt:"_s, twips(120, 3840, 735, 255));
    QFont ueberschrift = Label4->font();
    ueberschrift.setBold(true);
    ueberschrift.setUnderline(true);
    Label4->setFont(ueberschrift);
    beschriftung(this, u"Label10"_s, u"E-Mail:"_s, twips(120, 4080, 615, 255));
    beschriftung(this, u"Label9"_s, u"post@vestrum.example"_s, twips(1080, 4080, 2895, 255));
    beschriftung(this, u"Label11"_s, u"Internet:"_s, twips(120, 4320, 855, 255));
    auto* Label1 =
        beschriftung<Verweis>(this, u"Label1"_s, u"Vestrum Homepage (www.vestrum.example)"_s,
                              twips(1080, 4320, 3015, 255));
    texteGanzZeigen(this);

    auto* Command1 = anlegen<QPushButton>(this, u"Command1"_s, twips(120, 5280, 2295, 495));
    Command1->setText(u"Ok"_s);
    auto* Command2 = anlegen<QPushButton>(this, u"Command2"_s, twips(2520, 5280, 2415, 495));
    Command2->setText(u"Hilfe zum Spiel"_s);

    connect(Label1, &Verweis::geklickt, this, &Form3::Label1_Click);
    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form3::Command2_Click);
    Form_Load();
}

void Form3::Form_Load() {
    zentrieren(*this);
}

void Form3::Command1_Click() {
    haupt.aktivieren();
    haupt.brettFokussieren();
    close();
}

void Form3::Command2_Click() {
    haupt.seiteOeffnen(u"hilfe.htm"_s);
}

void Form3::Label1_Click() {
    haupt.seiteOeffnen(u"vestrum.htm"_s);
}

// Only a redraw: the close box leaves the focus where the desktop puts it; "Ok" has
// already handed it to the board.
void Form3::Form_QueryUnload() {
    haupt.neuZeichnen();
}
