#include "options/form4.h"

#include "game/konfiguration.h"
#include "kit/dateiliste.h"
#include "kit/entwurf.h"
#include "kit/hauptfenster.h"
#include "kit/meldung.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

using namespace Qt::StringLiterals;

Form4::Form4(Hauptfenster& haupt, QWidget* parent)
    : Nebenfenster(haupt, u"Lagerix 2000 - Optionen"_s, QSize(px(4305), px(3495)), parent),
      Command1(anlegen<QPushButton>(this, u"Command1"_s, twips(2280, 2280, 1935, 495))),
      Command2(anlegen<QPushButton>(this, u"Command2"_s, twips(2280, 2880, 1935, 495))),
      Label1(anlegen<QLabel>(this, u"Label1"_s, twips(120, 120, 855, 255))),
      Combo1(anlegen<QComboBox>(this, u"Combo1"_s, twips(120, 360, 4095, 315))),
      Check1(anlegen<QCheckBox>(this, u"Check1"_s, twips(120, 840, 975, 255))),
      Check2(anlegen<QCheckBox>(this, u"Check2"_s, twips(2280, 840, 1935, 255))),
      Label2(anlegen<QLabel>(this, u"Label2"_s, twips(360, 1200, 1695, 255))),
      Image1(anlegen<QLabel>(this, u"Image1"_s, twips(360, 1560, 1440, 1800))) {
    Command1->setText(u"Ok"_s);
    Command2->setText(u"Abbrechen"_s);
    Label1->setText(u"Grafikset:"_s);
    Check1->setText(u"Sound"_s);
    Check2->setText(u"Gewinn-Animation"_s);
    Label2->setText(u"Grafikset-Vorschau:"_s);

    connect(Combo1, &QComboBox::activated, this, &Form4::Combo1_Click);
    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form4::Command2_Click);
    Form_Load();
}

// The list shows every set of the folder as it is now, none of them chosen: the window
// does not tell which set is in use.
void Form4::Form_Load() {
    zentrieren(*this);
    Combo1->addItems(dateiliste(haupt.programmOrdner(), u"*.gif"_s));
    Combo1->setCurrentIndex(-1);
    Check2->setChecked(haupt.einstellungen().animationAn);
    Check1->setChecked(haupt.einstellungen().soundAn);
    Command1->setFocus();
}

void Form4::Combo1_Click() {
    if (Combo1->currentIndex() < 0)
        return;
    QPixmap bild;
    if (!bild.load(pfad(Combo1->currentText()))) {
        meldung::zeigen(
            this, QMessageBox::Warning, meldung::programmTitel,
            u"Die Datei „%1“ ist kein lesbares Bild. Die Vorschau bleibt unverändert."_s.arg(
                Combo1->currentText()));
        return;
    }
    Image1->setPixmap(bild.scaled(Image1->size()));
}

void Form4::Command1_Click() {
    grafiksetUebernehmen();
    haupt.einstellungen().soundAn = Check1->isChecked();
    haupt.einstellungen().animationAn = Check2->isChecked();
    konfigurationSpeichern();
    close();
}

void Form4::Command2_Click() {
    close();
}

// Whichever way the window closes, the board gets the keys back and is drawn anew.
void Form4::Form_QueryUnload() {
    haupt.neuZeichnen();
    haupt.brettFokussieren();
}

// A set that cannot be loaded leaves the game with the sheet it has, so the name in
// force must stay with it.
void Form4::grafiksetUebernehmen() {
    if (Combo1->currentIndex() < 0)
        return;
    const QString name = Combo1->currentText();
    if (haupt.grafiksetLaden(name))
        haupt.einstellungen().grafikset = name.toStdString();
}

// The settings stay applied for this run even when the file cannot be written.
void Form4::konfigurationSpeichern() {
    const auto fehler = konfigurationSchreiben(
        pfad(QString::fromLatin1(konfigurationsDatei)).toStdString(), haupt.einstellungen());
    if (fehler)
        meldung::zeigen(this, QMessageBox::Warning, meldung::programmTitel,
                        QString::fromStdString(*fehler));
}
