#include "mainwindow/form1.h"

#include "about/form3.h"
#include "game/abschluss.h"
#include "game/lesezeichen.h"
#include "game/textdatei.h"
#include "game/zeichnen.h"
#include "help/form2.h"
#include "kit/brettbild.h"
#include "kit/brettflaeche.h"
#include "kit/entwurf.h"
#include "kit/explosionsbild.h"
#include "kit/hinweisgeber.h"
#include "kit/klickfeld.h"
#include "kit/knopf.h"
#include "kit/meldung.h"
#include "kit/programmbild.h"
#include "kit/spielsteuerung.h"
#include "mainwindow/gewinnanimation.h"
#include "mainwindow/lesezeichenmenue.h"
#include "mainwindow/levelliste.h"
#include "mainwindow/tastenweiche.h"
#include "mainwindow/zaehler.h"
#include "options/form4.h"
#include "records/form5.h"
#include "records/rekordschreiber.h"

#include <QApplication>
#include <QCursor>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <ctime>

using namespace Qt::StringLiterals;

Form1::Form1(const QString& ordner, Aussenwelt aussenwelt, QWidget* parent)
    : QWidget(parent), ordner(ordner), aussenwelt(std::move(aussenwelt)),
      aussenstarts(*this, this->ordner, this->aussenwelt), spiel(std::make_unique<Brett>()) {
    setWindowTitle(meldung::programmTitel);
    setWindowIcon(QPixmap::fromImage(programmBild(u"lagerix.png"_s)));
    setFixedSize(twips(0, 0, 8490, 7395).size());
    entwurfsSchrift(*this);
    steuerelementeAnlegen();

    // Timer1 and Timer2 run once after the current event; several requests give one run.
    timer1 = timerAnlegen(u"Timer1"_s, 0, &Form1::Timer1_Timer);
    timer1->setSingleShot(true);
    timer2 = timerAnlegen(u"Timer2"_s, 0, &Form1::Timer2_Timer);
    timer2->setSingleShot(true);
    timer3 = timerAnlegen(u"Timer3"_s, 100, &Form1::Timer3_Timer);

    Form_Load();
    timer1->start();
    timer3->start();
}

Form1::~Form1() = default;

QTimer* Form1::timerAnlegen(const QString& name, int intervall, void (Form1::*handler)()) {
    auto* timer = new QTimer(this);
    timer->setObjectName(name);
    timer->setInterval(intervall);
    connect(timer, &QTimer::timeout, this, handler);
    return timer;
}

void Form1::steuerelementeAnlegen() {
    const auto knopf = [this](const QString& name, const QString& text, const QString& tipp,
                              QRect lage, void (Form1::*handler)()) {
        auto* k = anlegen<Knopf>(this, name, lage);
        k->setText(text);
        k->setToolTip(tipp);
        connect(k, &QPushButton::clicked, this, handler);
    };
    knopf(u"Command1"_s, u"Level wählen"_s, u"Levelauswahl ein-/ ausblenden"_s,
          twips(120, 0, 1095, 495), &Form1::Command1_Click);
    knopf(u"Command4"_s, u"Level neu starten"_s, u"Gleiches Level von Vorne beginnen"_s,
          twips(1320, 0, 1095, 495), &Form1::Command4_Click);
    knopf(u"Command5"_s, u"Rekorde"_s, u"Rekorde anzeigen / löschen"_s, twips(2760, 0, 1095, 495),
          &Form1::Command5_Click);
    knopf(u"Command6"_s, u"Level Editor"_s, u"Level Editor starten"_s, twips(3900, 0, 1095, 495),
          &Form1::Command6_Click);
    knopf(u"Command7"_s, u"Optionen"_s, u"Programmeinstellungen"_s, twips(5040, 0, 1095, 495),
          &Form1::Command7_Click);
    knopf(u"Command8"_s, u"Info / Hilfe"_s, u"Info und Hilfe zu Lagerix"_s,
          twips(6180, 0, 1095, 495), &Form1::Command8_Click);
    auto* Command9 = anlegen<QPushButton>(this, u"Command9"_s, twips(3840, 7005, 2175, 375));
    Command9->setText(u"Lesezeichen"_s);
    connect(Command9, &QPushButton::clicked, this, &Form1::Command9_Click);

    auto* Image3 = anlegen<Klickfeld>(this, u"Image3"_s, twips(7320, 75, 1155, 360));
    Image3->setPixmap(QPixmap::fromImage(programmBild(u"logo.png"_s)));
    Image3->setToolTip(u"Zur Vestrum Homepage"_s);
    Image3->setCursor(Qt::PointingHandCursor);
    connect(Image3, &Klickfeld::geklickt, this, &Form1::Image3_Click);

    bildBrett = new Brettbild(this);
    bildBrett->setObjectName(u"Picture2"_s);
    bildBrett->move(8, 32);
    flaeche = std::make_unique<Brettflaeche>(*bildBrett, blatt);
    Image1 = new Explosionsbild(*flaeche, *spiel, einstellungenWerte,
                                [this] { aussenwelt.klangAbspielen(ordner + u"explsion.wav"_s); });
    zaehler = std::make_unique<Zaehler>(*this);
    steuerungAnlegen();

    levelliste = new Levelliste(*bildBrett, ordner);
    connect(levelliste, &Levelliste::okGeklickt, this, &Form1::Command2_Click);
    connect(levelliste, &Levelliste::abbrechenGeklickt, this, &Form1::Command3_Click);
    connect(levelliste, &Levelliste::doppelklick, this, &Form1::File2_DblClick);

    lesezeichenMenue = new Lesezeichenmenue(this);
    connect(lesezeichenMenue, &Lesezeichenmenue::abgebrochen, this, &Form1::brettFokussieren);
    connect(lesezeichenMenue, &Lesezeichenmenue::setzen, this, &Form1::lesezeichenSetzen);
    connect(lesezeichenMenue, &Lesezeichenmenue::abrufen, this, &Form1::lesezeichenAbrufen);

    auto* tasten = new Tastenweiche(*this, *steuerung, *hinweise, *levelliste);
    connect(tasten, &Tastenweiche::hilfe, this, &Form1::hilfeZeigen);
    connect(tasten, &Tastenweiche::ok, this, &Form1::Command2_Click);
    connect(tasten, &Tastenweiche::schritt, this,
            [this](int keyCode) { Picture2_KeyDown(keyCode, 0); });
}

// Beyond the arrow keys: steps back and again, the mouse on the board and the hints. A
// failed drag says so over the board's bottom edge for a moment.
void Form1::steuerungAnlegen() {
    steuerung = new Spielsteuerung(
        *spiel, *flaeche, [this] { return Image1->laeuft(); }, this);
    connect(steuerung, &Spielsteuerung::gesprengt, Image1, &Explosionsbild::starten);
    connect(Image1, &Explosionsbild::vorbei, steuerung, &Spielsteuerung::explosionVorbei);
    steuerung->mausAnschliessen(*bildBrett);
    hinweise = new Hinweisgeber(*spiel, *steuerung, *bildBrett, this);
}

void Form1::Form_Load() {
    if (const QScreen* bildschirm = screen())
        move(bildschirm->geometry().width() / 2 - frameGeometry().width() / 2, 0);
    levelliste->fuellen();
    // ENTER presses "Ok" only from the list, and the arrow keys choose there.
    levelliste->fokussieren();
    zwischendateienEntfernen(ordner.toStdString(), std::time(nullptr));
    std::string fehler;
    einstellungenWerte =
        konfigurationLesen(dateiImOrdner(ordner.toStdString(), konfigurationsDatei), &fehler);
    if (!fehler.empty())
        meldungZeigen(QString::fromStdString(fehler));
    const QString meldungsText =
        blatt.mitErsatzLaden(ordner, QString::fromStdString(einstellungenWerte.grafikset));
    if (!meldungsText.isEmpty())
        meldungZeigen(meldungsText);
    spiel->randAnlegen();
    bildBrett->leeren();
}

bool Form1::grafiksetLaden(const QString& name) {
    if (blatt.laden(ordner, name))
        return true;
    meldungZeigen(u"Das Grafikset „%1“ konnte nicht geladen werden. Das bisherige Grafikset "
                  u"bleibt."_s.arg(name));
    return false;
}

void Form1::meldungZeigen(const QString& text) {
    meldung::zeigen(this, QMessageBox::Warning, meldung::programmTitel, text);
}

void Form1::brettFokussieren() {
    bildBrett->setFocus();
}

void Form1::neuZeichnen() {
    if (!timer2->isActive())
        timer2->start();
}

void Form1::aktivieren() {
    show();
    raise();
    activateWindow();
}

void Form1::seiteOeffnen(const QString& seite) {
    aussenstarts.seiteOeffnen(seite);
}

// --- the level list panel ---

void Form1::levellisteEinblenden() {
    levelliste->notizZeigen(true);
    levelliste->fuellen();
    levelliste->listeZeigen(true);
}

void Form1::levellisteAusblenden() {
    levelliste->notizZeigen(false);
    neuZeichnen();
    levelliste->listeZeigen(false);
    brettFokussieren();
}

void Form1::Command1_Click() {
    if (levelliste->offen())
        levellisteAusblenden();
    else
        levellisteEinblenden();
}

void Form1::Command3_Click() {
    levellisteAusblenden();
}

// --- level start ---

void Form1::Command2_Click() {
    levelStartenMit(Startart::neu);
}

void Form1::File2_DblClick() {
    Command2_Click();
}

void Form1::Command4_Click() {
    levelStartenMit(Startart::neustart);
}

void Form1::levelStartenMit(Startart startart) {
    const Levelstart ergebnis =
        levelStarten(*spiel, ordner.toStdString(), levelliste->gewaehlteDatei().toStdString(),
                     *flaeche, startart);
    if (!ergebnis.gestartet)
        return;
    steuerung->neuesBrett();
    levelliste->notizZeigen(false);
    zaehler->autorZeigen(QString::fromStdString(ergebnis.autor));
    brettFokussieren();
    if (!ergebnis.ok) {
        // The player picks another level; the panel stays where the choice is made.
        meldungZeigen(QString::fromStdString(ergebnis.fehler));
        levellisteEinblenden();
        return;
    }
    levelliste->listeZeigen(false);
    neuZeichnen();
}

// --- bookmarks ---

void Form1::Command9_Click() {
    lesezeichenMenue->popup(QCursor::pos());
}

void Form1::lesezeichenSetzen(int nummer) {
    const std::string pfad = dateiImOrdner(ordner.toStdString(), lesezeichenDatei(nummer));
    if (const auto fehler = ::lesezeichenSetzen(*spiel, pfad))
        meldungZeigen(QString::fromStdString(*fehler));
    brettFokussieren();
}

void Form1::lesezeichenAbrufen(int nummer) {
    // A damaged file keeps what was read before the damage; the picture is cleared
    // either way, so no tile of the old board stays where the new one has floor.
    std::string fehler;
    ::lesezeichenAbrufen(*spiel, dateiImOrdner(ordner.toStdString(), lesezeichenDatei(nummer)),
                         &fehler);
    steuerung->neuesBrett();
    bildBrett->leeren();
    levellisteAusblenden();
    if (!fehler.empty())
        meldungZeigen(QString::fromStdString(fehler));
}

// --- the secondary windows and the outside launches ---

template <typename Fenster> void Form1::fensterZeigen(QPointer<Fenster>& fenster) {
    if (!fenster)
        fenster = new Fenster(*this, this);
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
}

void Form1::Command5_Click() {
    fensterZeigen(rekorde);
}

void Form1::Command7_Click() {
    fensterZeigen(optionen);
}

void Form1::Command8_Click() {
    fensterZeigen(info);
}

void Form1::hilfeZeigen() {
    fensterZeigen(hilfe);
}

void Form1::Image3_Click() {
    seiteOeffnen(u"vestrum.htm"_s);
}

void Form1::Command6_Click() {
    aussenstarts.editorStarten();
}

// --- keys ---

// The cursor keys reach the game from the board and from every other control alike.
void Form1::Picture2_KeyDown(int keyCode, int) {
    steuerung->schritt(keyCode);
}

// --- drawing ---

void Form1::paintEvent(QPaintEvent* event) {
    // `Form_Paint`: the board picture is redrawn from the table whenever the window is
    // exposed. The board picture and the labels are opaque, so their own updates do not
    // come through here and no redraw can cause another.
    Q_UNUSED(event);
    neuZeichnen();
}

void Form1::Timer1_Timer() {
    bildBrett->leeren();
}

void Form1::Timer2_Timer() {
    if (!spiel->brettGesperrt)
        brettZeichnen(*spiel, *flaeche, Rand::zeichnen);
}

// --- completion ---

void Form1::Timer3_Timer() {
    zaehler->zeigen(*spiel);
    if (!abschlussPruefen(*spiel))
        return;
    gewinnAnkuendigen(*this, *bildBrett, einstellungenWerte.animationAn);
    // Records are the fewest steps from the level's start; a recalled bookmark skipped
    // steps that the counter never saw. A play with hints is not the player's own; the
    // first hint said so.
    if (spiel->lesezeichenGenutzt)
        meldung::zeigen(this, QMessageBox::Information, meldung::programmTitel,
                        u"Sie haben ein Lesezeichen abgerufen, daher zählt diese Lösung nicht "
                        u"als Rekord."_s);
    else if (!hinweise->genutzt())
        neuenRekordAnbieten(this, QString::fromStdString(spiel->levelDatei), spiel->schritte);
    bildBrett->leeren();
    levellisteEinblenden();
    levelliste->naechsteWaehlen();
}
