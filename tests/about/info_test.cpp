// The about window: its two page links, and the two ways back to the game.
#include "about/form3.h"
#include "tests/hauptfensterattrappe.h"

#include <QLabel>

using namespace Qt::StringLiterals;

class InfoTest : public QObject, Fensterprobe<Form3> {
    Q_OBJECT

  private Q_SLOTS:
    // The link takes only a left click released on it; the window stays open. "Ok" hands
    // the keys to the board; the close box leaves the focus where the desktop puts it.
    void pagesOpenAndOkOrTheCloseBoxReturnToTheGame() {
        oeffnen();
        auto* verweis = element<QLabel>(u"Label1"_s);
        QTest::mouseClick(verweis, Qt::RightButton);
        QTest::mousePress(verweis, Qt::LeftButton);
        QTest::mouseRelease(verweis, Qt::LeftButton, {}, QPoint(-5, -5));
        QTest::mouseClick(verweis, Qt::LeftButton);
        QTest::mouseClick(element<QPushButton>(u"Command2"_s), Qt::LeftButton);
        QCOMPARE(haupt->aufrufe,
                 QStringList({u"seiteOeffnen vestrum.htm"_s, u"seiteOeffnen hilfe.htm"_s}));
        QVERIFY(!geloescht());
        QVERIFY(fenster->isVisible());
        for (const bool mitOk : {true, false}) {
            haupt->aufrufe.clear();
            if (!fenster)
                oeffnen();
            if (mitOk)
                QTest::mouseClick(element<QPushButton>(u"Command1"_s), Qt::LeftButton);
            else
                QVERIFY(fenster->close());
            QVERIFY(geloescht());
            QCOMPARE(haupt->aufrufe,
                     mitOk ? QStringList({u"aktivieren"_s, u"brettFokussieren"_s, u"neuZeichnen"_s})
                           : QStringList{u"neuZeichnen"_s});
        }
    }
};

QTEST_MAIN(InfoTest)
#include "info_test.moc"
