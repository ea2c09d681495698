#include "editor/editorfenster.h"

#include "editor/dateiname.h"
#include "editor/editorbrett.h"
#include "editor/loesungssuche.h"
#include "editor/testspiel.h"
#include "game/kachelsatz.h"
#include "game/levelmodell/leveldatei.h"
#include "game/levelmodell/pruefung.h"
#include "game/levelmodell/sammlung.h"
#include "game/levelmodell/textnotation.h"
#include "game/textdatei.h"
#include "game/zug.h"
#include "kit/meldung.h"
#include "kit/pfeiltasten.h"
#include "kit/programmbild.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString fensterTitel = QStringLiteral("Lagerix 2000 - Level Editor");
const QString levelFilter = QStringLiteral(
    "Level und Textlevel (*.lev *.txt *.xsb *.sok);;Level (*.lev);;Textlevel (*.txt *.xsb *.sok)");
const QString nichtStartbar = QStringLiteral("So kann das Spiel das Level nicht starten:\n");
const QString textFilter = QStringLiteral("Textlevel (*.txt *.xsb *.sok);;Alle Dateien (*)");

std::string pfadText(const QString& pfad) {
    return QFile::encodeName(pfad).toStdString();
}

int pixel(int zelle) {
    return zelle * Brett::zelle;
}

QString problemListe(const std::vector<Problem>& probleme) {
    QString text;
    for (const auto& p : probleme)
        text += QStringLiteral("• ") + QString::fromStdString(p.text) + QLatin1Char('\n');
    return text.trimmed();
}

// The characters of the level's texts (the author) that the level file cannot hold.
QString ersatzbeduerftig(const Levelmodell& level) {
    std::string text;
    for (const auto& zeile : levelZeilen(level))
        text += zeile;
    return QString::fromStdString(nichtDarstellbar(text));
}

// The level file is Windows-1252, as the game reads it: the author decides whether
// characters beyond it may be saved as '?'. True when there are none.
bool ersetzenErlaubt(QWidget* fenster, const QString& zeichen) {
    return zeichen.isEmpty() ||
           meldung::zeigen(fenster, QMessageBox::Question, fensterTitel,
                           QStringLiteral("Diese Zeichen kann die Leveldatei nicht aufnehmen; "
                                          "sie werden als „?“ gespeichert: %1\nTrotzdem "
                                          "speichern?")
                               .arg(zeichen),
                           QMessageBox::Save | QMessageBox::Cancel) == QMessageBox::Save;
}

// The small board's fence, as the game lays it: column 12 down to row 12 and row 12.
bool imZaun(Zellort ort) {
    const int seite = Levelmodell::kleineSeite;
    return (ort.spalte == seite && ort.zeile <= seite) ||
           (ort.zeile == seite && ort.spalte < seite);
}

// Where the level goes for the game's level start to read it. Qt's own temporary path is
// empty for a TMPDIR that does not exist, and its folder would then land anywhere.
QString ablageOrt() {
    return qEnvironmentVariable("TMPDIR", QStringLiteral("/tmp"));
}

// A temporary folder of its own, removed with the object.
QString ablageVorlage() {
    return ablageOrt() + QStringLiteral("/lagerix-editor-XXXXXX");
}

// Why no temporary folder could be made there.
QString ablageFehler(const QTemporaryDir& ablage) {
    const QFileInfo ort(ablageOrt());
    if (!ort.exists())
        return QStringLiteral("den Ordner gibt es nicht");
    if (!ort.isDir())
        return QStringLiteral("an seiner Stelle steht eine Datei");
    if (!ort.isWritable())
        return QStringLiteral("keine Berechtigung");
    return ablage.errorString();
}

} // namespace

Editordialoge Editordialoge::echt() {
    return {
        [](QWidget* eltern, const QString& titel, const QString& ordner, const QString& filter) {
            return QFileDialog::getOpenFileName(eltern, titel, ordner, filter);
        },
        [](QWidget* eltern, const QString& vorschlag) {
            return QFileDialog::getSaveFileName(eltern, QStringLiteral("Level speichern"),
                                                vorschlag, QStringLiteral("Level (*.lev)"));
        },
        [](QWidget* eltern, const QString& titel, const QStringList& eintraege) {
            bool ok = false;
            const QString wahl = QInputDialog::getItem(eltern, titel, QStringLiteral("Level:"),
                                                       eintraege, 0, false, &ok);
            return ok ? static_cast<int>(eintraege.indexOf(wahl)) : -1;
        },
    };
}

Editorfenster::Editorfenster(const QString& ordner, Aussenwelt aussenwelt, Editordialoge dialoge,
                             QWidget* parent)
    : QMainWindow(parent), ordner(ordner), aussenwelt(std::move(aussenwelt)),
      dialoge(std::move(dialoge)) {
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
    if (!titelName.isEmpty())
        titel +=
            QStringLiteral(" - ") + titelName + (ungespeichert() ? QStringLiteral("*") : QString());
    else if (ungespeichert())
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
    meldung::zeigen(this, QMessageBox::Warning, fensterTitel, text);
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

// --- text notation and the clipboard ---

void Editorfenster::kopieren() {
    QApplication::clipboard()->setText(QString::fromStdString(alsText(level)));
    hinweis(QStringLiteral("Das Level steht als Text in der Zwischenablage."));
}

void Editorfenster::einfuegen() {
    if (spiel)
        return;
    const std::string text = QApplication::clipboard()->text().toStdString();
    // A file of more could not be opened either; reading it would only keep the window busy.
    if (text.size() > groessteTextdatei) {
        melden(QStringLiteral("Der Text in der Zwischenablage ist größer als %1 MB und kann kein "
                              "Level sein.")
                   .arg(groessteTextdatei / (1024 * 1024)));
        return;
    }
    const auto levels = textLevelsLesen(notationstextLesen(text));
    if (levels.empty()) {
        melden(QStringLiteral("In der Zwischenablage steht kein Level in Textform."));
        return;
    }
    auto umwandlung = ausText(levels.front(), level.groesse());
    if (!umwandlung.modell) {
        melden(QString::fromStdString(umwandlung.fehler));
        return;
    }
    const Levelmodell vorher = level;
    if (umwandlung.modell->autor.empty())
        umwandlung.modell->autor = level.autor;
    level = std::move(*umwandlung.modell);
    // A pasted level is a new one: the file that was open keeps its content, and saving
    // asks for a name. Undo still brings back what was there.
    levelPfad.clear();
    titelName.clear();
    allesZeichnen();
    geaendertSeit(vorher);
    anzeigen();
}

// --- files ---

void Editorfenster::neuesLevel(Levelmodell neu, const QString& name, const std::string& pfad) {
    level = std::move(neu);
    verlauf.leeren();
    titelName = name;
    levelPfad = pfad;
    gespeichert = level;
    rekordfrage.vergessen();
    allesZeichnen();
    anzeigen();
}

void Editorfenster::neu() {
    if (spiel || !aenderungenSichern())
        return;
    neuesLevel(Levelmodell{}, {}, {});
}

void Editorfenster::oeffnen() {
    if (spiel || !aenderungenSichern())
        return;
    const QString pfad = dialoge.oeffnen(this, QStringLiteral("Level öffnen"), ordner, levelFilter);
    if (!pfad.isEmpty())
        dateiOeffnen(pfad);
}

bool Editorfenster::dateiOeffnen(const QString& pfad) {
    return dateiOeffnen(QFile::encodeName(pfad));
}

bool Editorfenster::dateiOeffnen(const QByteArray& nativ) {
    const std::string pfad = nativ.toStdString();
    const QString name = anzeigeName(pfad);
    if (QFileInfo(name).suffix().compare(QStringLiteral("lev"), Qt::CaseInsensitive) == 0) {
        auto geoeffnet = levelOeffnen(pfad);
        if (!geoeffnet.modell) {
            melden(QString::fromStdString(geoeffnet.fehler));
            return false;
        }
        neuesLevel(std::move(*geoeffnet.modell), name, pfad);
        if (!geoeffnet.hinweis.empty())
            hinweis(QString::fromStdString(geoeffnet.hinweis));
        if (!geoeffnet.warnung.empty()) {
            gespeichert.reset();
            anzeigen();
            melden(QString::fromStdString(geoeffnet.warnung));
        }
        return true;
    }
    const auto gelesen = textDateiLesen(QFile::decodeName(nativ));
    if (!gelesen)
        return false;
    const auto& levels = *gelesen;
    if (levels.empty()) {
        melden(QStringLiteral("In der Datei „%1“ steht kein Level in Textform.").arg(name));
        return false;
    }
    std::size_t nummer = 0;
    if (levels.size() > 1) {
        QStringList namen;
        for (std::size_t i = 0; i < levels.size(); ++i)
            namen << QStringLiteral("%1: %2").arg(i + 1).arg(
                levels[i].titel.empty() ? QStringLiteral("Level %1").arg(i + 1)
                                        : QString::fromStdString(levels[i].titel));
        const int wahl = dialoge.waehlen(this, QStringLiteral("Level wählen"), namen);
        if (wahl < 0)
            return false;
        nummer = static_cast<std::size_t>(wahl);
    }
    auto umwandlung = ausText(levels[nummer], Brettgroesse::voll);
    if (!umwandlung.modell) {
        melden(QString::fromStdString(umwandlung.fehler));
        return false;
    }
    // A text level is saved under a level file name of its own.
    neuesLevel(std::move(*umwandlung.modell), name, {});
    return true;
}

std::optional<std::vector<TextLevel>> Editorfenster::textDateiLesen(const QString& pfad) {
    const Textinhalt inhalt = textdateiLesen(pfadText(pfad));
    if (inhalt.fehler != Dateifehler::keiner) {
        melden(QString::fromStdString(lesefehlerMeldung("Die Datei", pfadText(pfad), inhalt)));
        return std::nullopt;
    }
    return textLevelsLesen(notationstextLesen(inhalt.bytes));
}

bool Editorfenster::speichern() {
    if (levelPfad.empty())
        return speichernUnter();
    return startbar(nichtStartbar) && speichernNach(levelPfad);
}

// A level the game could not start is refused before the author names a file for it.
bool Editorfenster::speichernUnter() {
    if (!startbar(nichtStartbar))
        return false;
    QString vorschlag = ordner + (titelName.isEmpty() ? QStringLiteral("neues-level.lev")
                                                      : QFileInfo(titelName).completeBaseName() +
                                                            QStringLiteral(".lev"));
    if (!levelPfad.empty())
        vorschlag = QFile::decodeName(QByteArray::fromStdString(levelPfad));
    QString pfad = dialoge.speichern(this, vorschlag);
    if (pfad.isEmpty())
        return false;
    if (QFileInfo(pfad).suffix().isEmpty())
        pfad += QStringLiteral(".lev");
    return speichernNach(pfadText(pfad));
}

bool Editorfenster::speichernNach(const std::string& pfad) {
    if (gelieferterLevel(pfad, pfadText(ordner))) {
        const auto antwort = meldung::zeigen(
            this, QMessageBox::Question, fensterTitel,
            QStringLiteral("„%1“ kam mit dem Spiel: Ein Update des Spiels ersetzt das Level "
                           "wieder, und Ihre Änderungen wären fort.\n\nSoll es unter einem "
                           "eigenen Namen gespeichert werden („Speichern unter…“)? „Nein“ "
                           "speichert trotzdem hier.")
                .arg(anzeigeName(pfad)),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (antwort == QMessageBox::Yes)
            return speichernUnter();
        if (antwort != QMessageBox::No)
            return false;
    }
    const QString ersetzt = ersatzbeduerftig(level);
    if (!ersetzenErlaubt(this, ersetzt))
        return false;
    const Rekordwahl rekord = rekordfrage.stellen(this, fensterTitel, pfad);
    if (rekord == Rekordwahl::abbrechen)
        return false;
    if (const auto fehler = levelSpeichern(level, pfad)) {
        melden(QString::fromStdString(*fehler));
        return false;
    }
    if (rekord == Rekordwahl::loeschen)
        Rekordfrage::loeschen(this, fensterTitel, pfad);
    levelPfad = pfad;
    titelName = anzeigeName(pfad);
    gespeichert = level;
    anzeigen();
    const auto probleme = levelPruefen(level);
    QString status = probleme.empty()
                         ? QStringLiteral("Gespeichert.")
                         : QStringLiteral("Gespeichert, noch offen: ") +
                               problemListe(probleme).replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (!ersetzt.isEmpty())
        status += QStringLiteral(" In der Datei steht „?“ statt %1.").arg(ersetzt);
    hinweis(status);
    return true;
}

bool Editorfenster::aenderungenSichern() {
    if (!ungespeichert())
        return true;
    const auto antwort = meldung::zeigen(
        this, QMessageBox::Question, fensterTitel,
        QStringLiteral("Das Level wurde geändert. Sollen die Änderungen gespeichert werden?"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    if (antwort == QMessageBox::Save)
        return speichern();
    return antwort == QMessageBox::Discard;
}

void Editorfenster::closeEvent(QCloseEvent* ereignis) {
    testBeenden();
    if (aenderungenSichern())
        ereignis->accept();
    else
        ereignis->ignore();
}

void Editorfenster::sammlungImportieren() {
    const QString pfad =
        dialoge.oeffnen(this, QStringLiteral("Sammlung importieren"), ordner, textFilter);
    if (pfad.isEmpty())
        return;
    const auto levels = textDateiLesen(pfad);
    if (!levels)
        return;
    const auto bericht = ::sammlungImportieren(*levels, pfadText(ordner),
                                               pfadText(QFileInfo(pfad).completeBaseName()));
    meldung::zeigen(this, QMessageBox::Information, fensterTitel,
                    QString::fromStdString(berichtText(bericht)));
}

// --- checking and test play ---

void Editorfenster::pruefen() {
    const auto probleme = levelPruefen(level);
    meldung::zeigen(
        this, probleme.empty() ? QMessageBox::Information : QMessageBox::Warning, fensterTitel,
        probleme.empty() ? QStringLiteral("Keine Probleme gefunden.") : problemListe(probleme));
}

bool Editorfenster::startbar(const QString& kopf) {
    const auto probleme = levelPruefen(level);
    if (!speichernGesperrt(probleme))
        return true;
    melden(kopf + problemListe(probleme));
    return false;
}

std::optional<std::string> Editorfenster::zumStartenAblegen(const QTemporaryDir& ablage,
                                                            const QString& vorhaben) {
    if (!startbar(QStringLiteral("So kann das Level nicht %1 werden:\n").arg(vorhaben)))
        return std::nullopt;
    if (!ablage.isValid()) {
        melden(QStringLiteral("So kann das Level nicht %1 werden: Im Ordner „%2“ lässt sich "
                              "kein Arbeitsordner anlegen (%3).")
                   .arg(vorhaben, ablageOrt(), ablageFehler(ablage)));
        return std::nullopt;
    }
    // The game's level start reads a file: the level goes through a temporary one.
    const std::string datei = pfadText(ablage.filePath(QStringLiteral("level.lev")));
    if (const auto fehler = levelSpeichern(level, datei)) {
        melden(QString::fromStdString(*fehler));
        return std::nullopt;
    }
    return datei;
}

void Editorfenster::testen() {
    if (spiel) {
        testBeenden();
        return;
    }
    QTemporaryDir ablage(ablageVorlage());
    const auto datei = zumStartenAblegen(ablage, QStringLiteral("getestet"));
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
    const auto datei = zumStartenAblegen(ablage, QStringLiteral("geprüft"));
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
