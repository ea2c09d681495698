#include "help/form2.h"
#include "help/hilfethemen.h"
#include "tests/hauptfensterattrappe.h"

#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <algorithm>
#include <span>

using namespace Qt::StringLiterals;

namespace {

// The topic titles as the player must see them, in list order: German order, case ignored,
// "Über" among the U's.
const char* const erwarteteThemen[] = {
    "Das Spiel",         "Info / Hilfe", "Level Editor",
    "Level neu starten", "Level wählen", "Neuerungen gegenüber v2.1",
    "Optionen",          "Rekorde",      "Steuerung",
    "Über Lagerix",      "Vestrum",
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

    // The right side shows the topic's title and the text written for that title, not
    // the text of the row it had before sorting.
    void zeigtThema(const char* thema) {
        QCOMPARE(titel(), QString::fromUtf8(thema));
        const auto geschrieben =
            std::ranges::find(hilfethemen(), QString::fromUtf8(thema), &Hilfethema::titel);
        QVERIFY(geschrieben != hilfethemen().end());
        QCOMPARE(text(), geschrieben->text);
    }

  private Q_SLOTS:
    void init() {
        haupt.aufrufe.clear();
        fenster = new Form2(haupt);
        fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenster));
    }

    void cleanup() { delete fenster.data(); }

    void listShowsEveryTopicOnceInGermanOrder() {
        QStringList gezeigt;
        for (int zeile = 0; zeile < liste()->count(); ++zeile)
            gezeigt.append(liste()->item(zeile)->text());
        QStringList erwartet;
        for (const char* thema : erwarteteThemen)
            erwartet.append(QString::fromUtf8(thema));
        QCOMPARE(gezeigt, erwartet);
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

    void everyTitleShowsAFullTextOfItsOwn() {
        QSet<QString> texte;
        for (const char* thema : erwarteteThemen) {
            anklicken(QString::fromUtf8(thema));
            zeigtThema(thema);
            QVERIFY2(text().size() > 40, thema);
            texte.insert(text());
        }
        QCOMPARE(texte.size(), int(std::size(erwarteteThemen)));
    }

    // The window cannot grow, so a text longer than its place would be cut off.
    void everyTitleAndTextIsShownWhole() {
        QListWidget* list = liste();
        QVERIFY(list->sizeHintForColumn(0) <= list->viewport()->width());
        QCOMPARE(list->verticalScrollBar()->maximum(), 0);
        auto* Label2 = fenster->findChild<QLabel*>(u"Label2"_s);
        auto* Label1 = fenster->findChild<QLabel*>(u"Label1"_s);
        for (const char* thema : erwarteteThemen) {
            anklicken(QString::fromUtf8(thema));
            QVERIFY2(Label2->sizeHint().width() <= Label2->width(), thema);
            QVERIFY2(Label1->heightForWidth(Label1->width()) <= Label1->height(), thema);
        }
    }

    void theArrowKeysUpdateTheRightSideAtEveryStep() {
        anklicken(QString::fromUtf8(erwarteteThemen[0]));
        for (const char* thema : std::span(erwarteteThemen).subspan(1)) {
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
