// The explosion picture of the game and of the editor's test play. The core counts the
// ticks; here: which frame the player sees after each tick, where, and that a blast ends.

#include "kit/explosionsbild.h"

#include "game/brett.h"
#include "game/konfiguration.h"
#include "kit/brettflaeche.h"
#include "tests/hauptfensterattrappe.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The frame shown: 0 for the black start, else k, which the sheet keeps in cell k + 1.
int bildNummer(const QLabel& bild) {
    const int rot = qRed(bild.pixmap().toImage().pixel(12, 12));
    return rot == 0 ? 0 : rot / 10 - 2;
}

} // namespace

class ExplosionsbildTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    // A second blast while one is shown only moves the picture: the count and the sound go
    // on. A board replaced meanwhile ends the blast; the next one starts from its beginning.
    void aBlastShowsEachFrameOnceInOrderAndEndsOutOfSight() {
        // A sheet whose cell i is all red 10 · (i + 1), so a frame tells its number by its colour.
        QImage gezaehlt(Kachelblatt::breite, Kachelblatt::hoehe, QImage::Format_RGB32);
        for (int y = 0; y < gezaehlt.height(); ++y)
            for (int x = 0; x < gezaehlt.width(); ++x)
                gezaehlt.setPixel(x, y, qRgb(10 * (y / 24 * 4 + x / 24 + 1), 0, 0));
        Programmordner ordner;
        QVERIFY(gezaehlt.save(ordner.pfad() + u"gezaehlt.png"_s, "PNG"));
        for (const bool beendet : {false, true}) { // the first blast ends before the second
            const auto z = zeile(beendet ? u"beendet und neu mit Ton"_s : u"zweite ohne Ton"_s);
            const bool soundAn = beendet;
            Kachelblatt blatt;
            QVERIFY(blatt.laden(ordner.pfad(), u"gezaehlt.png"_s));
            Brettbild brettbild;
            Brettflaeche flaeche(brettbild, blatt);
            const auto brett = std::make_unique<Brett>();
            Einstellungen einstellungen;
            einstellungen.soundAn = soundAn;
            int geknallt = 0;
            Explosionsbild bild(flaeche, *brett, einstellungen, [&geknallt] { ++geknallt; });
            QSignalSpy vorbei(&bild, &Explosionsbild::vorbei);

            // The ticks come from here; a blast that does not stop its timer runs to the bound.
            bild.starten({72, 24});
            QPoint wand(72, 24);
            QList<int> gezeigt;
            while (bild.laeuft() && gezeigt.size() < 20) {
                if (gezeigt.size() == 3) {
                    if (beendet)
                        bild.beenden();
                    wand = QPoint(96, 48);
                    bild.starten({wand.x(), wand.y()});
                }
                QCOMPARE(bild.pos(), wand);
                bild.tick();
                gezeigt << bildNummer(bild);
            }
            QCOMPARE(gezeigt, (beendet ? QList<int>{0, 1, 2, 0, 1, 2, 3, 4, 5, 6, 7, 8, 8}
                                       : QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 8}));
            QCOMPARE(bild.x(), Brett::geparkt);
            QCOMPARE(vorbei.count(), 1);
            QCOMPARE(geknallt, soundAn ? 2 : 0);
        }
    }
};

QTEST_MAIN(ExplosionsbildTest)
#include "explosionsbild_test.moc"
