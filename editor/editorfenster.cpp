#include "editor/editorfenster.h"

#include "editor/dateiname.h"
#include "editor/editorbrett.h"
#include "editor/editormeldung.h"
#include "editor/loesungssuche.h"
#include "editor/testspiel.h"
#include "game/kachelsatz.h"
#include "game/levelmodell/leveldatei.h"
#include "game/levelmodell/pruefung.h"
#include "game/zug.h"
#include "kit/meldung.h"
#include "kit/pfeiltasten.h"
#include "kit/programmbild.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

int pixel(int zelle) {
    return zelle * Brett::zelle;
}

// The small board's fence, as the game lays it: column 12 down to row 12 and row 12.
bool imZaun(Zellort ort) {
    const int seite = Levelmodell::kleineSeite;
    return (ort.spalte == seite && ort.zeile <= seite) ||
           (ort.zeile == seite && ort.spalte < seite);
}

} // namespace

Editorfenster::Editorfenster(const QString& ordner, Aussenwelt aussenwelt, Editordialoge dialoge,
                             QWidget* parent)
    : QMainWindow(parent), ordner(ordner), aussenwelt(std::move(aussenwelt)),
      dateien(this, level, ordner, std::move(dialoge)) {
    setWindowIcon(QPixmap::fromImage(programmBild(QStringLiteral("lagerix.png"))));
    einstellungen = konfigurationLesen(pfadText(ordner) + konfigurationsDatei);
    const QString blattMeldung =
        blatt.mitErsatzLaden(ordner, QString::fromStdString(einstellungen.grafikset));

    bild = new Editorbrett;
    bild->setObjectName(QStringLiteral("Brett"));
    bild->setMouseTracking(true);
    bild->installEventFilter(this);
    connect(bild, &Editorbrett::strichBegonnen, this, &Editorfenster::strichBeginnen);
    connect(bild, &Editorbrett::zelleBemalt, this, &Editorfenster::zelleBemalen);
    connect(bild, &Editorbrett::strichBeendet, this, &Editorfenster::strichBeenden);
    connect(bild, &Editorbrett::mausUeber, this, &Editorfenster::mausUeber);
    connect(&dateien, &Leveldateien::geladen, this, &Editorfenster::levelGeladen);
    connect(&dateien, &Leveldateien::dateiGeaendert, this, &Editorfenster::anzeigen);
    connect(&dateien, &Leveldateien::hinweis, this, &Editorfenster::hinweis);

    autorFeld = new QLineEdit;
    autorFeld->setObjectName(QStringLiteral("Autor"));
    autorFeld->setToolTip(QStringLiteral("Wer das Level gestaltet hat; das Spiel zeigt es an"));
    connect(autorFeld, &QLineEdit::textEdited, this, &Editorfenster::autorGeaendert);

    auto* rechts = new QVBoxLayout;
    rechts->addWidget(bild);
    auto* autorZeile = new QHBoxLayout;
    autorZeile->addWidget(new QLabel(QStringLiteral("Autor:")));
    autorZeile->addWidget(autorFeld);
    rechts->addLayout(autorZeile);
    auto* mitte = new QWidget;
    auto* reihe = new QHBoxLayout(mitte);
    reihe->addWidget(paletteAnlegen());
    reihe->addLayout(rechts);
    setCentralWidget(mitte);

    zaehlerText = new QLabel;
    zaehlerText->setObjectName(QStringLiteral("zaehler"));
    ortText = new QLabel;
    statusBar()->addPermanentWidget(zaehlerText);
    statusBar()->addPermanentWidget(ortText);
    menuesAnlegen();
    werkzeugWaehlen(Werkzeug::mauer);
    allesZeichnen();
    anzeigen();
    if (!blattMeldung.isEmpty())
        hinweis(blattMeldung);
}

Editorfenster::~Editorfenster() = default;

// --- building the window ---

void Editorfenster::menuesAnlegen() {
    const auto aktion = [this](QMenu* menue, const QString& text, QKeySequence taste,
                               auto handler) {
        QAction* a = menue->addAction(text);
        a->setShortcut(taste);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    QMenu* datei = menuBar()->addMenu(QStringLiteral("&Datei"));
    aktion(datei, QStringLiteral("&Neu"), QKeySequence::New, &Editorfenster::neu);
    aktion(datei, QStringLiteral("Ö&ffnen…"), QKeySequence::Open, &Editorfenster::oeffnen);
    aktion(datei, QStringLiteral("&Speichern"), QKeySequence::Save, &Editorfenster::speichern);
    aktion(datei, QStringLiteral("Speichern &unter…"),
           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &Editorfenster::speichernUnter);
    datei->addSeparator();
    aktion(datei, QStringLiteral("Sammlung &importieren…"), {},
           &Editorfenster::sammlungImportieren);
    datei->addSeparator();
    aktion(datei, QStringLiteral("&Beenden"), QKeySequence(Qt::CTRL | Qt::Key_Q),
           &Editorfenster::close);

    QMenu* bearbeiten = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
    aktion(bearbeiten, QStringLiteral("&Rückgängig"), QKeySequence(Qt::CTRL | Qt::Key_Z),
           &Editorfenster::rueckgaengig);
    aktion(bearbeiten, QStringLiteral("&Wiederherstellen"), QKeySequence(Qt::CTRL | Qt::Key_Y),
           &Editorfenster::wiederherstellen);
    bearbeiten->addSeparator();
    aktion(bearbeiten, QStringLiteral("Als Text &kopieren"), QKeySequence(Qt::CTRL | Qt::Key_C),
           &Editorfenster::kopieren);
    aktion(bearbeiten, QStringLiteral("Text &einfügen"), QKeySequence(Qt::CTRL | Qt::Key_V),
           &Editorfenster::einfuegen);

    QMenu* level = menuBar()->addMenu(QStringLiteral("&Level"));
    aktion(level, QStringLiteral("&Prüfen"), {}, &Editorfenster::pruefen);
    aktion(level, QStringLiteral("&Testen"), QKeySequence(Qt::Key_F5), &Editorfenster::testen);
    aktion(level, QStringLiteral("&Lösbar?"), QKeySequence(Qt::Key_F6), &Editorfenster::loesbar);
    level->addSeparator();
    auto* gruppe = new QActionGroup(this);
    vollAktion = level->addAction(QStringLiteral("&Großes Spielfeld (23 × 18)"));
    kleinAktion = level->addAction(QStringLiteral("K&leines Spielfeld (12 × 12)"));
    for (QAction* a : {vollAktion, kleinAktion}) {
        a->setCheckable(true);
        gruppe->addAction(a);
    }
    vollAktion->setChecked(true);
    connect(vollAktion, &QAction::triggered, this, [this] { groesseWaehlen(Brettgroesse::voll); });
    connect(kleinAktion, &QAction::triggered, this,
            [this] { groesseWaehlen(Brettgroesse::klein); });
}

QWidget* Editorfenster::paletteAnlegen() {
    auto* palette = new QWidget;
    auto* spalte = new QVBoxLayout(palette);
    for (const auto& w : werkzeuge) {
        auto* knopf = new QToolButton;
        knopf->setObjectName(QString::fromLatin1(w.kachel));
        knopf->setText(QString::fromStdString(w.name));
        knopf->setToolTip(QString::fromStdString(w.hinweis));
        QPixmap kachel(kachelGroesse, kachelGroesse);
        const auto ursprung = kachelUrsprung(w.kachel);
        kachel.convertFromImage(
            blatt.bild().copy(ursprung->x, ursprung->y, kachelGroesse, kachelGroesse));
        knopf->setIcon(kachel);
        knopf->setIconSize(kachel.size());
        knopf->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        knopf->setCheckable(true);
        knopf->setAutoExclusive(true);
        knopf->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        knopf->setFocusPolicy(Qt::NoFocus);
        connect(knopf, &QToolButton::clicked, this,
                [this, werkzeug = w.werkzeug] { werkzeugWaehlen(werkzeug); });
        spalte->addWidget(knopf);
        werkzeugKnoepfe.push_back(knopf);
    }
    spalte->addStretch();
    return palette;
}

// --- drawing ---

void Editorfenster::zelleZeichnen(Zellort ort) {
    const Objekt o = level.an(ort);
    std::string kachel = kachelFuer(o);
    if (level.figur() == ort)
        kachel = o == Objekt::stell ? "smilestell" : "smile";
    else if (o == Objekt::boden && level.groesse() == Brettgroesse::klein && imZaun(ort))
        kachel = "rand";
    blatt.kachelZeichnen(*bild, kachel, pixel(ort.spalte), pixel(ort.zeile));
}

void Editorfenster::allesZeichnen() {
    bild->leeren();
    for (int z = 0; z < Levelmodell::zeilen; ++z)
        for (int s = 0; s < Levelmodell::spalten; ++s)
            zelleZeichnen({s, z});
}

void Editorfenster::anzeigen() {
    QString titel = fensterTitel;
    if (!dateien.name().isEmpty())
        titel += QStringLiteral(" - ") + dateien.name() +
                 (dateien.ungespeichert() ? QStringLiteral("*") : QString());
    else if (dateien.ungespeichert())
        titel += QStringLiteral(" - *");
    setWindowTitle(titel);
    if (autorFeld->text() != QString::fromStdString(level.autor))
        autorFeld->setText(QString::fromStdString(level.autor));
    const bool klein = level.groesse() == Brettgroesse::klein;
    kleinAktion->setChecked(klein);
    vollAktion->setChecked(!klein);
    if (spiel) {
        const Brett& b = spiel->brett();
        // A solved level takes no step back, as in the game: only the way out is left.
        const QString tasten = b.geschafft
                                   ? QStringLiteral("Geschafft! Escape oder F5 kehrt zum Editor "
                                                    "zurück")
                                   : QStringLiteral("Escape beendet, Rücktaste nimmt zurück");
        zaehlerText->setText(QStringLiteral("Test: Schritte: %1, Kisten abgestellt: %2 von %3 (%4)")
                                 .arg(b.schritte)
                                 .arg(b.kistenAbgestellt)
                                 .arg(b.kistenGesamt)
                                 .arg(tasten));
        return;
    }
    const Zaehlung z = level.zaehlen();
    zaehlerText->setText(QStringLiteral("Kisten: %1, Stellplätze: %2, Einträge: %3 von %4")
                             .arg(z.kisten)
                             .arg(z.stellplaetze)
                             .arg(z.eintraege)
                             .arg(Levelmodell::hoechstEintraege));
}

void Editorfenster::hinweis(const QString& text) {
    statusBar()->showMessage(text, 10000);
}

void Editorfenster::melden(const QString& text) {
    warnen(this, text);
}

// --- editing ---

void Editorfenster::werkzeugWaehlen(Werkzeug w) {
    gewaehlt = w;
    werkzeugKnoepfe[static_cast<std::size_t>(w)]->setChecked(true);
}

void Editorfenster::strichBeginnen() {
    if (!spiel)
        strichVorher = level;
}

void Editorfenster::zelleBemalen(int spalte, int zeile, bool setzen) {
    if (spiel)
        return;
    for (const Zellort ort :
         werkzeugAnwenden(level, setzen ? gewaehlt : Werkzeug::boden, {spalte, zeile}))
        zelleZeichnen(ort);
}

void Editorfenster::strichBeenden() {
    if (!spiel)
        geaendertSeit(strichVorher);
}

void Editorfenster::mausUeber(int spalte, int zeile) {
    ortText->setText(QStringLiteral("Spalte %1, Zeile %2").arg(spalte + 1).arg(zeile + 1));
}

void Editorfenster::autorGeaendert(const QString& text) {
    const Levelmodell vorher = level;
    level.autor = text.toStdString();
    geaendertSeit(vorher);
}

void Editorfenster::geaendertSeit(const Levelmodell& vorher) {
    if (level == vorher)
        return;
    verlauf.merken(vorher);
    anzeigen();
}

void Editorfenster::brettTaste(int taste, Qt::KeyboardModifiers umschalter) {
    static constexpr std::pair<int, QPoint> richtungen[] = {{Qt::Key_Left, {-1, 0}},
                                                            {Qt::Key_Right, {1, 0}},
                                                            {Qt::Key_Up, {0, -1}},
                                                            {Qt::Key_Down, {0, 1}}};
    for (const auto& [pfeil, schritt] : richtungen) {
        if (taste != pfeil || !(umschalter & Qt::ShiftModifier))
            continue;
        const Levelmodell vorher = level;
        if (level.verschieben(schritt.x(), schritt.y())) {
            allesZeichnen();
            geaendertSeit(vorher);
        } else {
            hinweis(QStringLiteral("Weiter lässt sich das Level nicht verschieben."));
        }
        return;
    }
    if (umschalter & ~Qt::ShiftModifier)
        return;
    if (taste >= Qt::Key_A && taste <= Qt::Key_Z) {
        if (const auto w = werkzeugFuerTaste(static_cast<char>('A' + (taste - Qt::Key_A))))
            werkzeugWaehlen(*w);
    }
}

bool Editorfenster::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt != bild || ereignis->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(objekt, ereignis);
    const auto* taste = static_cast<QKeyEvent*>(ereignis);
    if (!spiel) {
        brettTaste(taste->key(), taste->modifiers());
        return taste->key() >= Qt::Key_Left && taste->key() <= Qt::Key_Down;
    }
    if (const int code = pfeiltaste(taste->key()))
        spiel->taste(code);
    if (taste->key() == Qt::Key_Backspace)
        spiel->zurueck();
    if (taste->key() == Qt::Key_Escape)
        testBeenden();
    return true;
}

void Editorfenster::rueckgaengig() {
    imVerlaufGehen(&Verlauf::rueckgaengig);
}

void Editorfenster::wiederherstellen() {
    imVerlaufGehen(&Verlauf::wiederherstellen);
}

void Editorfenster::imVerlaufGehen(bool (Verlauf::*schritt)(Levelmodell&)) {
    if (spiel || !(verlauf.*schritt)(level))
        return;
    allesZeichnen();
    anzeigen();
}

void Editorfenster::groesseWaehlen(Brettgroesse groesse) {
    const Levelmodell vorher = level;
    if (!level.groesseWaehlen(groesse))
        melden(QStringLiteral("Das Level passt nicht auf das kleine Spielfeld (12 × 12 Felder "
                              "oben links). Verschieben Sie es zuerst mit Umschalt und den "
                              "Pfeiltasten nach oben links."));
    allesZeichnen();
    geaendertSeit(vorher);
    anzeigen();
}

// --- the level's files and the clipboard ---

void Editorfenster::neu() {
    if (!spiel)
        dateien.neu();
}

void Editorfenster::oeffnen() {
    if (!spiel)
        dateien.oeffnen();
}

void Editorfenster::einfuegen() {
    if (spiel)
        return;
    const Levelmodell vorher = level;
    if (!dateien.einfuegen())
        return;
    // Undo still brings back what was there.
    allesZeichnen();
    geaendertSeit(vorher);
    anzeigen();
}

void Editorfenster::levelGeladen() {
    verlauf.leeren();
    allesZeichnen();
    anzeigen();
}

void Editorfenster::closeEvent(QCloseEvent* ereignis) {
    testBeenden();
    ereignis->setAccepted(dateien.aenderungenSichern());
}

// --- checking and test play ---

void Editorfenster::pruefen() {
    const auto probleme = levelPruefen(level);
    meldung::zeigen(
        this, probleme.empty() ? QMessageBox::Information : QMessageBox::Warning, fensterTitel,
        probleme.empty() ? QStringLiteral("Keine Probleme gefunden.") : problemListe(probleme));
}

void Editorfenster::testen() {
    if (spiel) {
        testBeenden();
        return;
    }
    QTemporaryDir ablage(ablageVorlage());
    const auto datei = dateien.zumStartenAblegen(ablage, QStringLiteral("getestet"));
    if (!datei)
        return;
    spiel = std::make_unique<Testspiel>(*bild, blatt, einstellungen, [this] {
        aussenwelt.klangAbspielen(ordner + QStringLiteral("explsion.wav"));
    });
    connect(spiel.get(), &Testspiel::gezogen, this, &Editorfenster::anzeigen);
    connect(spiel.get(), &Testspiel::geschafft, this, [this] {
        anzeigen();
        meldung::zeigen(this, QMessageBox::Information, fensterTitel, QStringLiteral("Geschafft!"));
    });
    if (const auto fehler = spiel->starten(*datei); !fehler.empty()) {
        spiel.reset();
        allesZeichnen();
        melden(QString::fromStdString(fehler));
        return;
    }
    bild->setFocus();
    anzeigen();
}

void Editorfenster::testBeenden() {
    if (!spiel)
        return;
    spiel.reset();
    allesZeichnen();
    anzeigen();
}

// --- "Lösbar?" ---

void Editorfenster::loesbar() {
    if (spiel || suche)
        return;
    QTemporaryDir ablage(ablageVorlage());
    const auto datei = dateien.zumStartenAblegen(ablage, QStringLiteral("geprüft"));
    if (!datei)
        return;
    auto brett = std::make_unique<Brett>();
    brett->randAnlegen();
    if (const auto fehler = brettStarten(*datei, *brett)) {
        melden(QString::fromStdString(*fehler));
        return;
    }
    suche = new Loesungssuche(*brett, fensterTitel, this);
    connect(suche, &Loesungssuche::fertig, this, &Editorfenster::loesungZeigen);
}

void Editorfenster::loesungZeigen(const Loesbarkeitsantwort& antwort) {
    suche->deleteLater();
    suche = nullptr;
    if (!antwort.zuege) {
        melden(antwort.text);
        return;
    }
    const auto knopf = meldung::zeigen(this, QMessageBox::Question, fensterTitel, antwort.text,
                                       QMessageBox::Yes | QMessageBox::No);
    if (knopf != QMessageBox::Yes)
        return;
    testen();
    if (spiel)
        spiel->vorspielen(*antwort.zuege);
}
