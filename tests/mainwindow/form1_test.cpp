// The main window driven like a player drives it, on the offscreen platform.
#include "game/kachelsatz.h"
#include "kit/brettbild.h"
#include "kit/meldung.h"
#include "mainwindow/form1.h"
#include "mainwindow/gewinnanimation.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString assets = QStringLiteral(LAGERIX_ASSETS);

// Level files are written on the editor's raster: 25 units per cell.
QByteArray level(const QString& kopf, int figurSpalte, int figurZeile,
                 const QList<std::tuple<QString, int, int>>& eintraege) {
    QStringList zeilen{kopf, QString::number(25 * figurSpalte), QString::number(25 * figurZeile)};
    for (const auto& [art, spalte, zeile] : eintraege)
        zeilen << art << QString::number(25 * spalte) << QString::number(25 * zeile);
    return (zeilen.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1();
}

// One push to the right solves it.
const QByteArray einZug = level(QStringLiteral("fAnna"), 1, 1,
                                {{QStringLiteral("kiste"), 2, 1}, {QStringLiteral("stell"), 3, 1}});
// Two TNT boxes in front of two walls, on rows 1 and 3, and a box that keeps it unsolved.
const QByteArray sprengen = level(QStringLiteral("fBernd"), 1, 1,
                                  {{QStringLiteral("tnt"), 2, 1},
                                   {QStringLiteral("mauer"), 3, 1},
                                   {QStringLiteral("tnt"), 2, 3},
                                   {QStringLiteral("mauer"), 3, 3},
                                   {QStringLiteral("kiste"), 8, 8},
                                   {QStringLiteral("stell"), 9, 9}});

struct Aufnahme {
    QStringList klaenge;
    QStringList seiten;
    QStringList meldungen;
    QStringList programme;
};

class Programmordner {
  public:
    Programmordner() {
        schreiben(QStringLiteral("a-eins.lev"), einZug);
        schreiben(QStringLiteral("b-sprengen.lev"), sprengen);
        schreiben(QStringLiteral("c-eins.lev"), einZug);
        QFile::copy(assets + QStringLiteral("/standardset.gif"), pfad("standardset.gif"));
    }
    QString pfad(const QString& name) const { return ordner.filePath(name); }
    QString pfad(const char* name) const { return pfad(QString::fromLatin1(name)); }
    void schreiben(const QString& name, const QByteArray& inhalt) const {
        QFile datei(pfad(name));
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.write(inhalt);
    }
    QString wurzel() const { return ordner.path() + QLatin1Char('/'); }

  private:
    QTemporaryDir ordner;
};

QImage kachel(const QImage& blatt, const char* wort) {
    const auto u = kachelUrsprung(wort);
    return blatt.copy(u->x, u->y, kachelGroesse, kachelGroesse);
}

QImage zelle(const Form1& f, int spalte, int zeile) {
    return f.Picture2().bild().copy(spalte * 24, zeile * 24, 24, 24);
}

template <typename T> T* teil(const Form1& f, const char* name) {
    return f.findChild<T*>(QString::fromLatin1(name));
}

} // namespace

class Form1Test : public QObject {
    Q_OBJECT

    std::unique_ptr<Programmordner> ordner;
    std::unique_ptr<Form1> fenster;
    std::unique_ptr<meldung::Ersatz> ersatz;
    Aufnahme aufnahme;

    Form1& starten() {
        Aussenwelt welt{[this](const QString& p) { aufnahme.klaenge << p; },
                        [this](const QString& p) {
                            aufnahme.seiten << p;
                            return true;
                        },
                        [this](const QString& p) {
                            aufnahme.programme << p;
                            return true;
                        }};
        fenster = std::make_unique<Form1>(ordner->wurzel(), welt);
        fenster->show();
        QTest::qWait(20);
        return *fenster;
    }

    void levelWaehlen(Form1& f, const QString& name) {
        const auto treffer = f.File2().findItems(name, Qt::MatchExactly);
        QVERIFY(!treffer.isEmpty());
        f.File2().setCurrentItem(treffer.first());
        f.Command2_Click();
        QTest::qWait(5);
    }

  private Q_SLOTS:
    void init() {
        aufnahme = {};
        ordner = std::make_unique<Programmordner>();
        ersatz = std::make_unique<meldung::Ersatz>(
            [this](QWidget*, QMessageBox::Icon, const QString&, const QString& text,
                   QMessageBox::StandardButtons) -> QMessageBox::StandardButton {
                aufnahme.meldungen << text;
                return QMessageBox::Ok;
            });
    }
    void cleanup() {
        fenster.reset();
        ersatz.reset();
        ordner.reset();
    }

    void startUpShowsThePanelWithNothingSelectedAndIgnoresKeys() {
        Form1& f = starten();
        QCOMPARE(f.File2().count(), 3);
        QVERIFY(f.File2().selectedItems().isEmpty());
        for (const char* name : {"File2", "Command2", "Command3", "Shape1", "Label7", "Line4"})
            QVERIFY2(teil<QWidget>(f, name)->isVisible(), name);
        QTest::keyClick(&f.Picture2(), Qt::Key_Right);
        QCOMPARE(f.brett().schritte, 0);
        QCOMPARE(f.brett().spielerX, -2000.0);
        QTest::qWait(150);
        for (const char* name : {"Label1", "Label3", "Label6"})
            QCOMPARE(teil<QLabel>(f, name)->text(), QStringLiteral("0"));
        QVERIFY(aufnahme.meldungen.isEmpty());
        QVERIFY(f.Picture2().bild() == [] {
            QImage schwarz(552, 432, QImage::Format_RGB32);
            schwarz.fill(Qt::black);
            return schwarz;
        }());
    }

    void aLevelIsChosenByOkEnterOrDoubleClick_data() {
        QTest::addColumn<QString>("weg");
        QTest::newRow("Ok") << "ok";
        QTest::newRow("ENTER in der Liste") << "enter";
        QTest::newRow("Doppelklick") << "doppelklick";
    }
    void aLevelIsChosenByOkEnterOrDoubleClick() {
        QFETCH(QString, weg);
        Form1& f = starten();
        f.File2().setCurrentRow(1);
        if (weg == QLatin1String("ok")) {
            teil<QPushButton>(f, "Command2")->click();
        } else if (weg == QLatin1String("enter")) {
            f.File2().setFocus();
            QTest::keyClick(&f.File2(), Qt::Key_Return);
        } else {
            const QRect feld = f.File2().visualItemRect(f.File2().item(1));
            QTest::mouseClick(f.File2().viewport(), Qt::LeftButton, {}, feld.center());
            QTest::mouseDClick(f.File2().viewport(), Qt::LeftButton, {}, feld.center());
        }
        QTest::qWait(5);
        QCOMPARE(f.brett().levelDatei, (ordner->wurzel() + "b-sprengen.lev").toStdString());
        QCOMPARE(teil<QLabel>(f, "Autor")->text(), QStringLiteral("Bernd"));
        QVERIFY(f.File2().isHidden());
        QVERIFY(teil<QWidget>(f, "Shape1")->isHidden());
        QVERIFY(f.Picture2().hasFocus());
        QCOMPARE(zelle(f, 3, 1), kachel(f.grafiksetpic(), "mauer"));
    }

    void okWithNothingSelectedKeepsThePanelOpen() {
        Form1& f = starten();
        teil<QPushButton>(f, "Command2")->click();
        QVERIFY(!f.File2().isHidden());
        QVERIFY(f.brett().levelDatei.empty());
        QCOMPARE(f.brett().belegt, 89);
    }

    void levelWaehlenTogglesThePanelAndHandsTheFocusBack() {
        Form1& f = starten();
        levelWaehlen(f, QStringLiteral("a-eins.lev"));
        auto* command1 = teil<QPushButton>(f, "Command1");
        command1->click();
        QVERIFY(!f.File2().isHidden());
        QVERIFY(!teil<QWidget>(f, "Label8")->isHidden());
        QCOMPARE(f.File2().selectedItems().first()->text(), QStringLiteral("a-eins.lev"));
        command1->click();
        QVERIFY(f.File2().isHidden());
        QVERIFY(f.Timer2().isActive());
        QVERIFY(f.Picture2().hasFocus());
        command1->click();
        teil<QPushButton>(f, "Command3")->click();
        QVERIFY(f.File2().isHidden());
        QVERIFY(f.Picture2().hasFocus());
        QCOMPARE(f.brett().schritte, 0);
    }

    void openingThePanelListsNewLevelFiles() {
        Form1& f = starten();
        levelWaehlen(f, QStringLiteral("a-eins.lev"));
        ordner->schreiben(QStringLiteral("0-neu.lev"), einZug);
        f.Command1_Click();
        QCOMPARE(f.File2().item(0)->text(), QStringLiteral("0-neu.lev"));
        QCOMPARE(f.File2().selectedItems().first()->text(), QStringLiteral("a-eins.lev"));
    }

    // Whichever widget holds the focus, one press is one step.
    void everyCursorKeyReachesTheGameOnce_data() {
        QTest::addColumn<QString>("fokus");
        QTest::newRow("Brett") << "Picture2";
        QTest::newRow("Knopf") << "Command4";
        QTest::newRow("Hauptfenster") << "";
    }
    void everyCursorKeyReachesTheGameOnce() {
        QFETCH(QString, fokus);
        Form1& f = starten();
        levelWaehlen(f, QStringLiteral("b-sprengen.lev"));
        QWidget* ziel = fokus.isEmpty() ? static_cast<QWidget*>(&f) : f.findChild<QWidget*>(fokus);
        ziel->setFocus();
        QTest::keyClick(ziel, Qt::Key_Down);
        QTest::keyClick(ziel, Qt::Key_A);
        QCOMPARE(f.brett().schritte, 1);
        QCOMPARE(f.brett().spielerY, 48.0);
        if (!fokus.isEmpty())
            QVERIFY(ziel->hasFocus());
        const QImage& blatt = f.grafiksetpic();
        QCOMPARE(zelle(f, 1, 2), kachel(blatt, "smile"));
        QCOMPARE(zelle(f, 1, 1), kachel(blatt, "blank"));
    }

    void pushingDrawsTheCellsFromTheSheet() {
        Form1& f = starten();
        levelWaehlen(f, QStringLiteral("a-eins.lev"));
        QTest::qWait(5);
        const QImage& blatt = f.grafiksetpic();
        QCOMPARE(zelle(f, 1, 1), kachel(blatt, "smile"));
        QCOMPARE(zelle(f, 2, 1), kachel(blatt, "box"));
        QCOMPARE(zelle(f, 3, 1), kachel(blatt, "stell"));
        f.Picture2_KeyDown(39, 0);
        QCOMPARE(zelle(f, 1, 1), kachel(blatt, "blank"));
        QCOMPARE(zelle(f, 2, 1), kachel(blatt, "smile"));
        QCOMPARE(zelle(f, 3, 1), kachel(blatt, "box2"));
    }

    void anExposedWindowRedrawsTheBoardOnce() {
        Form1& f = starten();
        levelWaehlen(f, QStringLiteral("b-sprengen.lev"));
        QTest::qWait(5);
        const QImage vorher = f.Picture2().bild();
        f.Picture2().leeren();
        f.repaint();
        QTest::qWait(5);
        QCOMPARE(f.Picture2().bild(), vorher);
        // Moves and the counters changing do not make the window redraw itself over and over.
        QSignalSpy neuGezeichnet(&f.Timer2(), &QTimer::timeout);
        f.Picture2_KeyDown(40, 0);
        QTest::qWait(350);
        QVERIFY(neuGezeichnet.count() <= 1);
    }

    void countersFollowTheGameWithin100ms() {
        Form1& f = starten();
        levelWaehlen(f, QStringLiteral("b-sprengen.lev"));
        QTest::qWait(120);
        QCOMPARE(teil<QLabel>(f, "Label3")->text(), QStringLiteral("1"));
        f.Picture2_KeyDown(40, 0);
        f.Picture2_KeyDown(40, 0);
        QTRY_COMPARE_WITH_TIMEOUT(teil<QLabel>(f, "Label6")->text(), QStringLiteral("2"), 120);
    }

    void aSolvedLevelIsAnnouncedOnceAndTheNextOneSelected_data() {
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("danach");
        QTest::newRow("Mitte der Liste") << "a-eins.lev"
                                         << "b-sprengen.lev";
        QTest::newRow("letztes Level") << "c-eins.lev"
                                       << "c-eins.lev";
    }
    void aSolvedLevelIsAnnouncedOnceAndTheNextOneSelected() {
        QFETCH(QString, level);
        QFETCH(QString, danach);
        ordner->schreiben(QStringLiteral("lagerix.cfg"), "animation_aus\r\n");
        Form1& f = starten();
        QStringList ankuendigungen;
        meldung::Ersatz waehrendDerMeldung(
            [&](QWidget*, QMessageBox::Icon, const QString& titel, const QString& text,
                QMessageBox::StandardButtons) -> QMessageBox::StandardButton {
                ankuendigungen << titel + QLatin1Char('|') + text;
                f.Timer3_Timer(); // a tick while the box is open
                return QMessageBox::Ok;
            });
        levelWaehlen(f, level);
        f.Picture2_KeyDown(39, 0);
        f.Timer3_Timer();
        f.Timer3_Timer();
        QCOMPARE(ankuendigungen,
                 QStringList{QStringLiteral("Lagerix 2000|Sie haben das Level geschafft !")});
        QVERIFY(f.brett().brettGesperrt);
        QVERIFY(!f.File2().isHidden());
        QCOMPARE(f.File2().selectedItems().first()->text(), danach);
        f.Picture2_KeyDown(37, 0);
        QCOMPARE(f.brett().schritte, 1);
        QImage schwarz(552, 432, QImage::Format_RGB32);
        schwarz.fill(Qt::black);
        f.repaint();
        QTest::qWait(5);
        QCOMPARE(f.Picture2().bild(), schwarz);
    }

    void theWinAnimationDissolvesTheWinPictureInAndOut() {
        Brettbild bild;
        QImage gewinn(576, 432, QImage::Format_RGB32);
        gewinn.fill(QColor(10, 20, 200));
        int gezeigt = 0;
        QImage vollstaendig;
        Gewinnanimation(bild, [&] {
            if (++gezeigt == Gewinnanimation::stapelProDurchgang + 1)
                vollstaendig = bild.bild();
        }).abspielen(gewinn);
        QCOMPARE(gezeigt, 2 * Gewinnanimation::stapelProDurchgang + 1);
        QCOMPARE(vollstaendig, gewinn.copy(0, 0, 552, 432));
        // 20000 strips of 35 by 2 cover most, but not all, of the picture.
        int blau = 0;
        for (int y = 0; y < 432; ++y)
            for (int x = 0; x < 552; ++x)
                blau += bild.bild().pixel(x, y) == gewinn.pixel(0, 0);
        QVERIFY(blau > 0);
        QVERIFY(blau < 552 * 432 / 3);
    }

    void theAnimationAnnouncesWhenItIsSwitchedOn() {
        Form1& f = starten();
        levelWaehlen(f, QStringLiteral("a-eins.lev"));
        f.Picture2_KeyDown(39, 0);
        f.Timer3_Timer();
        QVERIFY(aufnahme.meldungen.isEmpty());
        QVERIFY(f.brett().geschafft);
        QCOMPARE(f.File2().selectedItems().first()->text(), QStringLiteral("b-sprengen.lev"));
    }

    void theExplosionShowsItsFramesInOrderWithOneSound() {
        Form1& f = starten();
        levelWaehlen(f, QStringLiteral("b-sprengen.lev"));
        f.Timer4().stop();
        f.Picture2_KeyDown(39, 0);
        QVERIFY(f.Timer4().isActive());
        QCOMPARE(f.explosionsBild().pos(), QPoint(72, 24));
        const QImage& blatt = f.grafiksetpic();
        for (int tick = 0; tick < 10; ++tick) {
            if (tick == 3) {
                // A second blast moves the picture; the count and the sound go on.
                f.Picture2_KeyDown(37, 0);
                f.Picture2_KeyDown(40, 0);
                f.Picture2_KeyDown(40, 0);
                f.Picture2_KeyDown(39, 0);
                QCOMPARE(f.explosionsBild().pos(), QPoint(72, 72));
            }
            f.Timer4_Timer();
            const QImage gezeigt =
                f.explosionsBild().pixmap().toImage().convertToFormat(QImage::Format_RGB32);
            if (tick >= 1 && tick <= 8) {
                const Kachelursprung u = explosionsBildUrsprung(tick);
                QCOMPARE(gezeigt.copy(0, 0, 24, 24), blatt.copy(u.x, u.y, 24, 24));
            }
        }
        QCOMPARE(aufnahme.klaenge, QStringList{ordner->wurzel() + "explsion.wav"});
        QVERIFY(!f.Timer4().isActive());
        QCOMPARE(f.explosionsBild().x(), 2000);
        QCOMPARE(zelle(f, 3, 3), kachel(blatt, "blank"));
        QCOMPARE(zelle(f, 2, 3), kachel(blatt, "smile"));
    }

    void aConfigurationCanSwitchAnimationAndSoundOff() {
        ordner->schreiben(QStringLiteral("lagerix.cfg"), "animation_aus\r\nsound_aus\r\n");
        Form1& f = starten();
        QVERIFY(!f.einstellungen().animationAn);
        QVERIFY(!f.einstellungen().soundAn);
        levelWaehlen(f, QStringLiteral("b-sprengen.lev"));
        f.Timer4().stop();
        f.Picture2_KeyDown(39, 0);
        for (int tick = 0; tick < 10; ++tick)
            f.Timer4_Timer();
        QVERIFY(aufnahme.klaenge.isEmpty());
    }

    void aMissingGraphicsSetFallsBack_data() {
        QTest::addColumn<bool>("standardDa");
        QTest::addColumn<QString>("stattdessen");
        QTest::newRow("auf das Standard-Grafikset") << true << "standardset.gif";
        QTest::newRow("auf das eingebaute") << false << ":/bilder/eingebaut.png";
    }
    void aMissingGraphicsSetFallsBack() {
        QFETCH(bool, standardDa);
        QFETCH(QString, stattdessen);
        ordner->schreiben(QStringLiteral("lagerix.cfg"), "fehlt.gif\r\n");
        if (!standardDa)
            QFile::remove(ordner->pfad("standardset.gif"));
        const QString quelle = standardDa ? ordner->pfad(stattdessen) : stattdessen;
        Form1& f = starten();
        QCOMPARE(aufnahme.meldungen.size(), 1);
        QVERIFY(aufnahme.meldungen.first().contains(QStringLiteral("„fehlt.gif“")));
        QCOMPARE(f.grafiksetpic(), QImage(quelle).convertToFormat(QImage::Format_RGB32));
    }

    void aDamagedLevelIsReportedAndThePanelStaysOpen() {
        ordner->schreiben(QStringLiteral("kaputt.lev"), "fX\r\n25\r\n");
        Form1& f = starten();
        levelWaehlen(f, QStringLiteral("kaputt.lev"));
        QCOMPARE(aufnahme.meldungen.size(), 1);
        QVERIFY(aufnahme.meldungen.first().contains(QStringLiteral("kaputt.lev")));
        QVERIFY(!f.File2().isHidden());
        f.Picture2_KeyDown(39, 0);
        QCOMPARE(f.brett().schritte, 0);
    }

    void theBookmarkMenuHasItsNineEntries() {
        Form1& f = starten();
        QStringList eintraege;
        for (const QAction* a : f.mnu_lesezeichen().actions())
            eintraege << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(eintraege,
                 (QStringList{"Abbrechen", "-", "Lesezeichen 1 setzen", "Lesezeichen 2 setzen",
                              "Lesezeichen 3 setzen", "-", "Lesezeichen 1 abrufen",
                              "Lesezeichen 2 abrufen", "Lesezeichen 3 abrufen"}));
    }

    void aRecalledBookmarkRestoresTheBoardButNotTheSteps() {
        Form1& f = starten();
        levelWaehlen(f, QStringLiteral("b-sprengen.lev"));
        f.Picture2_KeyDown(40, 0);
        f.findChild<QAction*>(QStringLiteral("lesezeichen2setzen"))->trigger();
        QVERIFY(QFile::exists(ordner->pfad("l2.bok")));
        const auto gemerkt = f.brett().felder;
        f.Picture2_KeyDown(38, 0);
        f.Picture2_KeyDown(39, 0); // blasts the first wall
        QVERIFY(gemerkt != f.brett().felder);
        f.Command1_Click();
        f.findChild<QAction*>(QStringLiteral("lesezeichen2abrufen"))->trigger();
        QVERIFY(gemerkt == f.brett().felder);
        QCOMPARE(f.brett().spielerY, 48.0);
        QCOMPARE(f.brett().schritte, 3);
        QVERIFY(f.File2().isHidden());
        QVERIFY(f.Picture2().hasFocus());
        QTest::qWait(5);
        QCOMPARE(zelle(f, 3, 1), kachel(f.grafiksetpic(), "mauer"));
        QCOMPARE(zelle(f, 1, 2), kachel(f.grafiksetpic(), "smile"));
    }

    void aBookmarkThatCannotBeWrittenIsReportedAndTheOldOneStays() {
        Form1& f = starten();
        levelWaehlen(f, QStringLiteral("a-eins.lev"));
        QVERIFY(QDir(ordner->wurzel()).mkdir(QStringLiteral("l3.bok")));
        f.lesezeichenSetzen(3);
        QCOMPARE(aufnahme.meldungen.size(), 1);
        QVERIFY(aufnahme.meldungen.first().contains(QStringLiteral("l3.bok")));
        QVERIFY(QFileInfo(ordner->pfad("l3.bok")).isDir());
        QCOMPARE(QDir(ordner->wurzel()).entryList({QStringLiteral("l3.bok*")}).size(), 1);
    }

    // Folders where files belong are reported by name; an unfinished write of an
    // earlier run is gone after the start.
    void aFolderForTheSettingsOrABookmarkIsReportedAndLeftoversAreRemoved() {
        QVERIFY(QDir(ordner->wurzel()).mkdir(QStringLiteral("lagerix.cfg")));
        QVERIFY(QDir(ordner->wurzel()).mkdir(QStringLiteral("l1.bok")));
        ordner->schreiben(QStringLiteral(".lagerix-abc123"), "halb");
        QFile rest(ordner->pfad(".lagerix-abc123"));
        QVERIFY(rest.open(QIODevice::ReadWrite));
        QVERIFY(rest.setFileTime(QDateTime::currentDateTime().addDays(-1),
                                 QFileDevice::FileModificationTime));
        rest.close();
        Form1& f = starten();
        QCOMPARE(aufnahme.meldungen.size(), 1);
        QVERIFY(aufnahme.meldungen.first().contains(QStringLiteral("„lagerix.cfg“")));
        QVERIFY(!QFile::exists(ordner->pfad(".lagerix-abc123")));
        levelWaehlen(f, QStringLiteral("a-eins.lev"));
        f.lesezeichenAbrufen(1);
        QCOMPARE(aufnahme.meldungen.size(), 2);
        QVERIFY(aufnahme.meldungen.last().contains(QStringLiteral("„l1.bok“")));
        QVERIFY(f.File2().isHidden());
    }

    void theLevelEditorStartsOnlyWhenItIsInstalled() {
        Form1& f = starten();
        f.Command6_Click();
        QCOMPARE(aufnahme.meldungen,
                 QStringList{QStringLiteral("Der Level Editor ist nicht installiert.")});
        QVERIFY(aufnahme.programme.isEmpty());
        ordner->schreiben(QStringLiteral("lagerix-editor"), "#!/bin/sh\n");
        f.Command6_Click();
        QCOMPARE(aufnahme.programme, QStringList{ordner->pfad("lagerix-editor")});
        QCOMPARE(aufnahme.meldungen.size(), 1);
    }

    void eachSecondaryWindowExistsOnceAndComesToTheFront_data() {
        QTest::addColumn<QString>("knopf");
        QTest::addColumn<QString>("titel");
        QTest::newRow("Rekorde") << "Command5"
                                 << "Lagerix 2000 - Rekorde";
        QTest::newRow("Optionen") << "Command7"
                                  << "Lagerix 2000 - Optionen";
        QTest::newRow("Info / Hilfe") << "Command8"
                                      << "Über Lagerix 2000";
        QTest::newRow("F1") << ""
                            << "Hilfe zu Lagerix 2000";
    }
    void eachSecondaryWindowExistsOnceAndComesToTheFront() {
        QFETCH(QString, knopf);
        QFETCH(QString, titel);
        Form1& f = starten();
        levelWaehlen(f, QStringLiteral("b-sprengen.lev"));
        const auto fenster = [&] {
            QList<QWidget*> gefunden;
            for (auto* w : f.findChildren<QWidget*>())
                if (w->isWindow() && w->windowTitle() == titel && w->isVisible())
                    gefunden << w;
            return gefunden;
        };
        for (int mal = 0; mal < 2; ++mal) {
            if (knopf.isEmpty())
                QTest::keyClick(&f.Picture2(), Qt::Key_F1);
            else
                f.findChild<QPushButton*>(knopf)->click();
        }
        QCOMPARE(fenster().size(), 1);
        QCOMPARE(f.brett().schritte, 0);
        fenster().first()->close();
        QTest::qWait(5);
        QVERIFY(fenster().isEmpty());
        QVERIFY(f.Timer2().isActive() || f.Picture2().bild() != QImage());
    }

    void pagesOpenOnlyWithTheHomePagePresent_data() {
        QTest::addColumn<QStringList>("dateien");
        QTest::addColumn<QString>("seite");
        QTest::addColumn<QStringList>("geoeffnet");
        QTest::addColumn<int>("meldungen");
        QTest::newRow("Hilfe") << QStringList{"vestrum.htm", "hilfe.htm"} << "hilfe.htm"
                               << QStringList{"hilfe.htm"} << 0;
        QTest::newRow("Logo") << QStringList{"vestrum.htm"} << "" << QStringList{"vestrum.htm"}
                              << 0;
        QTest::newRow("ohne vestrum.htm")
            << QStringList{"hilfe.htm"} << "hilfe.htm" << QStringList{} << 1;
        QTest::newRow("ohne die Seite")
            << QStringList{"vestrum.htm"} << "hilfe.htm" << QStringList{} << 1;
    }
    void pagesOpenOnlyWithTheHomePagePresent() {
        QFETCH(QStringList, dateien);
        QFETCH(QString, seite);
        QFETCH(QStringList, geoeffnet);
        QFETCH(int, meldungen);
        for (const QString& datei : dateien)
            ordner->schreiben(datei, "<html></html>");
        Form1& f = starten();
        if (seite.isEmpty())
            f.Image3_Click();
        else
            f.seiteOeffnen(seite);
        for (QString& name : geoeffnet)
            name = ordner->pfad(name);
        QCOMPARE(aufnahme.seiten, geoeffnet);
        QCOMPARE(aufnahme.meldungen.size(), meldungen);
    }

    void aSolvedLevelWithFewerStepsAsksForTheRecordHolder() {
        ordner->schreiben(QStringLiteral("lagerix.cfg"), "animation_aus\r\n");
        Form1& f = starten();
        QStringList fragen;
        meldung::Ersatz antworten(
            [](QWidget*, QMessageBox::Icon, const QString&, const QString&,
               QMessageBox::StandardButtons) { return QMessageBox::Ok; },
            [&](QWidget*, const QString& titel, const QString&) -> std::optional<QString> {
                fragen << titel;
                return QStringLiteral("Jörg");
            });
        for (int runde = 0; runde < 2; ++runde) {
            levelWaehlen(f, QStringLiteral("a-eins.lev"));
            f.Picture2_KeyDown(39, 0);
            f.Timer3_Timer();
        }
        // The second solution only ties the record: nobody is asked again.
        QCOMPARE(fragen, QStringList{QStringLiteral("Neuer Rekord!")});
        QFile datei(ordner->pfad("a-eins.sco"));
        QVERIFY(datei.open(QIODevice::ReadOnly));
        QCOMPARE(datei.readAll(), QByteArray("1\r\nJ\xf6rg\r\n"));
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
