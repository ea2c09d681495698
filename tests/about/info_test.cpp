#include "about/form3.h"
#include "tests/hauptfensterattrappe.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

class InfoTest : public QObject {
    Q_OBJECT

  private:
    HauptfensterAttrappe haupt;
    QPointer<Form3> fenster;

    template <typename T> T* element(const QString& name) const {
        return steuerelement<T>(fenster, name);
    }

  private Q_SLOTS:
    void init() {
        haupt.aufrufe.clear();
        fenster = new Form3(haupt);
        fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenster));
    }

    void cleanup() { delete fenster.data(); }

    void pagesOpenAndTheWindowStaysOpen_data() {
        QTest::addColumn<QString>("steuerelement");
        QTest::addColumn<QString>("seite");
        QTest::newRow("Hilfe zum Spiel") << u"Command2"_s << u"hilfe.htm"_s;
        QTest::newRow("Verweis") << u"Label1"_s << u"vestrum.htm"_s;
    }
    void pagesOpenAndTheWindowStaysOpen() {
        QFETCH(QString, steuerelement);
        QFETCH(QString, seite);
        QTest::mouseClick(element<QWidget>(steuerelement), Qt::LeftButton);
        QCOMPARE(haupt.aufrufe, QStringList{u"seiteOeffnen "_s + seite});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(fenster);
        QVERIFY(fenster->isVisible());
    }

    void linkIgnoresTheRightButtonAndAReleaseOutside() {
        auto* verweis = element<QLabel>(u"Label1"_s);
        QTest::mouseClick(verweis, Qt::RightButton);
        QTest::mousePress(verweis, Qt::LeftButton);
        QTest::mouseRelease(verweis, Qt::LeftButton, {}, QPoint(-5, -5));
        QCOMPARE(haupt.aufrufe, QStringList());
    }

    void okReturnsToTheGameAndCloses() {
        QTest::mouseClick(element<QPushButton>(u"Command1"_s), Qt::LeftButton);
        QCOMPARE(haupt.aufrufe,
                 QStringList({u"aktivieren"_s, u"brettFokussieren"_s, u"neuZeichnen"_s}));
        QTRY_VERIFY(fenster.isNull());
    }

    void closeBoxRedrawsButLeavesTheFocus() {
        QVERIFY(fenster->close());
        QCOMPARE(haupt.aufrufe, QStringList{u"neuZeichnen"_s});
        QTRY_VERIFY(fenster.isNull());
    }
};

QTEST_MAIN(InfoTest)
#include "info_test.moc"
