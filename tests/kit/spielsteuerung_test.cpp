// Steps back and again, and the mouse, on a board without a window.
#include "game/brett.h"
#include "game/levelstart.h"
#include "game/zeichenflaeche.h"
#include "kit/brettbild.h"
#include "kit/hinweisgeber.h"
#include "kit/spielsteuerung.h"
#include "tests/hauptfensterattrappe.h"

#include <QLabel>
#include <QtTest>

class SpielsteuerungTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Brett> brett;
    OhneBild flaeche;
    bool explosionLaeuft = false;
    std::unique_ptr<Spielsteuerung> steuerung;
    std::unique_ptr<Brettbild> brettbild;
    std::unique_ptr<Hinweisgeber> hinweise;

    // The game control of a board started from a picture of its top rows (see levelAusBild).
    Spielsteuerung& mit(const std::vector<std::string>& bild) {
        Programmordner ordner;
        ordner.anlegen(QStringLiteral("a.lev"), levelDatei(bild));
        brett = std::make_unique<Brett>();
        brett->randAnlegen();
        if (!levelStarten(*brett, ordner.pfad().toStdString(), "a.lev", flaeche, Startart::neu).ok)
            qFatal("Level nicht gestartet");
        explosionLaeuft = false;
        steuerung =
            std::make_unique<Spielsteuerung>(*brett, flaeche, [this] { return explosionLaeuft; });
        return *steuerung;
    }

    // Hints on a board started from `bild`, their note on a board picture of its own.
    Hinweisgeber& hinweiseFuer(const std::vector<std::string>& bild) {
        hinweise.reset();
        mit(bild);
        brettbild = std::make_unique<Brettbild>();
        hinweise = std::make_unique<Hinweisgeber>(*brett, *steuerung, *brettbild);
        return *hinweise;
    }
    QString notiz() const { // empty while none is shown
        const auto* n = brettbild->findChild<QLabel*>(QStringLiteral("Hinweisnotiz"));
        return n->isHidden() ? QString() : n->text();
    }

    void klicken(QPoint punkt) {
        steuerung->maus.gedrueckt(punkt);
        steuerung->maus.losgelassen(punkt);
    }

  private Q_SLOTS:
    void dieTastenFuerZurueckUndVor() {
        const struct {
            int taste;
            Qt::KeyboardModifiers umschalter;
            Verlaufstaste erwartet;
        } faelle[] = {
            {Qt::Key_Backspace, Qt::NoModifier, Verlaufstaste::zurueck},
            {Qt::Key_Z, Qt::ControlModifier, Verlaufstaste::zurueck},
            {Qt::Key_Y, Qt::ControlModifier, Verlaufstaste::vor},
            {Qt::Key_Backspace, Qt::ShiftModifier, Verlaufstaste::vor},
            {Qt::Key_Z, Qt::NoModifier, Verlaufstaste::keine},
            {Qt::Key_Y, Qt::NoModifier, Verlaufstaste::keine},
            {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, Verlaufstaste::keine},
            {Qt::Key_Backspace, Qt::AltModifier, Verlaufstaste::keine},
            {Qt::Key_Left, Qt::ControlModifier, Verlaufstaste::keine},
        };
        for (const auto& f : faelle)
            QCOMPARE(verlaufstaste(f.taste, f.umschalter), f.erwartet);
    }

    void einSchrittZurueckWartetBisDieExplosionVorbeiIst() {
        auto& s = mit({"@T# "});
        QSignalSpy sprengungen(&s, &Spielsteuerung::gesprengt);
        QVERIFY(s.schritt(tasteRechts));
        explosionLaeuft = true;
        s.zurueck();
        QCOMPARE(brett->schritte, 1);
        explosionLaeuft = false;
        s.explosionVorbei();
        QCOMPARE(brett->schritte, 0);
        QCOMPARE(brett->suchen(48, 0).art, std::string("mauer"));

        // Taken again, the wall is blasted again.
        s.vor();
        QCOMPARE(sprengungen.size(), 2);

        // A step while the step back waits means the player thought better of it.
        explosionLaeuft = true;
        s.zurueck();
        QVERIFY(s.schritt(tasteRechts));
        explosionLaeuft = false;
        s.explosionVorbei();
        QCOMPARE(brett->schritte, 2);
    }

    // The first step follows at once, the others at the pace of the walk. A click stops
    // the walk after the running step and starts none; a key stops it as well: the main
    // window's mouse test.
    void einKlickGehtImTaktBisZumZielUndEinZweiterHaeltIhnAn() {
        mit({"@          "});
        QElapsedTimer uhr;
        uhr.start();
        klicken(mitte(4, 0));
        QCOMPARE(brett->schritte, 1);
        QVERIFY(steuerung->maus.laeuft());
        QTRY_COMPARE(brett->schritte, 4);
        QVERIFY(uhr.elapsed() >= 3 * Maus::taktMs - 5);
        QCOMPARE(brett->spielerX, 96.0);
        QVERIFY(!steuerung->maus.laeuft());

        klicken(mitte(10, 0));
        QTRY_VERIFY(brett->schritte >= 6);
        klicken(mitte(0, 5));
        const double x = brett->spielerX;
        QTest::qWait(4 * Maus::taktMs);
        QCOMPARE(brett->spielerX, x);
        QVERIFY(x < 240);
        QCOMPARE(brett->spielerY, 0.0);
    }

    void eineGezogeneKisteWirdHingeschobenOderEsGibtKeinenWeg() {
        const struct {
            const char* name;
            std::vector<std::string> bild;
            int schritte;
            bool keinWeg;
            bool gesperrt = false;
        } faelle[] = {
            {"auf den Stellplatz", {"@$ .", "    "}, 2, false},
            {"an die Wand", {"@$#.", "    "}, 0, true},
            {"vom Boden gezogen", {"@ $ "}, 0, false},
            // A solved or broken level is locked: a drag there says nothing.
            {"gesperrt", {"@$#.", "    "}, 0, false, true},
        };
        for (const auto& f : faelle) {
            auto& s = mit(f.bild);
            brett->brettGesperrt = f.gesperrt;
            QSignalSpy keinWeg(&s.maus, &Maus::keinWeg);
            s.maus.gedrueckt(mitte(1, 0));
            s.maus.losgelassen(mitte(3, 0));
            QTRY_VERIFY2(!s.maus.laeuft(), f.name);
            QVERIFY2(brett->schritte == f.schritte, f.name);
            QVERIFY2(keinWeg.size() == (f.keinWeg ? 1 : 0), f.name);
        }
    }

    // An answer belongs to the position it was searched from: a key or a step while the
    // search runs drops it. The first hint of a play says once that it offers no record,
    // until a new board. A box in a corner gets no hint but the way back.
    void einHinweisGiltNurFuerSeineStellungUndDerErsteSagtDassKeinRekordZaehlt() {
        const auto schub = Hinweisgeber::Umfang::naechsterSchub;
        auto& h = hinweiseFuer({"@ $ .", "  $ ."});
        h.geben(schub);
        h.anhalten();
        QVERIFY(notiz().isEmpty());
        h.geben(schub);
        QVERIFY(steuerung->schritt(tasteUnten));
        QTest::qWait(200);
        QCOMPARE(brett->schritte, 1);

        for (const bool erster : {true, false}) {
            const int vorher = brett->schritte;
            h.geben(schub);
            QTRY_VERIFY(brett->schritte > vorher && !steuerung->maus.laeuft());
            QCOMPARE(notiz(), erster ? QStringLiteral("Mit Hinweisen zählt die Lösung nicht als "
                                                      "Rekord.")
                                     : QString());
        }
        QVERIFY(h.genutzt());
        steuerung->neuesBrett();
        QVERIFY(!h.genutzt());

        hinweiseFuer({"#### ", "#$ @.", "#  . ", " $"}).geben(schub);
        QTRY_COMPARE(notiz(), QStringLiteral("Von hier aus ist das Level nicht mehr lösbar – "
                                             "Rücktaste nimmt Schritte zurück."));
        QCOMPARE(brett->schritte, 0);
    }
};

QTEST_MAIN(SpielsteuerungTest)
#include "spielsteuerung_test.moc"
