#include "records/form5.h"

#include "game/bestwerte.h"
#include "game/loesungsweg.h"
#include "game/rekord.h"

#include "kit/dateiliste.h"
#include "kit/entwurf.h"
#include "kit/hauptfenster.h"
#include "kit/meldung.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace {

// Each entry shows the level name and keeps the real file name, whose extension may
// be written in any case, for reading and deleting.
constexpr int dateiRolle = Qt::UserRole;

QLabel* wertAnzeige(QWidget* fenster, const QString& name, int oben) {
    auto* anzeige = anlegen<QLabel>(fenster, name, twips(2280, oben, 2415, 375));
    QFont schrift = anzeige->font();
    schrift.setPointSize(12);
    anzeige->setFont(schrift);
    // A holder's name is shown as typed, never as markup.
    anzeige->setTextFormat(Qt::PlainText);
    return anzeige;
}

// The table's count for a level: proved the fewest, or the fewest found so far.
QString bestwertText(const Bestwert& eintrag) {
    return (eintrag.bewiesen ? u"Bestmöglich: %1 Schritte"_s
                             : u"Beste bekannte Lösung: %1 Schritte"_s)
        .arg(eintrag.schritte);
}

} // namespace

Form5::Form5(Hauptfenster& haupt, QWidget* parent)
    : Nebenfenster(haupt, u"Lagerix 2000 - Rekorde"_s, QSize(px(4830), px(3090)), parent),
      Label3(anlegen<QLabel>(this, u"Label3"_s, twips(120, 240, 1575, 255))),
      List1(anlegen<QListWidget>(this, u"List1"_s, twips(120, 480, 2055, 1815))),
      Label1(anlegen<QLabel>(this, u"Label1"_s, twips(2280, 240, 1695, 255))),
      Label5(wertAnzeige(this, u"Label5"_s, 600)),
      Label2(anlegen<QLabel>(this, u"Label2"_s, twips(2280, 1080, 2415, 255))),
      Label4(wertAnzeige(this, u"Label4"_s, 1320)),
      // Below the list, across the window: the count with its words needs more than the
      // right column's width.
      Label6(anlegen<QLabel>(this, u"Label6"_s, twips(120, 2295, 4575, 225))),
      Command3(anlegen<QPushButton>(this, u"Command3"_s, twips(2280, 1800, 2415, 375))),
      Command1(anlegen<QPushButton>(this, u"Command1"_s, twips(120, 2520, 2175, 495))),
      Command2(anlegen<QPushButton>(this, u"Command2"_s, twips(2520, 2520, 2175, 495))) {
    Label3->setText(u"Level:"_s);
    Label1->setText(u"Rekord: (Schrittzahl)"_s);
    Label2->setText(u"Rekordhalter: (Name)"_s);
    Command3->setText(u"Diesen Rekord löschen"_s);
    Command1->setText(u"Ok"_s);
    Command2->setText(u"Alle Rekorde löschen"_s);

    connect(List1, &QListWidget::itemSelectionChanged, this, &Form5::List1_Click);
    // Clicking the selected entry again reads its file again: it may have changed since.
    connect(List1, &QListWidget::itemClicked, this, &Form5::List1_Click);
    connect(Command1, &QPushButton::clicked, this, &Form5::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form5::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form5::Command3_Click);
    Form_Load();
}

void Form5::Form_Load() {
    zentrieren(*this);
    listeFuellen();
    List1->setFocus();
}

void Form5::List1_Click() {
    const QString datei = gewaehlteDatei();
    if (datei.isEmpty())
        return;
    const Rekord rekord = rekordLesen(pfad(datei).toStdString());
    Label5->setText(QString::fromStdString(rekord.schrittzahl));
    Label4->setText(QString::fromStdString(rekord.rekordhalter));
    const auto tabelle = bestwerteLesen(pfad(QString::fromLatin1(bestwerteDatei)).toStdString());
    const auto eintrag = bestwert(tabelle, datei.chopped(4).toStdString());
    Label6->setText(eintrag ? bestwertZeile(*eintrag) : QString());
}

// A proved count shows the pushes of its solution too, from playing it on the level: a
// level changed since the table was made shows the steps alone. A best known count is
// still open to a better solution and shows the steps alone, which keeps the line within
// the window's width.
QString Form5::bestwertZeile(const Bestwert& eintrag) const {
    const QString schritte = bestwertText(eintrag);
    if (!eintrag.bewiesen)
        return schritte;
    const auto schuebe =
        schuebeAbStart(haupt.programmOrdner().toStdString(), eintrag.levelDatei, eintrag.loesung);
    return schuebe ? schritte + u", davon %1 Schübe"_s.arg(*schuebe) : schritte;
}

void Form5::Command1_Click() {
    close();
}

void Form5::Command2_Click() {
    const auto antwort = meldung::zeigen(this, QMessageBox::Question, meldung::programmTitel,
                                         u"Wollen Sie wirklich ALLE Rekorde löschen ?"_s,
                                         QMessageBox::Yes | QMessageBox::No);
    if (antwort != QMessageBox::Yes)
        return;
    // The folder as it is now, not the list: files may have come or gone meanwhile.
    for (const QString& datei : rekordDateien())
        QFile::remove(pfad(datei));
    listeFuellen();
    werteLeeren();
}

void Form5::Command3_Click() {
    const QString datei = gewaehlteDatei();
    if (datei.isEmpty())
        return;
    QFile::remove(pfad(datei));
    listeFuellen();
    werteLeeren();
}

void Form5::Form_QueryUnload() {
    haupt.brettFokussieren();
    haupt.neuZeichnen();
}

QStringList Form5::rekordDateien() const {
    return dateiliste(haupt.programmOrdner(), u"*"_s + QString::fromLatin1(rekordEndung));
}

void Form5::listeFuellen() {
    List1->clear();
    for (const QString& datei : rekordDateien()) {
        auto* eintrag = new QListWidgetItem(datei.chopped(4), List1);
        eintrag->setData(dateiRolle, datei);
    }
    zeilenErhoehen(*List1);
    // No current entry either, or gaining the focus would make the first one current
    // and the first arrow key would skip it.
    List1->setCurrentIndex({});
}

void Form5::werteLeeren() {
    Label5->clear();
    Label4->clear();
    Label6->clear();
}

QString Form5::gewaehlteDatei() const {
    const auto gewaehlt = List1->selectedItems();
    return gewaehlt.isEmpty() ? QString() : gewaehlt.first()->data(dateiRolle).toString();
}
