// The level editor driven like an author drives it, on the offscreen platform.
#include "editor/editorbrett.h"
#include "editor/editorfenster.h"
#include "editor/testspiel.h"
#include "game/levelmodell/textnotation.h"
#include "game/textdatei.h"
#include "kit/maus.h"
#include "tests/hauptfensterattrappe.h"
#include "tests/schreibgrenze.h"

#include <QClipboard>
#include <QLabel>
#include <QProgressDialog>
#include <QStatusBar>
#include <QtTest>
#include <filesystem>
#include <fstream>

using namespace Qt::StringLiterals;

namespace {

Levelmodell ausBild(const std::vector<std::string>& zeilen) {
    return ausText({"", "", zeilen}, Brettgroesse::voll).modell.value();
}

} // namespace

class EditorTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<Programmordner> ordner;
    QStringList klaenge;
    QString speichernAls;
    int speichernGefragt = 0; // how often the save dialog asked for a name
    QString oeffnenDatei;
    int levelWahl = -1;
    std::unique_ptr<Dialogzeuge> zeuge;
    std::unique_ptr<Editorfenster> fenster;

    QString pfad(const QString& name) const { return ordner->pfad() + name; }
    // "Lösbar?" searches while its progress dialog exists.
    QProgressDialog* suche() const {
        return fenster->findChild<QProgressDialog*>(QStringLiteral("Suche"));
    }
    QImage zelle(Zellort ort) const {
        return ::zelle(fenster->brettbild().bild(), ort.spalte, ort.zeile);
    }

    // One stroke of the mouse over the cells, in order.
    void strich(Qt::MouseButton taste, const std::vector<Zellort>& zellen) {
        QWidget* brett = &fenster->brettbild();
        QTest::mousePress(brett, taste, {}, mitte(zellen.front().spalte, zellen.front().zeile));
        for (const auto& z : zellen)
            QTest::mouseMove(brett, mitte(z.spalte, z.zeile));
        QTest::mouseRelease(brett, taste, {}, mitte(zellen.back().spalte, zellen.back().zeile));
    }

    void taste(Qt::Key k, Qt::KeyboardModifiers u = Qt::NoModifier) {
        QTest::keyClick(&fenster->brettbild(), k, u);
    }

    void einfuegen(const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        fenster->einfuegen();
    }
    // The status line of the test play: its counters and what the keys do.
    QString zaehler() const { return steuerelement<QLabel>(fenster.get(), u"zaehler"_s)->text(); }

  private Q_SLOTS:
    void init() {
        ordner = std::make_unique<Programmordner>();
        QFile::copy(QStringLiteral(LAGERIX_ASSETS "/standardset.gif"), pfad("standardset.gif"));
        klaenge.clear();
        speichernGefragt = 0;
        zeuge = std::make_unique<Dialogzeuge>();
        Editordialoge dialoge{
            [this](QWidget*, const QString&, const QString&, const QString&) {
                return oeffnenDatei;
            },
            [this](QWidget*, const QString&) {
                ++speichernGefragt;
                return speichernAls;
            },
            [this](QWidget*, const QString&, const QStringList&) { return levelWahl; }};
        fenster = std::make_unique<Editorfenster>(
            ordner->pfad(), Aussenwelt{[this](const QString& p) { klaenge << p; }, {}, {}},
            dialoge);
    }

    void cleanup() {
        fenster.reset();
        zeuge.reset();
        ordner.reset();
    }

    // The steps themselves are the core's; here a whole drag is one of them.
    void leftDragPaintsRightDragErasesAndOneDragIsOneUndoStep() {
        fenster->werkzeugWaehlen(Werkzeug::mauer);
        strich(Qt::LeftButton, {{2, 2}, {3, 2}, {4, 3}});
        QCOMPARE(zelle({3, 2}), kachel("mauer"));
        strich(Qt::RightButton, {{3, 2}, {4, 3}});
        QCOMPARE(zelle({3, 2}), kachel("blank"));
        QVERIFY(fenster->windowTitle().endsWith(QLatin1Char('*')));

        fenster->rueckgaengig();
        QCOMPARE(fenster->modell().an({4, 3}), Objekt::mauer);
        QCOMPARE(zelle({3, 2}), kachel("mauer"));
        fenster->rueckgaengig();
        QCOMPARE(fenster->modell(), Levelmodell{});
        QVERIFY(!fenster->windowTitle().endsWith(QLatin1Char('*'))); // back as it was
        fenster->wiederherstellen();
        QCOMPARE(fenster->modell().an({4, 3}), Objekt::mauer);

        // A quick stroke reports only its ends: the cells between are painted too.
        strich(Qt::LeftButton, {{10, 10}, {14, 10}});
        for (int s = 10; s <= 14; ++s)
            QCOMPARE(fenster->modell().an({s, 10}), Objekt::mauer);
    }

    // Which letter is which tool is the core's table; the window hands it the letters.
    void toolKeysChooseTheToolAndShiftArrowsMoveTheLevel() {
        taste(Qt::Key_F);
        strich(Qt::LeftButton, {{0, 0}});
        taste(Qt::Key_Right, Qt::ShiftModifier);
        taste(Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(fenster->modell().figur(), (Zellort{1, 1}));
        taste(Qt::Key_Right); // without Umschalt an arrow moves nothing
        QCOMPARE(fenster->modell().figur(), (Zellort{1, 1}));
        QCOMPARE(zelle({1, 1}), kachel("smile"));
        QCOMPARE(zelle({0, 0}), kachel("blank"));
        fenster->rueckgaengig();
        QCOMPARE(fenster->modell().figur(), (Zellort{1, 0}));
    }

    // A record may not fit the level after a change: the author is asked, and a "Nein"
    // holds for that record until the level is opened again. A "Ja" deletes it only with
    // the level safely on disk: a save that a full disk refuses keeps it.
    void savesWhatTheGameReadsAndAsksToDeleteTheRecordItOverwrites() {
        strich(Qt::LeftButton, {{5, 5}, {6, 5}});
        speichernAls = pfad("eigen");
        QVERIFY(!fenster->speichern());
        QCOMPARE(zeuge->meldungen.size(), 1u);
        QVERIFY(zeuge->texte().last().contains(QStringLiteral("Die Figur fehlt.")));
        QCOMPARE(speichernGefragt, 0); // refused before the author names a file

        taste(Qt::Key_F);
        strich(Qt::LeftButton, {{7, 5}});
        QVERIFY(fenster->speichern());
        QCOMPARE(fenster->windowTitle(), QStringLiteral("Lagerix 2000 - Level Editor - eigen.lev"));
        ordner->anlegen(QStringLiteral("eigen.sco"), "12\r\nAnna\r\n");
        strich(Qt::LeftButton, {{3, 2}});
        zeuge->antwort = QMessageBox::No;
        QVERIFY(fenster->speichern());
        QVERIFY(QFile::exists(pfad("eigen.sco")));
        QVERIFY(zeuge->texte().last().contains(QStringLiteral("Rekord")));
        zeuge->antwort = QMessageBox::Yes;
        zeuge->meldungen.clear();
        QVERIFY(fenster->speichern());
        QVERIFY(zeuge->meldungen.empty());

        fenster->neu();
        QVERIFY(fenster->dateiOeffnen(pfad("eigen.lev")));
        const Levelmodell geoeffnet = fenster->modell();
        fenster->rueckgaengig(); // the strokes before belong to no file any more
        QCOMPARE(fenster->modell(), geoeffnet);
        QCOMPARE(zelle({6, 5}), kachel("mauer"));
        {
            const Schreibgrenze voll(0);
            QVERIFY(!fenster->speichern());
        }
        QVERIFY(QFile::exists(pfad("eigen.sco")));
        QVERIFY(fenster->speichern());
        QVERIFY(!QFile::exists(pfad("eigen.sco")));
    }

    // What the grid cannot show is named, and the level differs from its file at once.
    void aLevelWithStackedObjectsOpensNamedAndUnsaved() {
        ordner->anlegen(u"stapel.lev"_s,
                        "fT\r\n25\r\n25\r\nkiste\r\n50\r\n25\r\nstell\r\n50\r\n25\r\n");
        QVERIFY(fenster->dateiOeffnen(pfad(u"stapel.lev"_s)));
        QVERIFY(zeuge->texte().join(u' ').contains(u"Spalte 3, Zeile 2"_s));
        QVERIFY(fenster->windowTitle().endsWith(u'*'));
    }

    // An update of the game replaces a shipped level: saving over it offers another name.
    void savingOverAShippedLevelOffersAnotherName() {
        const QString geliefert = u"01-schieben.lev"_s;
        QFile::copy(u"" LAGERIX_ASSETS "/bestwerte.txt"_s, pfad(u"bestwerte.txt"_s));
        QFile::copy(u"" LAGERIX_ASSETS "/"_s + geliefert, pfad(geliefert));
        const QByteArray vorher = ordner->inhalt(geliefert);
        QVERIFY(fenster->dateiOeffnen(pfad(geliefert)));
        strich(Qt::LeftButton, {{0, 17}});
        zeuge->antwort = QMessageBox::Yes;
        speichernAls = pfad(u"meins.lev"_s);
        QVERIFY(fenster->speichern());
        QVERIFY(zeuge->texte().join(u' ').contains(u"Update"_s));
        QVERIFY(QFile::exists(speichernAls) && ordner->inhalt(geliefert) == vorher);
    }

    // A name from an old Latin-1 system is no valid UTF-8: the level and its record are
    // found by their bytes, and the save writes no file of another name.
    void aLevelWhoseNameIsNoUtf8OpensAndSavesByItsBytes() {
        const std::filesystem::path hier = QFile::encodeName(ordner->pfad()).toStdString();
        std::ofstream(hier / "\xe4rger.lev") << levelDatei({"#@$.#"}).constData();
        std::ofstream(hier / "\xe4rger.sco") << "12\r\nAnna\r\n";
        QVERIFY(fenster->dateiOeffnen(QByteArray::fromStdString((hier / "\xe4rger.lev").string())));
        zeuge->antwort = QMessageBox::Yes;
        QVERIFY(fenster->speichern());
        QCOMPARE(std::distance(std::filesystem::directory_iterator(hier), {}), 2); // .gif, .lev
        QVERIFY(!std::filesystem::exists(hier / "\xe4rger.sco"));
    }

    void unsavedChangesAskBeforeTheyAreLost() {
        strich(Qt::LeftButton, {{1, 1}});
        const Levelmodell gezeichnet = fenster->modell();
        zeuge->antwort = QMessageBox::Cancel;
        fenster->neu();
        QCOMPARE(fenster->modell(), gezeichnet);
        QVERIFY(zeuge->texte().last().contains(QStringLiteral("Änderungen gespeichert")));
        QVERIFY(!fenster->close());

        zeuge->antwort = QMessageBox::Discard;
        fenster->neu();
        QCOMPARE(zelle({1, 1}), kachel("blank"));

        taste(Qt::Key_F);
        strich(Qt::LeftButton, {{2, 2}});
        zeuge->antwort = QMessageBox::Save;
        speichernAls = pfad("gerettet.lev");
        QVERIFY(fenster->close());
        QVERIFY(QFile::exists(pfad("gerettet.lev")));
    }

    void aTextFileWithSeveralLevelsOffersAChoice() {
        ordner->anlegen(QStringLiteral("sammlung.txt"), "#@$.#\r\n\r\n#+*#\r\n");
        levelWahl = -1;
        QVERIFY(!fenster->dateiOeffnen(pfad("sammlung.txt")));
        levelWahl = 1;
        QVERIFY(fenster->dateiOeffnen(pfad("sammlung.txt")));
        QCOMPARE(fenster->modell(), ausBild({"#+*#"}));
        speichernAls = pfad("zweites.lev");
        QVERIFY(fenster->speichern()); // a text level is saved as a level file
        QVERIFY(QFile::exists(pfad("zweites.lev")));

        oeffnenDatei = pfad("sammlung.txt");
        fenster->sammlungImportieren();
        QVERIFY(QFile::exists(pfad("sammlung-02.lev")));
        QVERIFY(zeuge->texte().last().startsWith(QStringLiteral("2 Level geschrieben")));

        // A file that cannot be read is named with the reason, and the level stays.
        QVERIFY(!fenster->dateiOeffnen(pfad("gibt-es-nicht.lev")));
        QVERIFY(zeuge->texte().last().contains(QStringLiteral("gibt-es-nicht.lev")));
        QDir(ordner->pfad()).mkdir(QStringLiteral("ordner.txt"));
        const QString fehlt =
            QStringLiteral("Die Datei „ordner.txt“ konnte nicht gelesen werden (an ihrer Stelle "
                           "steht ein Ordner).");
        QVERIFY(!fenster->dateiOeffnen(pfad("ordner.txt")));
        QCOMPARE(zeuge->texte().last(), fehlt);
        QCOMPARE(fenster->modell(), ausBild({"#+*#"}));
        zeuge->meldungen.clear();
        oeffnenDatei = pfad("ordner.txt");
        fenster->sammlungImportieren();
        QCOMPARE(zeuge->texte(), QStringList{fehlt});

        // Which encodings are read is the core's; here a UTF-8 file behind a byte-order mark.
        ordner->anlegen(QStringLiteral("utf8.txt"), "\xEF\xBB\xBF#@$.#\nAuthor: J\xC3\xBCrgen\n");
        QVERIFY(fenster->dateiOeffnen(pfad("utf8.txt")));
        QCOMPARE(fenster->modell().autor, "Jürgen");
        QCOMPARE(fenster->modell().an({9, 8}), Objekt::mauer);
    }

    // A paste is the first level of the clipboard, centred: a new level, all of it or nothing,
    // never saved over the file open before, and undone like a stroke. The level file holds
    // Windows-1252, so what it cannot hold is told before it is a '?'.
    void pasteMakesANewLevelOrRefusesWhatIsNoneWhole() {
        einfuegen(QStringLiteral("Title: eins\n#@$.#\n\n#####\n"));
        QCOMPARE(zelle({10, 8}), kachel("smile"));
        speichernAls = pfad("offen.lev");
        QVERIFY(fenster->speichern());
        const QByteArray offen = ordner->inhalt(QStringLiteral("offen.lev"));
        for (const QString& text : {QStringLiteral("#####\n#$X.#\n# @ #\n#####\n"),
                                    QString(groessteTextdatei + 1, u'#')}) {
            einfuegen(text);
            QCOMPARE(fenster->modell(), ausBild({"#@$.#"}));
        }
        QVERIFY(zeuge->texte().at(0).startsWith(QStringLiteral("In Zeile 2 steht „X“")));
        QVERIFY(zeuge->texte().at(1).contains(QStringLiteral("größer als 4 MB")));

        einfuegen(QStringLiteral("Author: Jürgen ☃\n#@*#\n"));
        speichernAls = pfad("neu.lev");
        zeuge->antwort = QMessageBox::Cancel;
        QVERIFY(!fenster->speichern());
        QVERIFY(zeuge->texte().last().contains(QStringLiteral("als „?“ gespeichert: ☃")));
        zeuge->antwort = QMessageBox::Save;
        QVERIFY(fenster->speichern());
        QCOMPARE(ordner->inhalt(QStringLiteral("offen.lev")), offen);
        QVERIFY(ordner->inhalt(QStringLiteral("neu.lev")).contains("J\xFCrgen ?"));
        QVERIFY(fenster->statusBar()->currentMessage().contains(QStringLiteral("„?“ statt ☃")));
        fenster->rueckgaengig();
        QCOMPARE(fenster->modell(), ausBild({"#@$.#"}));
    }

    void testPlayPushesBlastsUndoesAndReturnsToTheBoardAsItWas() {
        einfuegen(QStringLiteral("#@T# \n# $. \n"));
        const QImage bildVorher = fenster->brettbild().bild();
        fenster->testen();
        // Figure at (10, 8), TNT at (11, 8) in front of the wall at (12, 8); the box at
        // (11, 9) left of its place.
        taste(Qt::Key_Right);
        auto* explosion = steuerelement<QLabel>(&fenster->brettbild(), QStringLiteral("Image1"));
        QCOMPARE(explosion->pos(), QPoint(12 * 24, 8 * 24));

        // The step back waits for the blast's end, as in the game, and the counter follows.
        const auto schritte = [this](const char* zahl) {
            return zaehler().contains(u"Schritte: "_s + QLatin1String(zahl));
        };
        taste(Qt::Key_Backspace);
        QVERIFY(schritte("1"));
        QTRY_COMPARE(explosion->x(), Brett::geparkt);
        QCOMPARE(klaenge.size(), 1);
        QVERIFY(schritte("0"));

        // Solved while a blast is shown, the level counts as done at the blast's end. The
        // last push is a click on the box beside the figure, as in the game.
        for (const auto k : {Qt::Key_Right, Qt::Key_Left, Qt::Key_Down})
            taste(k);
        QTest::mouseClick(&fenster->brettbild(), Qt::LeftButton, {}, mitte(11, 9));
        QVERIFY(schritte("4"));
        QVERIFY(!zeuge->texte().contains(QStringLiteral("Geschafft!")));
        QTRY_VERIFY(zeuge->texte().contains(QStringLiteral("Geschafft!")));
        // No step back into a solved level: the status line says what the keys do now.
        QVERIFY(zaehler().endsWith(u"(Geschafft! Escape oder F5 kehrt zum Editor zurück)"_s));

        taste(Qt::Key_Escape);
        QVERIFY(!fenster->testspiel());
        QCOMPARE(fenster->brettbild().bild(), bildVorher);
    }

    void testPlayNamesTheFolderItCannotWorkIn() {
        const QByteArray alt = qgetenv("TMPDIR");
        const auto zurueck = qScopeGuard([&] { qputenv("TMPDIR", alt); });
        qputenv("TMPDIR", QFile::encodeName(pfad(u"fehlt"_s)));
        einfuegen(u"#@$.#"_s);
        fenster->testen();
        QVERIFY(!fenster->testspiel());
        QCOMPARE(zeuge->texte().last(),
                 u"So kann das Level nicht getestet werden: Im Ordner „%1“ lässt sich kein "
                 "Arbeitsordner anlegen (den Ordner gibt es nicht)."_s.arg(pfad(u"fehlt"_s)));
    }

    void aKeyStopsAWalkOfTheMouseInTestPlay() {
        einfuegen(QStringLiteral("#@    $.#\n")); // centred: the figure at (8, 8)
        fenster->testen();
        QTest::mouseClick(&fenster->brettbild(), Qt::LeftButton, {}, mitte(12, 8));
        const double unterwegs = fenster->testspiel()->brett().spielerX;
        taste(Qt::Key_Left); // the walk stops, the key takes its step
        QTest::qWait(4 * Maus::taktMs);
        QCOMPARE(fenster->testspiel()->brett().spielerX, unterwegs - Brett::zelle);
    }

    void solvableFindsTheFewestStepsAndPlaysThemBack() {
        einfuegen(QStringLiteral("#####\n#@$.#\n#####\n"));
        zeuge->antwort = QMessageBox::Yes;
        fenster->loesbar();
        QTRY_VERIFY(!suche());
        QVERIFY(!zeuge->meldungen.at(0).hinterDialog); // no progress left behind the answer
        QCOMPARE(zeuge->texte().first(), QStringLiteral("Das Level ist lösbar, am kürzesten in 1 "
                                                        "Schritt. Soll die Lösung im Testspiel "
                                                        "vorgespielt werden?"));
        QTRY_COMPARE(zeuge->texte().last(), QStringLiteral("Geschafft!"));

        fenster->testen(); // F5 again ends the test
        einfuegen(QStringLiteral("#####\n#@$#.#\n#####\n"));
        fenster->loesbar();
        QTRY_VERIFY(!suche());
        QVERIFY(zeuge->texte().last().startsWith(QStringLiteral("Das Level ist nicht lösbar")));
        QVERIFY(!fenster->testspiel());

        // Each search shows how far it is, so neither line stands still while the other runs;
        // the fast search's answer shows while the proof goes on, and a cancel then keeps it.
        zeuge->antwort = QMessageBox::Discard; // the pasted level
        oeffnenDatei = QStringLiteral(LAGERIX_ASSETS "/56-das-grosse-depot.lev");
        fenster->oeffnen();
        zeuge->antwort = QMessageBox::No;
        fenster->loesbar();
        QVERIFY(suche());
        QTRY_VERIFY(suche() &&
                    suche()->labelText().contains(QStringLiteral(" Stellungen, mindestens ")));
        const QString stand = suche()->labelText();
        QTRY_VERIFY_WITH_TIMEOUT(suche() && suche()->labelText().contains(QStringLiteral(
                                                "Schnelle Suche: lösbar, zum Beispiel in ")),
                                 30000);
        QTRY_VERIFY(suche() && suche()->labelText().section(u'\n', 1) != stand.section(u'\n', 1));
        suche()->findChild<QPushButton*>()->click();
        QTRY_VERIFY(!suche());
        QVERIFY(zeuge->texte().last().startsWith(
            QStringLiteral("Das Level ist lösbar, zum Beispiel in ")));
    }
};

QTEST_MAIN(EditorTest)
#include "editor_test.moc"
