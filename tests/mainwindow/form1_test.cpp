// The main window driven like a player drives it, on the offscreen platform. The rules it
// wires together are tested where they live: the core, the game control, the kit.
#include "kit/brettbild.h"
#include "kit/explosionsbild.h"
#include "kit/maus.h"
#include "mainwindow/form1.h"
#include "mainwindow/gewinnanimation.h"
#include "tests/hauptfensterattrappe.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QtTest>

#include <chrono>
#include <filesystem>

using namespace Qt::StringLiterals;

namespace {

// One push to the right solves it. The author's name is longer than its label.
const QString langerName = u"Maximilian von Mustermann-Lüdenscheid und Söhne"_s;
const QByteArray einZug = levelDatei({"", " @$."}, "f" + langerName.toLatin1().toStdString());
// Two TNT boxes in front of two walls, on rows 1 and 3, and a box that keeps it unsolved.
const QByteArray sprengen =
    levelDatei({"", " @T#", "", "  T#", "", "", "", "", "        $", "         ."}, "fBernd");

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
    QStringList klaenge, seiten, programme;

    Form1& starten() {
        const auto aufnehmen = [](QStringList& liste) {
            return [&liste](const QString& pfad) {
                liste << pfad;
                return true;
            };
        };
        fenster = std::make_unique<Form1>(
            ordner->pfad(), Aussenwelt{aufnehmen(klaenge), aufnehmen(seiten), aufnehmen(programme),
                                       ordner->pfad() + u"programme/"_s});
        fenster->show();
        if (!QTest::qWaitForWindowExposed(fenster.get()))
            qWarning("Hauptfenster nicht sichtbar");
        return *fenster;
    }

    template <typename T> T* teil(const QString& name) const {
        return steuerelement<T>(fenster.get(), name);
    }
    QListWidget* liste() const { return teil<QListWidget>(u"File2"_s); }
    QWidget* bild() const { return teil<QWidget>(u"Picture2"_s); }
    const QImage& brett() const { return teil<Brettbild>(u"Picture2"_s)->bild(); }
    QImage zelle(int spalte, int zeile) const { return ::zelle(brett(), spalte, zeile); }
    // The step counter as the player sees it after the next poll.
    int schritte() const {
        fenster->Timer3_Timer();
        return teil<QLabel>(u"Label6"_s)->text().toInt();
    }
    QString gewaehlt() const {
        const auto* zeile = liste()->selectedItems().value(0);
        return zeile ? zeile->text() : QString();
    }
    bool offen() const { return !liste()->isHidden(); }

    void levelWaehlen(const QString& name) {
        waehlen(liste(), name);
        fenster->Command2_Click();
        QTRY_VERIFY(!teil<QTimer>(u"Timer2"_s)->isActive());
    }
    Form1& spielen(const QString& name) {
        Form1& f = starten();
        levelWaehlen(name);
        return f;
    }
    void aktion(const QString& name) const { teil<QAction>(name)->trigger(); }
    void taste(Qt::Key k, Qt::KeyboardModifiers umschalter = Qt::NoModifier) const {
        QTest::keyClick(bild(), k, umschalter);
    }
    void animationAus() const { ordner->anlegen(u"lagerix.cfg"_s, "animation_aus\r\n"); }

  private Q_SLOTS:
    void init() {
        klaenge.clear();
        seiten.clear();
        programme.clear();
        ordner = std::make_unique<Programmordner>();
        ordner->anlegen(u"a-eins.lev"_s, einZug);
        ordner->anlegen(u"b-sprengen.lev"_s, sprengen);
        ordner->anlegen(u"c-eins.lev"_s, einZug);
        QFile::copy(QStringLiteral(LAGERIX_ASSETS "/standardset.gif"),
                    ordner->pfad() + u"standardset.gif"_s);
        zeuge = std::make_unique<Dialogzeuge>(QMessageBox::Ok, u"Jörg"_s);
    }
    void cleanup() {
        fenster.reset();
        zeuge.reset();
        ordner.reset();
    }

    // The focus starts in the list, so the first arrow key takes the first level instead
    // of skipping it; ENTER there, "Ok" or a double click start it. Before, nothing is drawn.
    // A long author name is cut at its label and shown whole in the tooltip.
    void startUpOpensThePanelAndALevelIsChosenByEnterOkOrDoubleClick() {
        for (const int weg : {0, 1, 2}) {
            Form1& f = starten();
            for (const auto& name : {u"Command2"_s, u"Command3"_s, u"Shape1"_s, u"Label7"_s})
                QVERIFY2(teil<QWidget>(name)->isVisible(), qPrintable(name));
            QCOMPARE(f.focusWidget(), liste());
            QCOMPARE(brett(), schwarzesBrett());
            teil<QPushButton>(u"Command2"_s)->click(); // "Ok" with nothing chosen
            QVERIFY(offen());

            QTest::keyClick(liste(), Qt::Key_Down);
            QCOMPARE(gewaehlt(), u"a-eins.lev"_s);
            const QPoint zeile = liste()->visualItemRect(liste()->item(0)).center();
            if (weg == 0)
                QTest::keyClick(liste(), Qt::Key_Return);
            else if (weg == 1)
                teil<QPushButton>(u"Command2"_s)->click();
            else {
                QTest::mouseClick(liste()->viewport(), Qt::LeftButton, {}, zeile);
                QTest::mouseDClick(liste()->viewport(), Qt::LeftButton, {}, zeile);
            }
            const auto* autor = teil<QLabel>(u"Autor"_s);
            QVERIFY(autor->sizeHint().width() <= autor->width());
            QVERIFY(autor->text().startsWith(u"Maximilian"_s));
            QCOMPARE(autor->toolTip(), langerName);
            QVERIFY(!offen());
            QVERIFY(teil<QWidget>(u"Shape1"_s)->isHidden());
            QVERIFY(bild()->hasFocus());
            QTRY_COMPARE(zelle(2, 1), kachel("box"));
            QVERIFY(zeuge->meldungen.empty());
        }
    }

    // "Level wählen" opens the panel with the folder read again and the played level
    // still chosen; closing it by the button or "Abbrechen" hands the keys to the board.
    void levelWaehlenTogglesThePanelWithTheFolderReadAgain() {
        spielen(u"a-eins.lev"_s);
        ordner->anlegen(u"0-neu.lev"_s, einZug);
        auto* command1 = teil<QPushButton>(u"Command1"_s);
        command1->click();
        QVERIFY(offen());
        QVERIFY(!teil<QWidget>(u"Label8"_s)->isHidden());
        QCOMPARE(eintraege(liste()).value(0), u"0-neu.lev"_s);
        QCOMPARE(gewaehlt(), u"a-eins.lev"_s);
        liste()->setFocus();
        command1->click();
        QVERIFY(!offen());
        QVERIFY(teil<QTimer>(u"Timer2"_s)->isActive());
        QVERIFY(bild()->hasFocus());
        command1->click();
        liste()->setFocus();
        teil<QPushButton>(u"Command3"_s)->click();
        QVERIFY(!offen());
        QVERIFY(bild()->hasFocus());
    }

    // Whichever widget holds the focus, one press is one step; in the open list the
    // arrow keys choose a level and never move the figure.
    void everyCursorKeyReachesTheGameOnce() {
        for (const QString& fokus : {u"Command4"_s, QString(), u"File2"_s}) {
            const auto z = zeile(fokus);
            Form1& f = spielen(u"b-sprengen.lev"_s);
            const bool inDerListe = fokus == "File2"_L1;
            if (inDerListe)
                f.Command1_Click();
            QWidget* ziel = fokus.isEmpty() ? static_cast<QWidget*>(&f) : teil<QWidget>(fokus);
            ziel->setFocus();
            QTest::keyClick(ziel, Qt::Key_Down);
            QCOMPARE(schritte(), inDerListe ? 0 : 1);
            QVERIFY(ziel->hasFocus());
            if (inDerListe) {
                QCOMPARE(gewaehlt(), u"c-eins.lev"_s);
                continue;
            }
            QCOMPARE(zelle(1, 2), kachel("smile"));
        }
    }

    // An exposed window redraws the board; the counters follow within a poll, and neither
    // they nor the moves make the window redraw itself over and over.
    void anExposedWindowRedrawsTheBoardOnceAndTheCountersFollow() {
        Form1& f = spielen(u"b-sprengen.lev"_s);
        QTRY_COMPARE_WITH_TIMEOUT(teil<QLabel>(u"Label3"_s)->text(), u"1"_s, 150);
        const QImage vorher = brett();
        teil<Brettbild>(u"Picture2"_s)->leeren();
        f.repaint();
        QTRY_COMPARE(brett(), vorher);
        QSignalSpy neuGezeichnet(teil<QTimer>(u"Timer2"_s), &QTimer::timeout);
        taste(Qt::Key_Down);
        taste(Qt::Key_Down);
        QTRY_COMPARE_WITH_TIMEOUT(teil<QLabel>(u"Label6"_s)->text(), u"2"_s, 120);
        QTest::qWait(250);
        QVERIFY(neuGezeichnet.count() <= 1);
    }

    // Announced by a message, or by the animation instead; a record is offered (what
    // beats one is the record writer's); then the next level is chosen.
    void aSolvedLevelIsAnnouncedOnceAndTheNextOneSelected_data() {
        QTest::addColumn<QString>("level");
        QTest::addColumn<bool>("animation");
        QTest::addColumn<QString>("danach");
        QTest::newRow("Mitte der Liste") << "a-eins.lev" << false << "b-sprengen.lev";
        QTest::newRow("letztes Level") << "c-eins.lev" << false << "c-eins.lev";
        QTest::newRow("mit Animation") << "a-eins.lev" << true << "b-sprengen.lev";
    }
    void aSolvedLevelIsAnnouncedOnceAndTheNextOneSelected() {
        QFETCH(QString, level);
        QFETCH(bool, animation);
        QFETCH(QString, danach);
        if (!animation)
            animationAus();
        Form1& f = starten();
        levelWaehlen(level);
        taste(Qt::Key_Right);
        f.Timer3_Timer();
        f.Timer3_Timer();
        QCOMPARE(zeuge->texte(),
                 animation ? QStringList() : QStringList{u"Sie haben das Level geschafft !"_s});
        QVERIFY(offen());
        QCOMPARE(gewaehlt(), danach);
        QCOMPARE(ordner->inhalt(QString(level).replace(u".lev"_s, u".sco"_s)),
                 "1\r\nJ\xf6rg\r\n"_ba);
        // The solved board, locked by the core, stays black, also when the window is exposed.
        f.repaint();
        QTRY_VERIFY(!teil<QTimer>(u"Timer2"_s)->isActive());
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

    // Start-up draws with the set of the configuration or says why not; which set stands in
    // is the sheet's own rule. What the options window asks for: the new sheet is drawn from
    // the next redraw on; one that cannot be loaded is reported. So is a damaged level, and
    // the panel stays open; the board it leaves is the core's.
    void theConfiguredSetIsDrawnAndWhatCannotBeLoadedIsReported() {
        const QImage gruen = ordner->bildAnlegen(u"gruen.gif"_s, Qt::green);
        ordner->anlegen(u"kaputt.lev"_s, "fX\r\n25\r\n");
        ordner->anlegen(u"lagerix.cfg"_s, "fehlt.gif\r\n");
        Form1& f = spielen(u"a-eins.lev"_s);
        QCOMPARE(zeuge->meldungen.size(), 1u);
        QVERIFY(!f.grafiksetLaden(u"auch-fehlt.gif"_s));
        QCOMPARE(zeuge->meldungen.size(), 2u);
        QVERIFY(zeuge->texte().constLast().contains(u"„auch-fehlt.gif“"_s));
        QVERIFY(f.grafiksetLaden(u"gruen.gif"_s));
        f.neuZeichnen();
        QTRY_COMPARE(zelle(2, 1), kachelVon(gruen, "box"));
        levelWaehlen(u"kaputt.lev"_s);
        QCOMPARE(zeuge->meldungen.size(), 3u);
        QVERIFY(zeuge->texte().constLast().contains(u"kaputt.lev"_s));
        QVERIFY(offen());
    }

    // The menu is a pop-up of its own: its keys choose an entry there and never reach
    // the game or the panel's "Ok" behind it.
    void theBookmarkMenuIsUsedFromTheKeyboard() {
        Form1& f = spielen(u"b-sprengen.lev"_s);
        taste(Qt::Key_Down);
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

    // Folders where files belong are reported by name and the game goes on; an
    // unfinished write of an earlier run is gone after the start.
    void aFolderWhereAFileBelongsIsReportedAndLeftoversAreRemoved() {
        QVERIFY(QDir(ordner->pfad()).mkdir(u"lagerix.cfg"_s));
        QVERIFY(QDir(ordner->pfad()).mkdir(u"l1.bok"_s));
        const QString rest = ordner->pfad() + u".lagerix-abc123"_s;
        ordner->anlegen(u".lagerix-abc123"_s, "halb");
        const auto gestern = std::filesystem::file_time_type::clock::now() - std::chrono::hours(24);
        std::filesystem::last_write_time(rest.toStdString(), gestern);
        Form1& f = starten();
        QVERIFY(!QFile::exists(rest));
        levelWaehlen(u"a-eins.lev"_s);
        f.lesezeichenSetzen(1);
        f.lesezeichenAbrufen(1);
        QCOMPARE(zeuge->meldungen.size(), 3u); // the configuration, setting and recalling
        QVERIFY(!offen());
    }

    // Every window: the design's size, fixed; on the screen's middle (the main window at
    // the top edge); every control inside and every text shown whole. A secondary window
    // exists once, however often it is asked for.
    void everyWindowHasItsDesignSizeItsPlaceAndWholeTexts() {
        const struct {
            QString knopf;
            QString titel;
            QSize groesse;
        } faelle[] = {
            {QString(), u"Lagerix 2000"_s, {566, 493}},
            {u"Command5"_s, u"Lagerix 2000 - Rekorde"_s, {322, 206}},
            {u"Command7"_s, u"Lagerix 2000 - Optionen"_s, {287, 233}},
            {u"Command8"_s, u"Über Lagerix 2000"_s, {338, 393}},
            {u"F1"_s, u"Hilfe zu Lagerix 2000"_s, {372, 253}},
        };
        for (const auto& [knopf, titel, groesse] : faelle) {
            const auto z = zeile(titel);
            Form1& f = starten();
            for (int mal = 0; mal < 2; ++mal) {
                if (knopf == "F1"_L1)
                    taste(Qt::Key_F1);
                else if (!knopf.isEmpty())
                    teil<QPushButton>(knopf)->click();
            }
            QWidgetList gefunden;
            for (auto* w : QApplication::topLevelWidgets())
                if (w->isVisible() && w->windowTitle() == titel)
                    gefunden << w;
            QCOMPARE(gefunden.size(), 1);
            QWidget* w = gefunden.constFirst();
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
    }

    // The desktop's viewer is found through the home page: without it no page opens. The
    // editor starts only when it is installed beside the game's program.
    void pagesAndTheEditorOpenOnlyWithTheirFilesPresent() {
        ordner->anlegen(u"hilfe.htm"_s, "<html></html>");
        Form1& f = starten();
        f.seiteOeffnen(u"hilfe.htm"_s);
        f.Command6_Click();
        QCOMPARE(zeuge->texte().value(1), u"Der Level Editor ist nicht installiert."_s);
        ordner->anlegen(u"vestrum.htm"_s, "<html></html>");
        f.seiteOeffnen(u"fehlt.htm"_s);
        QCOMPARE(zeuge->meldungen.size(), 3u);
        f.Image3_Click();
        f.seiteOeffnen(u"hilfe.htm"_s);
        QVERIFY(QDir(ordner->pfad()).mkdir(u"programme"_s));
        ordner->anlegen(u"programme/lagerix-editor"_s, "#!/bin/sh\n");
        f.Command6_Click();
        QCOMPARE(seiten,
                 (QStringList{ordner->pfad() + u"vestrum.htm"_s, ordner->pfad() + u"hilfe.htm"_s}));
        QCOMPARE(programme, QStringList{ordner->pfad() + u"programme/lagerix-editor"_s});
        QCOMPARE(zeuge->meldungen.size(), 3u);
    }

    // A blast shows where the box blew, with the sound of the program folder. The keys
    // reach the steps back and again from the board; a step back waits for the explosion
    // to end. How far back and what comes back is the game control's; the frames, a
    // second blast and the sound switch are the explosion picture's.
    void aBlastShowsAndAStepBackWaitsForItsEnd() {
        spielen(u"b-sprengen.lev"_s);
        const QImage amStart = brett();
        taste(Qt::Key_Right);
        QCOMPARE(teil<Explosionsbild>(u"Image1"_s)->pos(), QPoint(72, 24));
        taste(Qt::Key_Backspace);
        QCOMPARE(schritte(), 1);
        QTRY_VERIFY(!teil<QTimer>(u"Timer4"_s)->isActive());
        QCOMPARE(klaenge, QStringList{ordner->pfad() + u"explsion.wav"_s});
        QCOMPARE(brett(), amStart);
        taste(Qt::Key_Backspace, Qt::ShiftModifier);
        QCOMPARE(zelle(2, 1), kachel("smile"));
    }

    // Both bring back the board of the level's start (here also the bookmark's), close the
    // panel and begin a new history; only the recall keeps the step count. The restart
    // comes by ENTER on its focused button: not even the open panel's "Ok" may take it over.
    // Records are the fewest steps from the level's start: after a recall the step counter
    // no longer tells them, and solving offers none. When a new start counts again is the
    // core's.
    void aRestartOrARecallRestoresTheBoardAndBeginsANewHistory() {
        animationAus();
        for (const bool lesezeichen : {true, false}) {
            Form1& f = spielen(u"a-eins.lev"_s);
            aktion(u"lesezeichen1setzen"_s);
            const QImage amStart = brett();
            for (const auto k : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Backspace})
                taste(k);
            f.Command1_Click();
            if (lesezeichen)
                aktion(u"lesezeichen1abrufen"_s);
            else {
                auto* neustart = teil<QPushButton>(u"Command4"_s);
                neustart->setFocus();
                QTest::keyClick(neustart, Qt::Key_Return);
            }
            QCOMPARE(schritte(), lesezeichen ? 1 : 0);
            QVERIFY(!offen());
            QVERIFY(bild()->hasFocus());
            QTRY_COMPARE(brett(), amStart);
            for (const auto umschalter : {Qt::ShiftModifier, Qt::NoModifier}) {
                taste(Qt::Key_Backspace, umschalter);
                QCOMPARE(schritte(), lesezeichen ? 1 : 0);
                QCOMPARE(brett(), amStart);
            }
            taste(Qt::Key_Right);
            f.Timer3_Timer();
            QCOMPARE(QFile::exists(ordner->pfad() + u"a-eins.sco"_s), !lesezeichen);
            QCOMPARE(zeuge->texte().filter(u"Lesezeichen"_s).size(), 1);
        }
    }

    // The board's presses and releases reach the mouse: a failed drag says "Kein Weg" until
    // the next press, a click walks, and a key stops the walk, then does its own work.
    void theMouseWalksAndAKeyStopsIt() {
        spielen(u"b-sprengen.lev"_s);
        auto* status = teil<QLabel>(u"Status"_s);
        QTest::mousePress(bild(), Qt::LeftButton, {}, mitte(8, 8));
        QTest::mouseRelease(bild(), Qt::LeftButton, {}, mitte(3, 3));
        QVERIFY(status->isVisible());
        QCOMPARE(status->text(), u"Kein Weg"_s);
        QTest::mouseClick(bild(), Qt::LeftButton, {}, mitte(1, 15));
        QVERIFY(status->isHidden());
        QTRY_VERIFY(schritte() >= 2);
        taste(Qt::Key_Right);
        const int danach = schritte();
        QTest::qWait(4 * Maus::taktMs);
        QCOMPARE(schritte(), danach);
        QCOMPARE(zelle(2, danach), kachel("smile"));
    }

    // H takes the figure to the next box and pushes it once, Umschalt+H plays the rest,
    // step by step, each one taken back like any other; the solved play offers no record.
    // Ctrl+H is no hint. What a hint says and when it is dropped is the game control's.
    void theHintKeysPlayTheSolutionAndSuchAPlayOffersNoRecord() {
        animationAus();
        // A box three pushes from its place, and one way to it.
        ordner->anlegen(u"d-gang.lev"_s, levelDatei({"", " @ $  ."}, "fBernd"));
        spielen(u"d-gang.lev"_s);
        taste(Qt::Key_H, Qt::ControlModifier);
        QTest::qWait(200);
        QCOMPARE(schritte(), 0);
        taste(Qt::Key_H);
        QTRY_COMPARE(zelle(4, 1), kachel("box"));
        QTest::qWait(4 * Maus::taktMs);
        QCOMPARE(schritte(), 2);
        taste(Qt::Key_Backspace);
        QCOMPARE(zelle(3, 1), kachel("box"));

        taste(Qt::Key_H, Qt::ShiftModifier);
        QTRY_COMPARE(zeuge->texte(), QStringList{u"Sie haben das Level geschafft !"_s});
        QVERIFY(zeuge->fragen.empty());
        QVERIFY(!QFile::exists(ordner->pfad() + u"d-gang.sco"_s));
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
