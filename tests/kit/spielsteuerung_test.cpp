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

using namespace std::chrono_literals;

namespace {

// A board started from the level file `datei` of `ordner`, which ends in '/'.
std::unique_ptr<Brett> gestartet(const std::string& ordner, const std::string& datei) {
    auto brett = std::make_unique<Brett>();
    brett->randAnlegen();
    OhneBild flaeche;
    if (!levelStarten(*brett, ordner, datei, flaeche, Startart::neu).ok)
        qFatal("Level nicht gestartet");
    return brett;
}

// A board started from a picture of its top rows (see levelAusBild).
std::unique_ptr<Brett> brettAus(const std::vector<std::string>& bild) {
    Programmordner ordner;
    ordner.anlegen(QStringLiteral("probe.lev"), levelDatei(bild));
    return gestartet(ordner.pfad().toStdString(), "probe.lev");
}

} // namespace

class SpielsteuerungTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Brett> brett;
    OhneBild flaeche;
    bool explosionLaeuft = false;
    std::unique_ptr<Spielsteuerung> steuerung;
    std::unique_ptr<Brettbild> brettbild;
    std::unique_ptr<Hinweisgeber> hinweise;

    Spielsteuerung& mit(std::unique_ptr<Brett> neu) {
        hinweise.reset();
        brett = std::move(neu);
        explosionLaeuft = false;
        steuerung =
            std::make_unique<Spielsteuerung>(*brett, flaeche, [this] { return explosionLaeuft; });
        return *steuerung;
    }
    Spielsteuerung& mit(const std::vector<std::string>& bild) { return mit(brettAus(bild)); }

    Hinweisgeber& hinweiseFuer(std::unique_ptr<Brett> neu,
                               std::chrono::milliseconds grenze = Hinweisgeber::zeitGrenze) {
        mit(std::move(neu));
        brettbild = std::make_unique<Brettbild>();
        hinweise = std::make_unique<Hinweisgeber>(*brett, *steuerung, *brettbild, grenze);
        return *hinweise;
    }
    // The note over the board; empty while none is shown.
    QString notiz() const {
        const auto* n = brettbild->findChild<QLabel*>(QStringLiteral("Hinweisnotiz"));
        return n->isHidden() ? QString() : n->text();
    }
    // Until the answer has come and its walk has ended.
    void hinweisAbwarten(int schritteVorher) const {
        QTRY_VERIFY(notiz() != QStringLiteral("Hinweis wird gesucht …") ||
                    brett->schritte != schritteVorher);
        QTRY_VERIFY(!steuerung->maus.laeuft());
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

    // H walks to the next box and pushes it once, Umschalt+H plays the whole solution,
    // both at the pace of a walk. Every step is the game control's: counted, and taken
    // back by a step back.
    void einHinweisGehtZurNaechstenKisteUndSchiebtSieEinmal() {
        const struct {
            const char* name;
            Hinweisgeber::Umfang umfang;
            int schritte;
            int abgestellt;
        } faelle[] = {
            {"H", Hinweisgeber::Umfang::naechsterSchub, 2, 0},
            {"Umschalt+H", Hinweisgeber::Umfang::ganzeLoesung, 3, 1},
        };
        for (const auto& f : faelle) {
            auto& h = hinweiseFuer(brettAus({"@ $ ."}));
            QSignalSpy geschritten(steuerung.get(), &Spielsteuerung::geschritten);
            h.geben(f.umfang);
            QCOMPARE(notiz(), QStringLiteral("Hinweis wird gesucht …"));
            QVERIFY2(geschritten.wait(), f.name);
            QVERIFY2(brett->schritte == 1 && steuerung->maus.laeuft(), f.name);
            hinweisAbwarten(0);
            QTest::qWait(3 * Maus::taktMs);
            QVERIFY2(brett->schritte == f.schritte, f.name);
            QVERIFY2(brett->kistenAbgestellt == f.abgestellt, f.name);
            steuerung->zurueck();
            QVERIFY2(brett->schritte == f.schritte - 1, f.name);
        }
    }

    // What the note says when there is no hint to walk; nothing moves then, and the play
    // still counts.
    void ohneLoesungSagtDieNotizWarum() {
        const auto ordner = std::string(LAGERIX_ASSETS) + '/';
        struct {
            std::unique_ptr<Brett> brett;
            std::chrono::milliseconds grenze;
            QString notiz;
        } faelle[] = {
            {brettAus({"#### ", "#$ @.", "#  . ", " $"}), Hinweisgeber::zeitGrenze,
             QStringLiteral("Von hier aus ist das Level nicht mehr lösbar – Rücktaste nimmt "
                            "Schritte zurück.")},
            // Even the fast search takes more than a second here.
            {gestartet(ordner, "48-sprengmeister.lev"), 50ms,
             QStringLiteral("Kein Hinweis gefunden.")},
        };
        for (auto& f : faelle) {
            auto& h = hinweiseFuer(std::move(f.brett), f.grenze);
            h.geben(Hinweisgeber::Umfang::naechsterSchub);
            QTRY_COMPARE(notiz(), f.notiz);
            QCOMPARE(brett->schritte, 0);
            QVERIFY(!h.genutzt());
        }
    }

    // The first hint of a play says once that it offers no record; a key or a step while
    // the search runs drops its answer, which belongs to the position it came from.
    void derErsteHinweisSagtEinmalDassKeinRekordZaehlt() {
        auto& h = hinweiseFuer(brettAus({"@ $ .", "  $ ."}));
        h.geben(Hinweisgeber::Umfang::naechsterSchub);
        h.anhalten();
        QVERIFY(notiz().isEmpty());
        h.geben(Hinweisgeber::Umfang::naechsterSchub);
        QVERIFY(steuerung->schritt(tasteUnten));
        QTest::qWait(200);
        QCOMPARE(brett->schritte, 1);
        QVERIFY(!h.genutzt());

        const auto rekordNotiz = QStringLiteral("Mit Hinweisen zählt die Lösung nicht als Rekord.");
        h.geben(Hinweisgeber::Umfang::naechsterSchub);
        hinweisAbwarten(1);
        QVERIFY(h.genutzt());
        QCOMPARE(notiz(), rekordNotiz);
        const int schritte = brett->schritte;
        h.geben(Hinweisgeber::Umfang::naechsterSchub);
        hinweisAbwarten(schritte);
        QVERIFY(brett->schritte > schritte);
        QVERIFY(notiz().isEmpty());

        steuerung->neuesBrett();
        QVERIFY(!h.genutzt());
    }
};

QTEST_MAIN(SpielsteuerungTest)
#include "spielsteuerung_test.moc"
