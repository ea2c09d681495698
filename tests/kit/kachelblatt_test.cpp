// A graphics set is named in a file the player may edit: only full sheets of the program
// folder are loaded, and nothing there can make the start-up wait.

#include "kit/kachelblatt.h"

#include "tests/hauptfensterattrappe.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

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

    void nurGewoehnlicheDateienDesProgrammordnersWerdenGeladen() {
        QTemporaryDir aussen;
        QVERIFY(aussen.isValid());
        const QString ordner = aussen.path() + u"/spiel/"_s;
        QVERIFY(QDir().mkpath(ordner + u"sets"_s));
        // Qt writes no GIF; the reader goes by the content, not by the name.
        QImage blatt(Kachelblatt::breite, Kachelblatt::hoehe, QImage::Format_RGB32);
        blatt.fill(Qt::red);
        for (const QString& pfad :
             {ordner + u"sets/winter.gif"_s, ordner + u"da.gif"_s, aussen.path() + u"/x.gif"_s})
            QVERIFY(blatt.save(pfad, "PNG"));
        QCOMPARE(::mkfifo(QFile::encodeName(ordner + u"fifo.gif"_s).constData(), 0644), 0);

        const struct {
            QString name;
            bool geladen;
        } faelle[] = {
            {u"da.gif"_s, true},
            {u"sets\\winter.gif"_s, true},
            {u"..\\x.gif"_s, false},
            {u"sets\\..\\..\\x.gif"_s, false},
            {aussen.path() + u"/x.gif"_s, false},
            {u"fifo.gif"_s, false},
        };
        for (const auto& fall : faelle) {
            Kachelblatt kacheln;
            QCOMPARE(kacheln.laden(ordner, fall.name), fall.geladen);
            QCOMPARE(kacheln.bild().pixel(0, 0) == QColor(Qt::red).rgb(), fall.geladen);
        }
    }
};

QTEST_MAIN(KachelblattTest)
#include "kachelblatt_test.moc"
