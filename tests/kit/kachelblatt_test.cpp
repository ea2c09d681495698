// A graphics set is named in a file the player may edit: only full sheets of the program
// folder are loaded, and nothing there can make the start-up wait.

#include "kit/kachelblatt.h"

#include "tests/hauptfensterattrappe.h"

#include <QtTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

class KachelblattTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    // A sheet smaller than 96 by 120 would leave tiles half drawn; a larger one is used
    // from its top left corner. A fifo would make the reader wait for ever. What is
    // refused leaves the sheet in use. Which names stay in the folder is the core's rule.
    void onlyFullSheetsOfTheProgramFolderAreLoaded() {
        Programmordner aussen;
        const QString ordner = aussen.pfad() + u"spiel/"_s;
        QVERIFY(QDir().mkpath(ordner + u"sets"_s));
        aussen.bildAnlegen(u"spiel/groesser.gif"_s, Qt::red, {100, 130});
        aussen.bildAnlegen(u"spiel/schmal.gif"_s, Qt::red, {95, 120});
        aussen.bildAnlegen(u"spiel/niedrig.gif"_s, Qt::red, {96, 119});
        aussen.bildAnlegen(u"spiel/sets/winter.gif"_s, Qt::red);
        aussen.bildAnlegen(u"x.gif"_s, Qt::red);
        QCOMPARE(::mkfifo(QFile::encodeName(ordner + u"fifo.gif"_s).constData(), 0644), 0);

        const std::pair<QString, bool> faelle[] = {
            {u"groesser.gif"_s, true}, {u"sets\\winter.gif"_s, true}, {u"schmal.gif"_s, false},
            {u"niedrig.gif"_s, false}, {u"fifo.gif"_s, false},        {u"..\\x.gif"_s, false},
        };
        for (const auto& [name, geladen] : faelle) {
            const auto z = zeile(name);
            Kachelblatt blatt;
            const QImage vorher = blatt.bild();
            QCOMPARE(blatt.laden(ordner, name), geladen);
            if (geladen)
                QCOMPARE(blatt.bild().pixel(0, 0), qRgb(255, 0, 0));
            else
                QCOMPARE(blatt.bild(), vorher);
        }
    }

    // Start-up takes the set of the configuration, else the standard set, else the sheet
    // built into the program, and says which it took instead.
    void startUpFallsBackToTheStandardSetThenToTheBuiltInSheet() {
        Programmordner ordner;
        ordner.bildAnlegen(u"eigen.gif"_s, Qt::red);
        ordner.bildAnlegen(u"standardset.gif"_s, Qt::blue);
        const QImage eingebaut = Kachelblatt().bild();
        const struct {
            QString name;
            bool standardDa;
            QRgb farbe;
            QString meldung;
        } faelle[] = {
            {u"eigen.gif"_s, true, qRgb(255, 0, 0), QString()},
            {u"fehlt.gif"_s, true, qRgb(0, 0, 255),
             u"Das Grafikset „fehlt.gif“ konnte nicht geladen werden. Es wird das "
             u"Standard-Grafikset „standardset.gif“ verwendet."_s},
            {u"fehlt.gif"_s, false, eingebaut.pixel(0, 0),
             u"Das Grafikset „fehlt.gif“ konnte nicht geladen werden. Es wird das eingebaute "
             u"Grafikset verwendet."_s},
        };
        for (const auto& fall : faelle) {
            if (!fall.standardDa)
                QFile::remove(ordner.pfad() + u"standardset.gif"_s);
            Kachelblatt blatt;
            QCOMPARE(blatt.mitErsatzLaden(ordner.pfad(), fall.name), fall.meldung);
            QCOMPARE(blatt.bild().pixel(0, 0), fall.farbe);
        }
    }
};

QTEST_MAIN(KachelblattTest)
#include "kachelblatt_test.moc"
