// A graphics set is named in a file the player may edit: only sheets of the program
// folder are loaded, and nothing there can make the start-up wait.

#include "kit/kachelblatt.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

class KachelblattTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
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
