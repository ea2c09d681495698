#include "about/form3.h"

#include "about/verweis.h"
#include "kit/entwurf.h"
#include "kit/hauptfenster.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {

// The buttons end at 5775; below them a margin as wide as the one at their left.
constexpr int fensterHoehe = 5895;

template <typename Beschriftung = QLabel>
Beschriftung* beschriftung(QWidget* fenster, const QString& name, const QString& text, QRect lage) {
    auto* label = platzieren(new Beschriftung(text, fenster), name, lage);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLabel* bild(QWidget* fenster, const QString& name, const QString& datei, QRect lage) {
    // A picture missing from the resources leaves an empty place, nothing worse.
    auto* label = platzieren(new QLabel(fenster), name, lage);
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
    : Nebenfenster(haupt, QStringLiteral("Über Lagerix 2000"),
                   twips(0, 0, 5070, fensterHoehe).size(), parent) {

    bild(this, QStringLiteral("Image1"), QStringLiteral(":/bilder/logo-gross.png"),
         twips(1440, 0, 2475, 780));
    auto* Line1 = platzieren(new QFrame(this), QStringLiteral("Line1"), twips(0, 840, 5040, 30));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    bild(this, QStringLiteral("Image2"), QStringLiteral(":/bilder/lagerix.png"),
         twips(600, 960, 600, 600))
        ->setScaledContents(true);

    schriftzug(beschriftung(this, QStringLiteral("Label2"), QStringLiteral("Lagerix"),
                            twips(1440, 960, 1575, 375)),
               true);
    schriftzug(beschriftung(this, QStringLiteral("Label3"), QStringLiteral("2000"),
                            twips(3000, 960, 1575, 375)),
               false);
    beschriftung(this, QStringLiteral("Label5"),
                 QStringLiteral("Version 3.0 (\"2000\")  Vestrum, Februar 2000"),
                 twips(960, 1680, 3135, 255));

    auto* Label4 = beschriftung(this, QStringLiteral("Label4"), QStringLiteral("Kontakt:"),
                                twips(120, 3840, 735, 255));
    QFont ueberschrift = Label4->font();
    ueberschrift.setBold(true);
    ueberschrift.setUnderline(true);
    Label4->setFont(ueberschrift);
    beschriftung(this, QStringLiteral("Label10"), QStringLiteral("E-Mail:"),
                 twips(120, 4080, 615, 255));
    beschriftung(this, QStringLiteral("Label9"), QStringLiteral("post@vestrum.example"),
                 twips(1080, 4080, 2895, 255));
    beschriftung(this, QStringLiteral("Label11"), QStringLiteral("Internet:"),
                 twips(120, 4320, 855, 255));
    auto* Label1 = beschriftung<Verweis>(this, QStringLiteral("Label1"),
                                         QStringLiteral("Vestrum Homepage (www.vestrum.example)"),
                                         twips(1080, 4320, 3015, 255));
    texteGanzZeigen(this);

    auto* Command1 = platzieren(new QPushButton(QStringLiteral("Ok"), this),
                                QStringLiteral("Command1"), twips(120, 5280, 2295, 495));
    auto* Command2 = platzieren(new QPushButton(QStringLiteral("Hilfe zum Spiel"), this),
                                QStringLiteral("Command2"), twips(2520, 5280, 2415, 495));

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
    haupt.seiteOeffnen(QStringLiteral("hilfe.htm"));
}

void Form3::Label1_Click() {
    haupt.seiteOeffnen(QStringLiteral("vestrum.htm"));
}

// Only a redraw: the close box leaves the focus where the desktop puts it; "Ok" has
// already handed it to the board.
void Form3::Form_QueryUnload() {
    haupt.neuZeichnen();
}
