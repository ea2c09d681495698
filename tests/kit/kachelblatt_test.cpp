#include "kit/kachelblatt.h"

#include "tests/hauptfensterattrappe.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class KachelblattTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    // A sheet smaller than 96 by 120 would leave tiles half drawn: it is refused and the
    // sheet in use stays. A larger one is used from its top left corner.
    void onlyASheetOfFullSizeIsLoaded_data() {
        QTest::addColumn<QSize>("groesse");
        QTest::addColumn<bool>("geladen");
        QTest::newRow("genau") << QSize(96, 120) << true;
        QTest::newRow("groesser") << QSize(100, 130) << true;
        QTest::newRow("zu schmal") << QSize(95, 120) << false;
        QTest::newRow("zu niedrig") << QSize(96, 119) << false;
    }
    void onlyASheetOfFullSizeIsLoaded() {
        QFETCH(QSize, groesse);
        QFETCH(bool, geladen);
        Programmordner ordner;
        QImage bild(groesse, QImage::Format_RGB32);
        bild.fill(Qt::blue);
        QVERIFY(bild.save(ordner.pfad() + u"set.gif"_s, "PNG"));
        Kachelblatt blatt;
        const QImage vorher = blatt.bild();
        QCOMPARE(blatt.laden(ordner.pfad(), u"set.gif"_s), geladen);
        QCOMPARE(blatt.bild(), geladen ? bild : vorher);
    }

    void aMissingOrDamagedFileChangesNothing() {
        Programmordner ordner;
        ordner.anlegen(u"kaputt.gif"_s, "GIF89a");
        Kachelblatt blatt;
        const QImage vorher = blatt.bild();
        QVERIFY(!blatt.laden(ordner.pfad(), u"fehlt.gif"_s));
        QVERIFY(!blatt.laden(ordner.pfad(), u"kaputt.gif"_s));
        QCOMPARE(blatt.bild(), vorher);
    }
};

QTEST_MAIN(KachelblattTest)
#include "kachelblatt_test.moc"
