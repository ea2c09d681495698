#include "help/form2.h"
#include "help/hilfethemen.h"
#include "tests/hauptfensterattrappe.h"

#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <span>

using namespace Qt::StringLiterals;

namespace {

// Records what the help window asks of the main window.

// The topics as the player must see them, in list order, with the first and the last
// words of each text.
struct Erwartet {
    const char* titel;
    const char* anfang;
    const char* ende;
};

const Erwartet erwarteteThemen[] = {
    {"Das Spiel", "Das Ziel des Spiels ist es, alle Kisten, auf die dafür vorgesehenen",
     "indem Sie eine TNT-Kiste dagegen schieben."},
    {"Info / Hilfe", "Durch diesen Button können Sie ein Fenster mit Informationen zu",
     "durch einen Klick auf 'Hilfe' zu dieser Online-Hilfe."},
    {"Level Editor", "Mit diesem Button starten Sie den mitgelieferten Level Editor",
     "post@vestrum.example"},
    {"Level neu starten", "Mit diesem Button können Sie das Level, das Sie zuletzt gespielt",
     "oder gerade spielen, von vorne beginnen."},
    {"Level wählen", "Mit einem Klick auf diesen Button wird die Levelauswahlliste angezeigt. ",
     "oder durch erneuten Klick auf 'Level wählen' ausblenden."},
    {"Neuerungen gegenüber v2.1", "Die wichtigsten Neuerungen sind: verbesserter Bildaufbau, ",
     "so konnten viele Kinderkrankheiten beseitigt werden."},
    {"Optionen", "Damit öffnen Sie ein Fenster, um verschiedene Programmeinstellungen",
     "verschiedene Programmeinstellungen vorzunehmen."},
    {"Rekorde", "Durch einen Klick auf 'Rekorde' wird ein Fenster geöffnet, in dem Sie",
     "die Rekorde (minimale Schrittzahlen) für jedes Level ansehen können."},
    {"Steuerung", "Sie steuern die Spielfigur mit den Richtungstasten auf der Tastatur. ",
     "Kisten können Sie schieben, indem Sie einfach dagegenlaufen."},
    {"Über Lagerix", "Lagerix 2000 ist eine Variante eines japanischen",
     "darf kostenlos und unverändert weitergegeben werden."},
    {"Vestrum", "Mit einem Klick auf das 'Vestrum'-Logo in der rechten oberen Ecke, ",
     "weitere kostenlose Programme von mir und anderes nützliches finden."},
};

const QString anfangsTitel = QStringLiteral("Hilfethema");
const QString anfangsText = QStringLiteral("Hilfetext -- Wählen Sie ein Thema");

} // namespace

class HilfeTest : public QObject {
    Q_OBJECT

  private:
    HauptfensterAttrappe haupt;
    QPointer<Form2> fenster;

    QListWidget* liste() const { return fenster->findChild<QListWidget*>(u"List1"_s); }
    QString titel() const { return fenster->findChild<QLabel*>(u"Label2"_s)->text(); }
    QString text() const { return fenster->findChild<QLabel*>(u"Label1"_s)->text(); }

    void anklicken(const QString& thema) {
        QListWidget* list = liste();
        const QList<QListWidgetItem*> treffer = list->findItems(thema, Qt::MatchExactly);
        QCOMPARE(treffer.size(), 1);
        list->scrollToItem(treffer.first());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(treffer.first()).center());
    }

    void zeigtThema(const Erwartet& thema) {
        QCOMPARE(titel(), QString::fromUtf8(thema.titel));
        QVERIFY2(text().startsWith(QString::fromUtf8(thema.anfang)), qPrintable(text()));
        QVERIFY2(text().endsWith(QString::fromUtf8(thema.ende)), qPrintable(text()));
    }

  private Q_SLOTS:
    void init() {
        haupt.aufrufe.clear();
        fenster = new Form2(haupt);
        fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenster));
    }

    void cleanup() { delete fenster.data(); }

    void listShowsEveryTopicOnceInAlphabeticalOrder() {
        QStringList gezeigt;
        for (int zeile = 0; zeile < liste()->count(); ++zeile)
            gezeigt.append(liste()->item(zeile)->text());
        QStringList erwartet;
        for (const Erwartet& thema : erwarteteThemen)
            erwartet.append(QString::fromUtf8(thema.titel));
        QCOMPARE(gezeigt, erwartet);
    }

    void topicOrderIsGermanAndIgnoresCase_data() {
        QTest::addColumn<QString>("frueher");
        QTest::addColumn<QString>("spaeter");
        QTest::newRow("Umlaut among its letter") << u"Steuerung"_s << u"Über Lagerix"_s;
        QTest::newRow("Umlaut before the next letter") << u"Über Lagerix"_s << u"Vestrum"_s;
        QTest::newRow("umlaut as its base letter") << u"Ärger"_s << u"Arznei"_s;
        QTest::newRow("small before capital letter") << u"apfel"_s << u"Zebra"_s;
    }

    void topicOrderIsGermanAndIgnoresCase() {
        QFETCH(QString, frueher);
        QFETCH(QString, spaeter);
        QVERIFY(themenOrdnung().compare(frueher, spaeter) < 0);
        QVERIFY(themenOrdnung().compare(spaeter, frueher) > 0);
    }

    void beforeAnySelectionTheRightSideInvitesAChoice() {
        // Taking the focus may give a list view a current row; that is not yet a choice.
        fenster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenster));
        liste()->setFocus();
        QVERIFY(liste()->hasFocus());
        QCOMPARE(titel(), anfangsTitel);
        QCOMPARE(text(), anfangsText);
    }

    void clickingATitleShowsItsOwnText_data() {
        QTest::addColumn<int>("nummer");
        for (int nummer = 0; nummer < int(std::size(erwarteteThemen)); ++nummer)
            QTest::newRow(erwarteteThemen[nummer].titel) << nummer;
    }

    void clickingATitleShowsItsOwnText() {
        QFETCH(int, nummer);
        anklicken(QString::fromUtf8(erwarteteThemen[nummer].titel));
        zeigtThema(erwarteteThemen[nummer]);
    }

    void everyTopicHasAFullTextOfItsOwn() {
        QSet<QString> texte;
        for (const Erwartet& thema : erwarteteThemen) {
            anklicken(QString::fromUtf8(thema.titel));
            texte.insert(text());
        }
        QCOMPARE(texte.size(), int(std::size(erwarteteThemen)));
        QVERIFY(!texte.contains(anfangsText));
    }

    // The window cannot grow, so a text longer than its place would be cut off.
    void everyTitleAndTextIsShownWhole() {
        QListWidget* list = liste();
        QVERIFY(list->sizeHintForColumn(0) <= list->viewport()->width());
        QCOMPARE(list->verticalScrollBar()->maximum(), 0);
        auto* Label2 = fenster->findChild<QLabel*>(u"Label2"_s);
        auto* Label1 = fenster->findChild<QLabel*>(u"Label1"_s);
        for (const Erwartet& thema : erwarteteThemen) {
            anklicken(QString::fromUtf8(thema.titel));
            QVERIFY2(Label2->sizeHint().width() <= Label2->width(), thema.titel);
            QVERIFY2(Label1->heightForWidth(Label1->width()) <= Label1->height(), thema.titel);
        }
    }

    void theArrowKeysUpdateTheRightSideAtEveryStep() {
        anklicken(QString::fromUtf8(erwarteteThemen[0].titel));
        for (const Erwartet& thema : std::span(erwarteteThemen).subspan(1)) {
            QTest::keyClick(liste(), Qt::Key_Down);
            zeigtThema(thema);
        }
        QTest::keyClick(liste(), Qt::Key_Up);
        zeigtThema(erwarteteThemen[std::size(erwarteteThemen) - 2]);
        QTest::keyClick(liste(), Qt::Key_Home);
        zeigtThema(erwarteteThemen[0]);
    }

    void theFirstArrowKeyChoosesTheFirstTopic() {
        fenster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenster));
        liste()->setFocus();
        QVERIFY(liste()->hasFocus());
        QTest::keyClick(liste(), Qt::Key_Down);
        zeigtThema(erwarteteThemen[0]);
    }

    void closingHandsTheKeyboardBackAndRedrawsOnce() {
        anklicken(u"Steuerung"_s);
        QVERIFY(fenster->close());
        QCOMPARE(haupt.aufrufe, QStringList({u"brettFokussieren"_s, u"neuZeichnen"_s}));
        QTRY_VERIFY(fenster.isNull());
    }
};

QTEST_MAIN(HilfeTest)
#include "hilfe_test.moc"
