// The main window driven like a player drives it, on the offscreen platform.
#include "game/kachelsatz.h"
#include "kit/brettbild.h"
#include "kit/explosionsbild.h"
#include "kit/meldung.h"
#include "mainwindow/form1.h"
#include "mainwindow/gewinnanimation.h"
#include "tests/hauptfensterattrappe.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString assets = QString::fromUtf8(LAGERIX_ASSETS);

// Level files are written on the editor's raster: 25 units per cell.
QByteArray level(const QString& kopf, int figurSpalte, int figurZeile,
                 const QList<std::tuple<QString, int, int>>& eintraege) {
    QStringList zeilen{kopf, QString::number(25 * figurSpalte), QString::number(25 * figurZeile)};
    for (const auto& [art, spalte, zeile] : eintraege)
        zeilen << art << QString::number(25 * spalte) << QString::number(25 * zeile);
    return (zeilen.join(u"\r\n"_s) + u"\r\n"_s).toLatin1();
}

// One push to the right solves it.
const QByteArray einZug = level(u"fAnna"_s, 1, 1, {{u"kiste"_s, 2, 1}, {u"stell"_s, 3, 1}});
// Two TNT boxes in front of two walls, on rows 1 and 3, and a box that keeps it unsolved.
const QByteArray sprengen = level(u"fBernd"_s, 1, 1,
                                  {{u"tnt"_s, 2, 1},
                                   {u"mauer"_s, 3, 1},
                                   {u"tnt"_s, 2, 3},
                                   {u"mauer"_s, 3, 3},
                                   {u"kiste"_s, 8, 8},
                                   {u"stell"_s, 9, 9}});

struct Aufnahme {
    QStringList klaenge;
    QStringList seiten;
    QStringList programme;
};

QImage kachel(const QImage& blatt, const char* wort) {
    const auto u = kachelUrsprung(wort);
    return u ? blatt.copy(u->x, u->y, kachelGroesse, kachelGroesse) : QImage();
}

QImage schwarzesBrett() {
    QImage schwarz(552, 432, QImage::Format_RGB32);
    schwarz.fill(Qt::black);
    return schwarz;
}

} // namespace

class Form1Test : public QObject {
    Q_OBJECT

    std::unique_ptr<Programmordner> ordner;
    std::unique_ptr<Form1> fenster;
    std::unique_ptr<Dialogzeuge> zeuge;
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
        fenster = std::make_unique<Form1>(ordner->pfad(), welt);
        fenster->show();
        if (!QTest::qWaitForWindowExposed(fenster.get()))
            qWarning("Hauptfenster nicht sichtbar");
        return *fenster;
    }

    template <typename T> T* teil(const QString& name) const {
        return steuerelement<T>(fenster.get(), name);
    }
    QListWidget* liste() const { return teil<QListWidget>(u"File2"_s); }
    const QImage& brett() const { return teil<Brettbild>(u"Picture2"_s)->bild(); }
    QImage zelle(int spalte, int zeile) const {
        return brett().copy(spalte * 24, zeile * 24, 24, 24);
    }
    // The sheet the game loads at start: the standard set of the program folder.
    QImage blatt() const {
        return QImage(ordner->pfad() + u"standardset.gif"_s).convertToFormat(QImage::Format_RGB32);
    }
    QTimer* timer(const QString& name) const { return teil<QTimer>(name); }
    QStringList meldungen() const {
        QStringList texte;
        for (const Meldung& m : zeuge->meldungen)
            texte << m.text;
        return texte;
    }
    // The step counter as the player sees it after the next poll.
    int schritte() const {
        fenster->Timer3_Timer();
        return teil<QLabel>(u"Label6"_s)->text().toInt();
    }
    QString gewaehlt() const {
        const auto auswahl = liste()->selectedItems();
        return auswahl.isEmpty() ? QString() : auswahl.first()->text();
    }
    bool offen() const { return !liste()->isHidden(); }

    void levelWaehlen(const QString& name) {
        const auto treffer = liste()->findItems(name, Qt::MatchExactly);
        QCOMPARE(treffer.size(), 1);
        liste()->setCurrentItem(treffer.first());
        fenster->Command2_Click();
        QTRY_VERIFY(!timer(u"Timer2"_s)->isActive());
    }
    void aktion(const QString& name) const { teil<QAction>(name)->trigger(); }

  private Q_SLOTS:
    void init() {
        aufnahme = {};
        ordner = std::make_unique<Programmordner>();
        ordner->anlegen(u"a-eins.lev"_s, einZug);
        ordner->anlegen(u"b-sprengen.lev"_s, sprengen);
        ordner->anlegen(u"c-eins.lev"_s, einZug);
        QFile::copy(assets + u"/standardset.gif"_s, ordner->pfad() + u"standardset.gif"_s);
        zeuge = std::make_unique<Dialogzeuge>();
    }
    void cleanup() {
        fenster.reset();
        zeuge.reset();
        ordner.reset();
    }

    // The focus starts in the list, so ENTER is "Ok" and the first arrow key takes the
    // first level instead of skipping it.
    void startUpOpensThePanelWithTheFocusInTheListAndIgnoresMoves() {
        Form1& f = starten();
        QCOMPARE(liste()->count(), 3);
        QCOMPARE(gewaehlt(), QString());
        for (const auto& name :
             {u"File2"_s, u"Command2"_s, u"Command3"_s, u"Shape1"_s, u"Label7"_s, u"Line4"_s})
            QVERIFY2(teil<QWidget>(name)->isVisible(), qPrintable(name));
        QCOMPARE(f.focusWidget(), liste());
        QTest::keyClick(teil<QWidget>(u"Picture2"_s), Qt::Key_Right);
        QCOMPARE(schritte(), 0);
        QCOMPARE(brett(), schwarzesBrett());
        QVERIFY(zeuge->meldungen.empty());

        QTest::keyClick(liste(), Qt::Key_Down);
        QCOMPARE(gewaehlt(), u"a-eins.lev"_s);
        QTest::keyClick(liste(), Qt::Key_Return);
        QCOMPARE(teil<QLabel>(u"Autor"_s)->text(), u"Anna"_s);
        QVERIFY(!offen());
    }

    void aLevelIsChosenByOkEnterOrDoubleClick_data() {
        QTest::addColumn<QString>("weg");
        QTest::newRow("Ok") << "ok";
        QTest::newRow("ENTER in der Liste") << "enter";
        QTest::newRow("Doppelklick") << "doppelklick";
    }
    void aLevelIsChosenByOkEnterOrDoubleClick() {
        QFETCH(QString, weg);
        starten();
        liste()->setCurrentRow(1);
        if (weg == "ok"_L1) {
            teil<QPushButton>(u"Command2"_s)->click();
        } else if (weg == "enter"_L1) {
            liste()->setFocus();
            QTest::keyClick(liste(), Qt::Key_Return);
        } else {
            const QRect feld = liste()->visualItemRect(liste()->item(1));
            QTest::mouseClick(liste()->viewport(), Qt::LeftButton, {}, feld.center());
            QTest::mouseDClick(liste()->viewport(), Qt::LeftButton, {}, feld.center());
        }
        QCOMPARE(teil<QLabel>(u"Autor"_s)->text(), u"Bernd"_s);
        QVERIFY(!offen());
        QVERIFY(teil<QWidget>(u"Shape1"_s)->isHidden());
        QVERIFY(teil<QWidget>(u"Picture2"_s)->hasFocus());
        QTRY_COMPARE(zelle(3, 1), kachel(blatt(), "mauer"));
    }

    void aLongAuthorNameIsCutAtTheLabelAndShownWholeInItsTooltip() {
        const QString name = u"Maximilian von Mustermann-Lüdenscheid und Söhne"_s;
        ordner->anlegen(u"lang.lev"_s,
                        level(u"f"_s + name, 1, 1, {{u"kiste"_s, 2, 1}, {u"stell"_s, 3, 1}}));
        starten();
        levelWaehlen(u"lang.lev"_s);
        const auto* autor = teil<QLabel>(u"Autor"_s);
        QVERIFY(autor->sizeHint().width() <= autor->width());
        QVERIFY(autor->text().startsWith(u"Maximilian"_s));
        QCOMPARE(autor->toolTip(), name);
    }

    void okWithNothingSelectedKeepsThePanelOpen() {
        starten();
        teil<QPushButton>(u"Command2"_s)->click();
        QVERIFY(offen());
        QCOMPARE(teil<QLabel>(u"Autor"_s)->text(), QString());
    }

    void levelWaehlenTogglesThePanelAndHandsTheFocusBack() {
        starten();
        levelWaehlen(u"a-eins.lev"_s);
        auto* command1 = teil<QPushButton>(u"Command1"_s);
        command1->click();
        QVERIFY(offen());
        QVERIFY(!teil<QWidget>(u"Label8"_s)->isHidden());
        QCOMPARE(gewaehlt(), u"a-eins.lev"_s);
        command1->click();
        QVERIFY(!offen());
        QVERIFY(timer(u"Timer2"_s)->isActive());
        QVERIFY(teil<QWidget>(u"Picture2"_s)->hasFocus());
        command1->click();
        teil<QPushButton>(u"Command3"_s)->click();
        QVERIFY(!offen());
        QVERIFY(teil<QWidget>(u"Picture2"_s)->hasFocus());
        QCOMPARE(schritte(), 0);
    }

    void openingThePanelListsNewLevelFiles() {
        Form1& f = starten();
        levelWaehlen(u"a-eins.lev"_s);
        ordner->anlegen(u"0-neu.lev"_s, einZug);
        f.Command1_Click();
        QCOMPARE(liste()->item(0)->text(), u"0-neu.lev"_s);
        QCOMPARE(gewaehlt(), u"a-eins.lev"_s);
    }

    // Whichever widget holds the focus, one press is one step; in the open list the
    // arrow keys choose a level and never move the figure.
    void everyCursorKeyReachesTheGameOnce_data() {
        QTest::addColumn<QString>("fokus");
        QTest::addColumn<int>("schritte");
        QTest::newRow("Brett") << "Picture2" << 1;
        QTest::newRow("Knopf") << "Command4" << 1;
        QTest::newRow("Hauptfenster") << "" << 1;
        QTest::newRow("offene Liste") << "File2" << 0;
    }
    void everyCursorKeyReachesTheGameOnce() {
        QFETCH(QString, fokus);
        QFETCH(int, schritte);
        Form1& f = starten();
        levelWaehlen(u"b-sprengen.lev"_s);
        if (fokus == "File2"_L1)
            f.Command1_Click();
        QWidget* ziel = fokus.isEmpty() ? static_cast<QWidget*>(&f) : teil<QWidget>(fokus);
        ziel->setFocus();
        QTest::keyClick(ziel, Qt::Key_Down);
        QCOMPARE(this->schritte(), schritte);
        QVERIFY(ziel->hasFocus());
        if (fokus == "File2"_L1) {
            QCOMPARE(gewaehlt(), u"c-eins.lev"_s);
            return;
        }
        QTest::keyClick(ziel, Qt::Key_A);
        QCOMPARE(this->schritte(), schritte);
        QCOMPARE(zelle(1, 2), kachel(blatt(), "smile"));
        QCOMPARE(zelle(1, 1), kachel(blatt(), "blank"));
    }

    // Not even the default-button rule of the open panel may take it over.
    void enterPressesTheFocusedButton() {
        Form1& f = starten();
        levelWaehlen(u"b-sprengen.lev"_s);
        f.Picture2_KeyDown(40, 0);
        QCOMPARE(schritte(), 1);
        f.Command1_Click();
        auto* neustart = teil<QPushButton>(u"Command4"_s);
        neustart->setFocus();
        QTest::keyClick(neustart, Qt::Key_Return);
        QCOMPARE(schritte(), 0);
        QVERIFY(!offen());
        QTRY_COMPARE(zelle(1, 1), kachel(blatt(), "smile"));
    }

    void pushingDrawsTheCellsFromTheSheet() {
        Form1& f = starten();
        levelWaehlen(u"a-eins.lev"_s);
        QCOMPARE(zelle(1, 1), kachel(blatt(), "smile"));
        QCOMPARE(zelle(2, 1), kachel(blatt(), "box"));
        QCOMPARE(zelle(3, 1), kachel(blatt(), "stell"));
        f.Picture2_KeyDown(39, 0);
        QCOMPARE(zelle(1, 1), kachel(blatt(), "blank"));
        QCOMPARE(zelle(2, 1), kachel(blatt(), "smile"));
        QCOMPARE(zelle(3, 1), kachel(blatt(), "box2"));
    }

    void anExposedWindowRedrawsTheBoardOnce() {
        Form1& f = starten();
        levelWaehlen(u"b-sprengen.lev"_s);
        const QImage vorher = brett();
        teil<Brettbild>(u"Picture2"_s)->leeren();
        f.repaint();
        QTRY_COMPARE(brett(), vorher);
        // Moves and the counters changing do not make the window redraw itself over and
        // over: during three polls of the counters at most one redraw.
        QSignalSpy neuGezeichnet(timer(u"Timer2"_s), &QTimer::timeout);
        f.Picture2_KeyDown(40, 0);
        QTest::qWait(350);
        QVERIFY(neuGezeichnet.count() <= 1);
    }

    void countersFollowTheGameWithin100ms() {
        Form1& f = starten();
        levelWaehlen(u"b-sprengen.lev"_s);
        QTRY_COMPARE_WITH_TIMEOUT(teil<QLabel>(u"Label3"_s)->text(), u"1"_s, 150);
        f.Picture2_KeyDown(40, 0);
        f.Picture2_KeyDown(40, 0);
        QTRY_COMPARE_WITH_TIMEOUT(teil<QLabel>(u"Label6"_s)->text(), u"2"_s, 120);
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
        ordner->anlegen(u"lagerix.cfg"_s, "animation_aus\r\n");
        Form1& f = starten();
        QStringList ankuendigungen;
        meldung::Ersatz waehrendDerMeldung(
            [&](QWidget*, QMessageBox::Icon, const QString& titel, const QString& text,
                QMessageBox::StandardButtons) -> QMessageBox::StandardButton {
                ankuendigungen << titel + u'|' + text;
                f.Timer3_Timer(); // a tick while the box is open
                return QMessageBox::Ok;
            },
            [](QWidget*, const QString&, const QString&) { return std::optional<QString>(); });
        levelWaehlen(level);
        f.Picture2_KeyDown(39, 0);
        f.Timer3_Timer();
        f.Timer3_Timer();
        QCOMPARE(ankuendigungen, QStringList{u"Lagerix 2000|Sie haben das Level geschafft !"_s});
        QVERIFY(offen());
        QCOMPARE(gewaehlt(), danach);
        // The solved board is locked and stays black, also when the window is exposed.
        f.Picture2_KeyDown(37, 0);
        QCOMPARE(teil<QLabel>(u"Label6"_s)->text(), u"1"_s);
        f.repaint();
        QTRY_VERIFY(!timer(u"Timer2"_s)->isActive());
        QCOMPARE(brett(), schwarzesBrett());
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
        levelWaehlen(u"a-eins.lev"_s);
        f.Picture2_KeyDown(39, 0);
        f.Timer3_Timer();
        QVERIFY(zeuge->meldungen.empty());
        QCOMPARE(gewaehlt(), u"b-sprengen.lev"_s);
    }

    void theExplosionShowsItsFramesInOrderWithOneSound() {
        Form1& f = starten();
        levelWaehlen(u"b-sprengen.lev"_s);
        auto* timer4 = timer(u"Timer4"_s);
        auto* bild = teil<Explosionsbild>(u"Image1"_s);
        timer4->stop();
        f.Picture2_KeyDown(39, 0);
        QVERIFY(timer4->isActive());
        QCOMPARE(bild->pos(), QPoint(72, 24));
        for (int tick = 0; tick < 10; ++tick) {
            if (tick == 3) {
                // A second blast moves the picture; the count and the sound go on.
                f.Picture2_KeyDown(37, 0);
                f.Picture2_KeyDown(40, 0);
                f.Picture2_KeyDown(40, 0);
                f.Picture2_KeyDown(39, 0);
                QCOMPARE(bild->pos(), QPoint(72, 72));
            }
            bild->tick();
            const QImage gezeigt = bild->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
            if (tick >= 1 && tick <= 8) {
                const Kachelursprung u = explosionsBildUrsprung(tick);
                QCOMPARE(gezeigt.copy(0, 0, 24, 24), blatt().copy(u.x, u.y, 24, 24));
            }
        }
        QCOMPARE(aufnahme.klaenge, QStringList{ordner->pfad() + u"explsion.wav"_s});
        QVERIFY(!timer4->isActive());
        QCOMPARE(bild->x(), 2000);
        QCOMPARE(zelle(3, 3), kachel(blatt(), "blank"));
        QCOMPARE(zelle(2, 3), kachel(blatt(), "smile"));
    }

    void aConfigurationCanSwitchAnimationAndSoundOff() {
        ordner->anlegen(u"lagerix.cfg"_s, "animation_aus\r\nsound_aus\r\n");
        Form1& f = starten();
        QVERIFY(!f.einstellungen().animationAn);
        QVERIFY(!f.einstellungen().soundAn);
        levelWaehlen(u"b-sprengen.lev"_s);
        timer(u"Timer4"_s)->stop();
        f.Picture2_KeyDown(39, 0);
        for (int tick = 0; tick < 10; ++tick)
            teil<Explosionsbild>(u"Image1"_s)->tick();
        QVERIFY(aufnahme.klaenge.isEmpty());
    }

    // Start-up draws with the set of the configuration; one that cannot be used falls back.
    void theGraphicsSetOfTheConfigurationIsUsedOrFallsBack_data() {
        QTest::addColumn<QByteArray>("zeile");
        QTest::addColumn<bool>("standardDa");
        QTest::addColumn<QString>("stattdessen");
        QTest::newRow("eigenes Set") << QByteArray("rot.gif") << true << "rot.gif";
        QTest::newRow("auf das Standard-Grafikset")
            << QByteArray("fehlt.gif") << true << "standardset.gif";
        QTest::newRow("auf das eingebaute")
            << QByteArray("fehlt.gif") << false << ":/bilder/eingebaut.png";
    }
    void theGraphicsSetOfTheConfigurationIsUsedOrFallsBack() {
        QFETCH(QByteArray, zeile);
        QFETCH(bool, standardDa);
        QFETCH(QString, stattdessen);
        QImage rot(96, 120, QImage::Format_RGB32);
        rot.fill(Qt::red);
        QVERIFY(rot.save(ordner->pfad() + u"rot.gif"_s, "PNG"));
        ordner->anlegen(u"lagerix.cfg"_s, zeile + "\r\n");
        if (!standardDa)
            QFile::remove(ordner->pfad() + u"standardset.gif"_s);
        Form1& f = starten();
        QCOMPARE(zeuge->meldungen.size(), zeile == "rot.gif" ? 0u : 1u);
        const QString quelle =
            stattdessen.startsWith(u':') ? stattdessen : ordner->pfad() + stattdessen;
        const QImage erwartet = QImage(quelle).convertToFormat(QImage::Format_RGB32);
        levelWaehlen(u"a-eins.lev"_s);
        QCOMPARE(zelle(2, 1), kachel(erwartet, "box"));
        Q_UNUSED(f);
    }

    // What the options window asks for: the new sheet is drawn from the next redraw on;
    // one that cannot be loaded is reported and the old one stays.
    void loadingAGraphicsSetInstallsTheNewSheet() {
        QImage gruen(96, 120, QImage::Format_RGB32);
        gruen.fill(Qt::green);
        QVERIFY(gruen.save(ordner->pfad() + u"gruen.gif"_s, "PNG"));
        QVERIFY(gruen.copy(0, 0, 95, 120).save(ordner->pfad() + u"schmal.gif"_s, "PNG"));
        Form1& f = starten();
        levelWaehlen(u"a-eins.lev"_s);
        QVERIFY(!f.grafiksetLaden(u"schmal.gif"_s));
        QCOMPARE(meldungen().size(), 1);
        QVERIFY(meldungen().first().contains(u"„schmal.gif“"_s));
        QVERIFY(f.grafiksetLaden(u"gruen.gif"_s));
        f.neuZeichnen();
        QTRY_COMPARE(zelle(2, 1), kachel(gruen, "box"));
    }

    void aDamagedLevelIsReportedAndThePanelStaysOpen() {
        ordner->anlegen(u"kaputt.lev"_s, "fX\r\n25\r\n");
        Form1& f = starten();
        levelWaehlen(u"kaputt.lev"_s);
        QCOMPARE(meldungen().size(), 1);
        QVERIFY(meldungen().first().contains(u"kaputt.lev"_s));
        QVERIFY(offen());
        f.Picture2_KeyDown(39, 0);
        QCOMPARE(schritte(), 0);
    }

    void aRecalledBookmarkRestoresTheBoardButNotTheSteps() {
        Form1& f = starten();
        levelWaehlen(u"b-sprengen.lev"_s);
        f.Picture2_KeyDown(40, 0);
        aktion(u"lesezeichen2setzen"_s);
        QVERIFY(QFile::exists(ordner->pfad() + u"l2.bok"_s));
        QTRY_VERIFY(!timer(u"Timer2"_s)->isActive());
        const QImage gemerkt = brett();
        f.Picture2_KeyDown(38, 0);
        f.Picture2_KeyDown(39, 0); // blasts the first wall
        QCOMPARE(zelle(3, 1), kachel(blatt(), "blank"));
        f.Command1_Click();
        aktion(u"lesezeichen2abrufen"_s);
        QCOMPARE(schritte(), 3);
        QVERIFY(!offen());
        QVERIFY(teil<QWidget>(u"Picture2"_s)->hasFocus());
        QTRY_COMPARE(brett(), gemerkt);
    }

    // The menu is a pop-up of its own: its keys choose an entry there and never reach
    // the game or the panel's "Ok" behind it.
    void theBookmarkMenuIsUsedFromTheKeyboard() {
        Form1& f = starten();
        levelWaehlen(u"b-sprengen.lev"_s);
        f.Picture2_KeyDown(40, 0);
        f.Command1_Click();
        f.Command9_Click();
        auto* menue = teil<QMenu>(u"mnu_lesezeichen"_s);
        QTRY_VERIFY(menue->isVisible());
        QTest::keyClick(menue, Qt::Key_Down); // "Abbrechen"
        QTest::keyClick(menue, Qt::Key_Down); // "Lesezeichen 1 setzen"
        QCOMPARE(menue->activeAction(), teil<QAction>(u"lesezeichen1setzen"_s));
        QTest::keyClick(menue, Qt::Key_Return);
        QTRY_VERIFY(QFile::exists(ordner->pfad() + u"l1.bok"_s));
        QVERIFY(!menue->isVisible());
        QCOMPARE(schritte(), 1);
        QVERIFY(offen());
    }

    // Records are the fewest steps from the level's start: after a recall the step
    // counter no longer tells them.
    void aPlayThatRecalledABookmarkOffersNoRecord() {
        ordner->anlegen(u"lagerix.cfg"_s, "animation_aus\r\n");
        Form1& f = starten();
        Dialogzeuge name(QMessageBox::Ok, u"Jörg"_s);
        levelWaehlen(u"a-eins.lev"_s);
        aktion(u"lesezeichen1setzen"_s);
        aktion(u"lesezeichen1abrufen"_s);
        f.Picture2_KeyDown(39, 0);
        f.Timer3_Timer();
        QVERIFY(name.fragen.empty());
        QCOMPARE(name.meldungen.size(), 2u);
        QVERIFY(name.meldungen.back().text.contains(u"Lesezeichen"_s));
        QVERIFY(!QFile::exists(ordner->pfad() + u"a-eins.sco"_s));

        // A new start of the level counts again.
        levelWaehlen(u"a-eins.lev"_s);
        f.Picture2_KeyDown(39, 0);
        f.Timer3_Timer();
        QCOMPARE(name.fragen.size(), 1u);
        QCOMPARE(ordner->inhalt(u"a-eins.sco"_s), QByteArray("1\r\nJ\xf6rg\r\n"));
    }

    void aBookmarkThatCannotBeWrittenIsReportedAndTheOldOneStays() {
        Form1& f = starten();
        levelWaehlen(u"a-eins.lev"_s);
        QVERIFY(QDir(ordner->pfad()).mkdir(u"l3.bok"_s));
        f.lesezeichenSetzen(3);
        QCOMPARE(meldungen().size(), 1);
        QVERIFY(meldungen().first().contains(u"l3.bok"_s));
        QVERIFY(QFileInfo(ordner->pfad() + u"l3.bok"_s).isDir());
        QCOMPARE(ordner->dateien(u"l3.bok*"_s).size(), 0);
    }

    // Folders where files belong are reported by name; an unfinished write of an
    // earlier run is gone after the start.
    void aFolderForTheSettingsOrABookmarkIsReportedAndLeftoversAreRemoved() {
        QVERIFY(QDir(ordner->pfad()).mkdir(u"lagerix.cfg"_s));
        QVERIFY(QDir(ordner->pfad()).mkdir(u"l1.bok"_s));
        ordner->anlegen(u".lagerix-abc123"_s, "halb");
        QFile rest(ordner->pfad() + u".lagerix-abc123"_s);
        QVERIFY(rest.open(QIODevice::ReadWrite));
        QVERIFY(rest.setFileTime(QDateTime::currentDateTime().addDays(-1),
                                 QFileDevice::FileModificationTime));
        rest.close();
        starten();
        QCOMPARE(meldungen().size(), 1);
        QVERIFY(meldungen().first().contains(u"„lagerix.cfg“"_s));
        QVERIFY(!QFile::exists(ordner->pfad() + u".lagerix-abc123"_s));
        levelWaehlen(u"a-eins.lev"_s);
        fenster->lesezeichenAbrufen(1);
        QCOMPARE(meldungen().size(), 2);
        QVERIFY(meldungen().last().contains(u"„l1.bok“"_s));
        QVERIFY(!offen());
    }

    void theLevelEditorStartsOnlyWhenItIsInstalled() {
        Form1& f = starten();
        f.Command6_Click();
        QCOMPARE(meldungen(), QStringList{u"Der Level Editor ist nicht installiert."_s});
        QVERIFY(aufnahme.programme.isEmpty());
        ordner->anlegen(u"lagerix-editor"_s, "#!/bin/sh\n");
        f.Command6_Click();
        QCOMPARE(aufnahme.programme, QStringList{ordner->pfad() + u"lagerix-editor"_s});
        QCOMPARE(meldungen().size(), 1);
    }

    // Every window: the design's size, fixed; on the screen's middle (the main window at
    // the top edge); every control inside and every text shown whole.
    void everyWindowHasItsDesignSizeItsPlaceAndWholeTexts_data() {
        QTest::addColumn<QString>("knopf");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QSize>("groesse");
        QTest::newRow("Hauptfenster") << ""
                                      << "Lagerix 2000" << QSize(566, 493);
        QTest::newRow("Rekorde") << "Command5"
                                 << "Lagerix 2000 - Rekorde" << QSize(322, 206);
        QTest::newRow("Optionen") << "Command7"
                                  << "Lagerix 2000 - Optionen" << QSize(287, 233);
        QTest::newRow("Info") << "Command8"
                              << "Über Lagerix 2000" << QSize(338, 393);
        QTest::newRow("Hilfe") << "F1"
                               << "Hilfe zu Lagerix 2000" << QSize(372, 253);
    }
    void everyWindowHasItsDesignSizeItsPlaceAndWholeTexts() {
        QFETCH(QString, knopf);
        QFETCH(QString, titel);
        QFETCH(QSize, groesse);
        Form1& f = starten();
        if (knopf == "F1"_L1)
            QTest::keyClick(&f, Qt::Key_F1);
        else if (!knopf.isEmpty())
            teil<QPushButton>(knopf)->click();
        QWidget* w = &f;
        for (auto* kind : f.findChildren<QWidget*>())
            if (kind->isWindow() && kind->windowTitle() == titel)
                w = kind;
        QCOMPARE(w->windowTitle(), titel);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QCOMPARE(w->minimumSize(), groesse);
        QCOMPARE(w->maximumSize(), groesse);
        const QRect bildschirm = w->screen()->geometry();
        // Placed by the client size; the frame, unknown before showing, may shift it.
        QVERIFY(qAbs(w->frameGeometry().center().x() - bildschirm.center().x()) <= 8);
        if (w != &f)
            QVERIFY(qAbs(w->frameGeometry().center().y() - bildschirm.center().y()) <= 8);
        for (const QWidget* kind : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!kind->isWindow())
                QVERIFY2(w->rect().contains(kind->geometry()), qPrintable(kind->objectName()));
        for (const QLabel* label : w->findChildren<QLabel*>()) {
            if (label->text().isEmpty() || !label->isVisibleTo(w) || label->wordWrap())
                continue;
            const QSize noetig = label->sizeHint();
            QVERIFY2(noetig.width() <= label->width() && noetig.height() <= label->height(),
                     qPrintable(label->objectName()));
        }
        // A row must hold a capital umlaut's dots and a descender, with a pixel to spare.
        for (const QListWidget* liste : w->findChildren<QListWidget*>()) {
            const int noetig = liste->fontMetrics().boundingRect(u"Üg"_s).height() + 2;
            for (int i = 0; i < liste->count(); ++i)
                QVERIFY2(liste->visualItemRect(liste->item(i)).height() >= noetig,
                         qPrintable(liste->item(i)->text()));
        }
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
        levelWaehlen(u"b-sprengen.lev"_s);
        const auto fenster = [&] {
            QList<QWidget*> gefunden;
            for (auto* w : f.findChildren<QWidget*>())
                if (w->isWindow() && w->windowTitle() == titel && w->isVisible())
                    gefunden << w;
            return gefunden;
        };
        for (int mal = 0; mal < 2; ++mal) {
            if (knopf.isEmpty())
                QTest::keyClick(teil<QWidget>(u"Picture2"_s), Qt::Key_F1);
            else
                teil<QPushButton>(knopf)->click();
        }
        QCOMPARE(fenster().size(), 1);
        QCOMPARE(schritte(), 0);
        fenster().constFirst()->close();
        QTRY_VERIFY(fenster().isEmpty());
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
            ordner->anlegen(datei, "<html></html>");
        Form1& f = starten();
        if (seite.isEmpty())
            f.Image3_Click();
        else
            f.seiteOeffnen(seite);
        for (QString& name : geoeffnet)
            name = ordner->pfad() + name;
        QCOMPARE(aufnahme.seiten, geoeffnet);
        QCOMPARE(this->meldungen().size(), meldungen);
    }

    // The record file itself, and when a count beats another, is the records window's.
    void aSolvedLevelAsksForTheRecordHolder() {
        ordner->anlegen(u"lagerix.cfg"_s, "animation_aus\r\n");
        Form1& f = starten();
        Dialogzeuge name(QMessageBox::Ok, u"Jörg"_s);
        levelWaehlen(u"a-eins.lev"_s);
        f.Picture2_KeyDown(39, 0);
        f.Timer3_Timer();
        QCOMPARE(name.fragen.size(), 1u);
        QCOMPARE(name.fragen.front().titel, u"Neuer Rekord!"_s);
        QCOMPARE(ordner->inhalt(u"a-eins.sco"_s), QByteArray("1\r\nJ\xf6rg\r\n"));
    }

    // Steps back and again: the keys reach them from the board, the counters and the
    // picture follow, and the picture shows the board as it was.
    void undoAndRedoKeysTakeStepsBackAndAgain() {
        starten();
        levelWaehlen(u"b-sprengen.lev"_s);
        auto* bild = teil<QWidget>(u"Picture2"_s);
        const QImage amStart = brett();
        QTest::keyClick(bild, Qt::Key_Down);
        QTest::keyClick(bild, Qt::Key_Down);
        QTest::keyClick(bild, Qt::Key_Backspace);
        QCOMPARE(schritte(), 1);
        QTest::keyClick(bild, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(schritte(), 0);
        QCOMPARE(brett(), amStart);
        QTest::keyClick(bild, Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(bild, Qt::Key_Backspace, Qt::ShiftModifier);
        QCOMPARE(schritte(), 2);
        QCOMPARE(zelle(1, 3), kachel(blatt(), "smile"));
        QCOMPARE(zelle(1, 1), kachel(blatt(), "blank"));
    }

    void aStepBackWaitsForTheExplosionAndBringsWallAndTntBack() {
        starten();
        levelWaehlen(u"b-sprengen.lev"_s);
        auto* bild = teil<QWidget>(u"Picture2"_s);
        QTest::keyClick(bild, Qt::Key_Right);
        QVERIFY(timer(u"Timer4"_s)->isActive());
        QTest::keyClick(bild, Qt::Key_Backspace);
        QCOMPARE(schritte(), 1);
        QTRY_VERIFY(!timer(u"Timer4"_s)->isActive());
        QCOMPARE(schritte(), 0);
        QCOMPARE(zelle(3, 1), kachel(blatt(), "mauer"));
        QCOMPARE(zelle(2, 1), kachel(blatt(), "tnt"));
        QCOMPARE(zelle(1, 1), kachel(blatt(), "smile"));
    }

    void aRestartOrARecallBeginsANewHistory_data() {
        QTest::addColumn<QString>("wie");
        QTest::newRow("Neustart") << "neustart";
        QTest::newRow("Lesezeichen") << "lesezeichen";
        QTest::newRow("neues Level") << "level";
    }
    void aRestartOrARecallBeginsANewHistory() {
        QFETCH(QString, wie);
        Form1& f = starten();
        levelWaehlen(u"b-sprengen.lev"_s);
        aktion(u"lesezeichen1setzen"_s);
        auto* bild = teil<QWidget>(u"Picture2"_s);
        QTest::keyClick(bild, Qt::Key_Down);
        QTest::keyClick(bild, Qt::Key_Down);
        QTest::keyClick(bild, Qt::Key_Backspace);
        if (wie == "neustart"_L1)
            f.Command4_Click();
        else if (wie == "lesezeichen"_L1)
            aktion(u"lesezeichen1abrufen"_s); // keeps the step count
        else
            levelWaehlen(u"b-sprengen.lev"_s);
        const int danach = schritte();
        const QImage bildDanach = brett();
        for (const auto umschalter : {Qt::ShiftModifier, Qt::NoModifier}) {
            QTest::keyClick(bild, Qt::Key_Backspace, umschalter);
            QCOMPARE(schritte(), danach);
            QCOMPARE(brett(), bildDanach);
        }
    }

    // The step count of a record is the one on the board when it was solved.
    void stepsTakenBackDoNotCountForTheRecord() {
        ordner->anlegen(u"lagerix.cfg"_s, "animation_aus\r\n");
        Form1& f = starten();
        Dialogzeuge name(QMessageBox::Ok, u"Jörg"_s);
        levelWaehlen(u"a-eins.lev"_s);
        auto* bild = teil<QWidget>(u"Picture2"_s);
        for (auto taste :
             {Qt::Key_Down, Qt::Key_Up, Qt::Key_Backspace, Qt::Key_Backspace, Qt::Key_Right})
            QTest::keyClick(bild, taste);
        f.Timer3_Timer();
        QCOMPARE(ordner->inhalt(u"a-eins.sco"_s), QByteArray("1\r\nJ\xf6rg\r\n"));
    }

    void theMouseWalksPushesAndDragsBoxes() {
        starten();
        levelWaehlen(u"b-sprengen.lev"_s);
        auto* bild = teil<QWidget>(u"Picture2"_s);
        const auto mitte = [](int spalte, int zeile) {
            return QPoint(24 * spalte + 12, 24 * zeile + 12);
        };
        // A click next to the figure on the TNT box pushes it against the wall.
        QTest::mouseClick(bild, Qt::LeftButton, {}, mitte(2, 1));
        QVERIFY(timer(u"Timer4"_s)->isActive());
        QCOMPARE(schritte(), 1);
        // A walk of four steps over the blasted wall's cell, drawn like arrow-key steps.
        QTest::mouseClick(bild, Qt::LeftButton, {}, mitte(6, 1));
        QTRY_COMPARE(zelle(6, 1), kachel(blatt(), "smile"));
        QCOMPARE(schritte(), 5);
        QCOMPARE(zelle(3, 1), kachel(blatt(), "blank"));
        // The box at (8, 8) dragged onto a wall: "Kein Weg"; onto the storage place
        // at (9, 9) it goes, one push right and one down.
        auto* status = teil<QLabel>(u"Status"_s);
        QTest::mousePress(bild, Qt::LeftButton, {}, mitte(8, 8));
        QTest::mouseRelease(bild, Qt::LeftButton, {}, mitte(3, 3));
        QVERIFY(status->isVisible());
        QCOMPARE(status->text(), u"Kein Weg"_s);
        QCOMPARE(schritte(), 5);
        QTest::mousePress(bild, Qt::LeftButton, {}, mitte(8, 8));
        QTest::mouseRelease(bild, Qt::LeftButton, {}, mitte(9, 9));
        QTRY_COMPARE(zelle(9, 9), kachel(blatt(), "box2"));
    }

    void aKeyStopsAWalkAndThenDoesItsOwnWork() {
        starten();
        levelWaehlen(u"b-sprengen.lev"_s);
        auto* bild = teil<QWidget>(u"Picture2"_s);
        QTest::mouseClick(bild, Qt::LeftButton, {}, QPoint(24 + 12, 24 * 15 + 12));
        QTRY_VERIFY(schritte() >= 2);
        QTest::keyClick(bild, Qt::Key_Right);
        const int danach = schritte();
        QTest::qWait(150);
        QCOMPARE(schritte(), danach);
        QCOMPARE(zelle(2, danach), kachel(blatt(), "smile"));
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
