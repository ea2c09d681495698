#include "mainwindow/form1.h"

#include "about/form3.h"
#include "game/abschluss.h"
#include "game/kachelsatz.h"
#include "game/lesezeichen.h"
#include "game/levelstart.h"
#include "game/textdatei.h"
#include "game/zeichenflaeche.h"
#include "game/zeichnen.h"
#include "game/zug.h"
#include "help/form2.h"
#include "kit/brettbild.h"
#include "kit/entwurf.h"
#include "kit/klickfeld.h"
#include "kit/knopf.h"
#include "kit/linie.h"
#include "kit/meldung.h"
#include "mainwindow/gewinnanimation.h"
#include "options/form4.h"
#include "records/form5.h"
#include "records/rekordschreiber.h"

#include <QCursor>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QThread>

namespace {

int tastencode(int taste) {
    switch (taste) {
    case Qt::Key_Left:
        return tasteLinks;
    case Qt::Key_Up:
        return tasteOben;
    case Qt::Key_Right:
        return tasteRechts;
    case Qt::Key_Down:
        return tasteUnten;
    default:
        return 0;
    }
}

QString zuQt(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

// The game core draws through this onto the board picture.
class Form1::Flaeche : public Zeichenflaeche {
  public:
    explicit Flaeche(Form1& fenster) : fenster(fenster) {}

    void copypic(const std::string& bild, int positionx, int positiony) override {
        fenster.blatt.kachelZeichnen(*fenster.bildBrett, bild, positionx, positiony);
    }

    void leeren() override { fenster.bildBrett->leeren(); }

  private:
    Form1& fenster;
};

Form1::Form1(const QString& ordner, Aussenwelt aussenwelt, QWidget* parent)
    : QWidget(parent), ordner(ordner), aussenwelt(std::move(aussenwelt)),
      spiel(std::make_unique<Brett>()), flaeche(std::make_unique<Flaeche>(*this)) {
    setWindowTitle(meldung::programmTitel);
    setWindowIcon(QIcon(QStringLiteral(":/bilder/lagerix.png")));
    setFixedSize(twips(0, 0, 8490, 7395).size());
    entwurfsSchrift(*this);
    steuerelementeAnlegen();

    timer1.setSingleShot(true);
    timer1.setInterval(0);
    connect(&timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    timer2.setSingleShot(true);
    timer2.setInterval(0);
    connect(&timer2, &QTimer::timeout, this, &Form1::Timer2_Timer);
    timer3.setInterval(100);
    connect(&timer3, &QTimer::timeout, this, &Form1::Timer3_Timer);
    timer4.setInterval(explosionsTaktMs);
    connect(&timer4, &QTimer::timeout, this, &Form1::Timer4_Timer);

    Form_Load();
    timer1.start();
    timer3.start();
}

Form1::~Form1() = default;

void Form1::steuerelementeAnlegen() {
    const auto knopf = [this](const QString& name, const QString& text, const QString& tipp,
                              QRect lage) {
        auto* k = new Knopf(text, this);
        k->setObjectName(name);
        k->setToolTip(tipp);
        k->setGeometry(lage);
        return k;
    };
    auto* Command1 =
        knopf(QStringLiteral("Command1"), QStringLiteral("Level wählen"),
              QStringLiteral("Levelauswahl ein-/ ausblenden"), twips(120, 0, 1095, 495));
    auto* Command4 =
        knopf(QStringLiteral("Command4"), QStringLiteral("Level neu starten"),
              QStringLiteral("Gleiches Level von Vorne beginnen"), twips(1320, 0, 1095, 495));
    knopf(QStringLiteral("Command5"), QStringLiteral("Rekorde"),
          QStringLiteral("Rekorde anzeigen / löschen"), twips(2760, 0, 1095, 495));
    knopf(QStringLiteral("Command6"), QStringLiteral("Level Editor"),
          QStringLiteral("Level Editor starten"), twips(3900, 0, 1095, 495));
    knopf(QStringLiteral("Command7"), QStringLiteral("Optionen"),
          QStringLiteral("Programmeinstellungen"), twips(5040, 0, 1095, 495));
    knopf(QStringLiteral("Command8"), QStringLiteral("Info / Hilfe"),
          QStringLiteral("Info und Hilfe zu Lagerix"), twips(6180, 0, 1095, 495));
    auto* Command9 = new QPushButton(QStringLiteral("Lesezeichen"), this);
    Command9->setObjectName(QStringLiteral("Command9"));
    Command9->setGeometry(twips(3840, 7005, 2175, 375));
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(Command9, &QPushButton::clicked, this, &Form1::Command9_Click);
    const auto verbinden = [this](const char* name, void (Form1::*handler)()) {
        connect(findChild<QPushButton*>(QLatin1String(name)), &QPushButton::clicked, this, handler);
    };
    verbinden("Command5", &Form1::Command5_Click);
    verbinden("Command6", &Form1::Command6_Click);
    verbinden("Command7", &Form1::Command7_Click);
    verbinden("Command8", &Form1::Command8_Click);

    auto* Image3 = new Klickfeld(this);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setPixmap(QPixmap(QStringLiteral(":/bilder/logo.png")));
    Image3->setToolTip(QStringLiteral("Zur Vestrum Homepage"));
    Image3->setGeometry(twips(7320, 75, 1155, 360));
    Image3->setCursor(Qt::PointingHandCursor);
    connect(Image3, &Klickfeld::geklickt, this, &Form1::Image3_Click);

    bildBrett = new Brettbild(this);
    bildBrett->setObjectName(QStringLiteral("Picture2"));
    bildBrett->move(8, 32);

    Image1 = new QLabel(bildBrett);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(Brett::geparkt, 0, kachelGroesse, kachelGroesse + 1);
    explosionsBildZeigen(0);

    // The counters below the board, left to right.
    const auto beschriftung = [this](const QString& name, const QString& text, QRect lage) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        l->setGeometry(lage);
        l->setAutoFillBackground(true);
        return l;
    };
    Label1 = beschriftung(QStringLiteral("Label1"), QStringLiteral("0"), QRect(8, 468, 22, 20));
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    beschriftung(QStringLiteral("Label2"), QStringLiteral("von"), QRect(34, 468, 22, 20));
    Label3 = beschriftung(QStringLiteral("Label3"), QStringLiteral("0"), QRect(58, 468, 22, 20));
    beschriftung(QStringLiteral("Label4"), QStringLiteral("Kisten abgestellt"),
                 QRect(82, 468, 96, 20));
    beschriftung(QStringLiteral("Label5"), QStringLiteral("Schritte:"), QRect(180, 468, 46, 20));
    Label6 = beschriftung(QStringLiteral("Label6"), QStringLiteral("0"), QRect(226, 468, 28, 20));
    beschriftung(QStringLiteral("Label9"), QStringLiteral("Level gestaltet von:"),
                 QRect(408, 464, 152, 15));
    Autor = beschriftung(QStringLiteral("Autor"), QString(), QRect(408, 478, 152, 15));

    levellisteAnlegen();
    lesezeichenMenueAnlegen();

    for (auto* kind : findChildren<QWidget*>())
        kind->installEventFilter(this);
    installEventFilter(this);
}

void Form1::levellisteAnlegen() {
    auto* Shape1 = new QLabel(bildBrett);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(twips(2640, 360, 2655, 2895));
    Shape1->setStyleSheet(QStringLiteral("background-color: rgb(255, 255, 192);"));

    auto* Image2 = new QLabel(bildBrett);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(twips(3600, 240, 480, 480));
    Image2->setPixmap(QPixmap(QStringLiteral(":/bilder/pin.png")));

    const auto notizText = [this](const QString& name, const QString& text, QRect lage, bool fett) {
        auto* l = new QLabel(text, bildBrett);
        l->setObjectName(name);
        l->setGeometry(lage);
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->setStyleSheet(QStringLiteral("background-color: rgb(255, 255, 192); color: black;"));
        QFont schrift = l->font();
        schrift.setBold(fett);
        l->setFont(schrift);
        return l;
    };
    auto* Label7 = notizText(
        QStringLiteral("Label7"),
        QStringLiteral("Wählen Sie ein Level aus der Liste aus, um es zu spielen. Bestätigen Sie "
                       "mit Doppelklick, ENTER oder \"Ok\""),
        twips(2880, 720, 2295, 975), true);
    auto* Label8 = notizText(
        QStringLiteral("Label8"),
        QStringLiteral("Sie können die Level-Liste durch Klick auf den \"Level laden\"-Button am "
                       "oberen Fensterrand ein- und ausblenden. So können Sie auch im späteren "
                       "Spiel jederzeit ein anderes Level laden."),
        twips(2880, 1680, 2295, 1455), false);
    auto* Line3 = new Linie(QPoint(5040, 3000) / 15, QPoint(5280, 3000) / 15, bildBrett);
    auto* Line2 = new Linie(QPoint(5040, 3000) / 15, QPoint(5040, 3240) / 15, bildBrett);
    auto* Line4 = new Linie(QPoint(5040, 3240) / 15, QPoint(5280, 3000) / 15, bildBrett);
    Line2->setObjectName(QStringLiteral("Line2"));
    Line3->setObjectName(QStringLiteral("Line3"));
    Line4->setObjectName(QStringLiteral("Line4"));
    notiz = {Shape1, Image2, Label7, Label8, Line2, Line3, Line4};

    liste = new QListWidget(bildBrett);
    liste->setObjectName(QStringLiteral("File2"));
    liste->setGeometry(twips(0, 0, 2295, 3015));
    connect(liste, &QListWidget::itemDoubleClicked, this, &Form1::File2_DblClick);
    Command2 = new QPushButton(QStringLiteral("Ok"), bildBrett);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(twips(0, 3000, 1095, 375));
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    Command3 = new QPushButton(QStringLiteral("Abbrechen"), bildBrett);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command3->setGeometry(twips(1200, 3000, 1095, 375));
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
}

void Form1::lesezeichenMenueAnlegen() {
    lesezeichenMenue = new QMenu(this);
    lesezeichenMenue->setObjectName(QStringLiteral("mnu_lesezeichen"));
    const auto eintrag = [this](const QString& name, const QString& text, auto handler) {
        QAction* aktion = lesezeichenMenue->addAction(text);
        aktion->setObjectName(name);
        connect(aktion, &QAction::triggered, this, handler);
    };
    eintrag(QStringLiteral("mnu_abbruch"), QStringLiteral("Abbrechen"),
            [this] { brettFokussieren(); });
    lesezeichenMenue->addSeparator()->setObjectName(QStringLiteral("Bindestrich"));
    for (int n = 1; n <= 3; ++n)
        eintrag(QStringLiteral("lesezeichen%1setzen").arg(n),
                QStringLiteral("Lesezeichen %1 setzen").arg(n),
                [this, n] { lesezeichenSetzen(n); });
    lesezeichenMenue->addSeparator()->setObjectName(QStringLiteral("Bindestrich2"));
    for (int n = 1; n <= 3; ++n)
        eintrag(QStringLiteral("lesezeichen%1abrufen").arg(n),
                QStringLiteral("Lesezeichen %1 abrufen").arg(n),
                [this, n] { lesezeichenAbrufen(n); });
}

void Form1::Form_Load() {
    if (const QScreen* bildschirm = screen())
        move(bildschirm->geometry().width() / 2 - frameGeometry().width() / 2, 0);
    levellisteFuellen();
    einstellungenWerte =
        konfigurationLesen(dateiImOrdner(ordner.toStdString(), konfigurationsDatei));
    grafiksetBeimStartLaden();
    spiel->randAnlegen();
    bildBrett->leeren();
}

void Form1::grafiksetBeimStartLaden() {
    const QString meldungsText = blatt.mitErsatzLaden(ordner, zuQt(einstellungenWerte.grafikset));
    if (!meldungsText.isEmpty())
        meldungZeigen(meldungsText);
}

bool Form1::grafiksetLaden(const QString& name) {
    if (blatt.laden(ordner, name))
        return true;
    meldungZeigen(QStringLiteral("Das Grafikset „%1“ konnte nicht geladen werden. Das "
                                 "bisherige Grafikset bleibt.")
                      .arg(name));
    return false;
}

void Form1::meldungZeigen(const QString& text) {
    meldung::zeigen(this, QMessageBox::Warning, meldung::programmTitel, text);
}

void Form1::brettFokussieren() {
    bildBrett->setFocus();
}

void Form1::neuZeichnen() {
    if (!timer2.isActive())
        timer2.start();
}

void Form1::aktivieren() {
    show();
    raise();
    activateWindow();
}

void Form1::seiteOeffnen(const QString& seite) {
    // The viewer is found through the home page, so without it no page opens.
    for (const QString& noetig : {QStringLiteral("vestrum.htm"), seite}) {
        if (!QFile::exists(ordner + noetig)) {
            meldungZeigen(QStringLiteral("Die Seite kann nicht geöffnet werden: Die Datei „%1“ "
                                         "fehlt im Programmordner.")
                              .arg(noetig));
            return;
        }
    }
    if (!aussenwelt.dateiAnzeigen(ordner + seite))
        meldungZeigen(QStringLiteral("Es wurde kein Programm gefunden, das die Seite „%1“ "
                                     "anzeigen kann.")
                          .arg(seite));
}

// --- the level list panel ---

void Form1::notizZeigen(bool sichtbar) {
    for (auto* teil : notiz)
        teil->setVisible(sichtbar);
}

void Form1::listeZeigen(bool sichtbar) {
    liste->setVisible(sichtbar);
    Command2->setVisible(sichtbar);
    Command3->setVisible(sichtbar);
}

QString Form1::gewaehlteDatei() const {
    const auto gewaehlt = liste->selectedItems();
    return gewaehlt.isEmpty() ? QString() : gewaehlt.first()->text();
}

void Form1::levellisteFuellen() {
    const QString gewaehlt = gewaehlteDatei();
    liste->clear();
    liste->addItems(QDir(ordner).entryList({QStringLiteral("*.lev")}, QDir::Files,
                                           QDir::Name | QDir::IgnoreCase));
    const auto wieder = liste->findItems(gewaehlt, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!gewaehlt.isEmpty() && !wieder.isEmpty())
        liste->setCurrentItem(wieder.first());
}

void Form1::levellisteEinblenden() {
    notizZeigen(true);
    levellisteFuellen();
    listeZeigen(true);
}

void Form1::levellisteAusblenden() {
    notizZeigen(false);
    neuZeichnen();
    listeZeigen(false);
    brettFokussieren();
}

void Form1::Command1_Click() {
    if (liste->isHidden())
        levellisteEinblenden();
    else
        levellisteAusblenden();
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
    const Levelstart ergebnis = levelStarten(*spiel, ordner.toStdString(),
                                             gewaehlteDatei().toStdString(), *flaeche, startart);
    if (!ergebnis.gestartet)
        return;
    notizZeigen(false);
    Autor->setText(zuQt(ergebnis.autor));
    brettFokussieren();
    if (!ergebnis.ok) {
        // The player picks another level; the panel stays where the choice is made.
        meldungZeigen(zuQt(ergebnis.fehler));
        levellisteEinblenden();
        return;
    }
    listeZeigen(false);
    neuZeichnen();
}

// --- bookmarks ---

void Form1::Command9_Click() {
    lesezeichenMenue->popup(QCursor::pos());
}

void Form1::lesezeichenSetzen(int nummer) {
    const std::string pfad = dateiImOrdner(ordner.toStdString(), lesezeichenDatei(nummer));
    if (const auto fehler = ::lesezeichenSetzen(*spiel, pfad))
        meldungZeigen(zuQt(*fehler));
    brettFokussieren();
}

void Form1::lesezeichenAbrufen(int nummer) {
    // A damaged file keeps what was read before the damage; the picture is cleared
    // either way, so no tile of the old board stays where the new one has floor.
    ::lesezeichenAbrufen(*spiel, dateiImOrdner(ordner.toStdString(), lesezeichenDatei(nummer)));
    bildBrett->leeren();
    levellisteAusblenden();
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
    seiteOeffnen(QStringLiteral("vestrum.htm"));
}

void Form1::Command6_Click() {
    const QString editor = ordner + QStringLiteral("lagerix-editor");
    if (!QFile::exists(editor))
        meldungZeigen(QStringLiteral("Der Level Editor ist nicht installiert."));
    else if (!aussenwelt.programmStarten(editor))
        meldungZeigen(QStringLiteral("Der Level Editor konnte nicht gestartet werden."));
}

// --- keys ---

void Form1::Picture2_KeyDown(int keyCode, int) {
    if (const auto sprengung = tasteVerarbeiten(*spiel, keyCode, *flaeche).sprengung)
        explosionStarten(*sprengung);
}

void Form1::Form_KeyDown(int keyCode, int) {
    Picture2_KeyDown(keyCode, 0);
}

bool Form1::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() != QEvent::KeyPress)
        return QWidget::eventFilter(objekt, ereignis);
    const auto* taste = static_cast<QKeyEvent*>(ereignis);
    if (taste->key() == Qt::Key_F1) {
        hilfeZeigen();
        return true;
    }
    const bool eingabe = taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter;
    if (eingabe) {
        // ENTER presses the focused button, else "Ok" while the list is open.
        if (auto* knopf = qobject_cast<QPushButton*>(objekt))
            knopf->click();
        else if (!liste->isHidden())
            Command2_Click();
        return true;
    }
    // The cursor keys play the game from wherever the focus is, except in the list,
    // where they choose a level; they never move the focus between buttons.
    const int code = tastencode(taste->key());
    if (code == 0 || objekt == liste)
        return QWidget::eventFilter(objekt, ereignis);
    if (objekt == bildBrett)
        Picture2_KeyDown(code, 0);
    else
        Form_KeyDown(code, 0);
    return true;
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
    Label1->setText(QString::number(spiel->kistenAbgestellt));
    Label3->setText(QString::number(spiel->kistenGesamt));
    Label6->setText(QString::number(spiel->schritte));
    if (!abschlussPruefen(*spiel))
        return;
    gewinnAnkuendigen();
    neuenRekordAnbieten(this, zuQt(spiel->levelDatei), spiel->schritte);
    bildBrett->leeren();
    levellisteEinblenden();
    naechstesLevelWaehlen();
}

void Form1::gewinnAnkuendigen() {
    if (!einstellungenWerte.animationAn) {
        meldung::zeigen(this, QMessageBox::Information, meldung::programmTitel,
                        QStringLiteral("Sie haben das Level geschafft !"));
        return;
    }
    static const QImage gewinnBild =
        QImage(QStringLiteral(":/bilder/gewonnen.png")).convertToFormat(QImage::Format_RGB32);
    Gewinnanimation(*bildBrett, [this] {
        bildBrett->repaint();
        QThread::msleep(Gewinnanimation::pauseMs);
    }).abspielen(gewinnBild);
}

void Form1::naechstesLevelWaehlen() {
    const auto gewaehlt = liste->selectedItems();
    const int zeile = gewaehlt.isEmpty() ? -1 : liste->row(gewaehlt.first());
    if (zeile < liste->count() - 1)
        liste->setCurrentRow(zeile + 1);
}

// --- the explosion ---

void Form1::Timer4_Timer() {
    const Explosionsschritt schritt = explosion.tick(*spiel, *flaeche, einstellungenWerte.soundAn);
    if (schritt.soundStarten)
        aussenwelt.klangAbspielen(ordner + QStringLiteral("explsion.wav"));
    if (schritt.bild != 0)
        explosionsBildZeigen(schritt.bild);
    if (schritt.ende) {
        Image1->move(Brett::geparkt, Image1->y());
        timer4.stop();
    }
}

// A blast while the animation runs only moves the picture; the count goes on.
void Form1::explosionStarten(Sprengung sprengung) {
    Image1->move(sprengung.x, sprengung.y);
    Image1->show();
    if (!timer4.isActive()) {
        explosionsBildZeigen(0);
        timer4.start();
    }
}

void Form1::explosionsBildZeigen(int bild) {
    Image1->setPixmap(blatt.explosionsBild(bild));
}
