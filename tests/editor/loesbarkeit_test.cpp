// What "Lösbar?" answers from the ends of its two searches.
#include "editor/loesbarkeit.h"

#include <QtTest>

namespace {

using namespace std::chrono_literals;

Suchergebnis geloest(const std::string& zuege, bool optimal) {
    Loesung l;
    l.ergebnis = Ergebnis::geloest;
    l.zuege = zuege;
    l.optimal = optimal;
    return {l, Grenze::keine};
}

Suchergebnis unloesbar() {
    Loesung l;
    l.ergebnis = Ergebnis::unloesbar;
    return {l, Grenze::keine};
}

Suchergebnis ohne(Grenze grenze, const std::string& grund = "Grund des Lösers") {
    Loesung l;
    l.grund = grund;
    return {l, grenze};
}

const QString vorspielen = QStringLiteral(" Soll die Lösung im Testspiel vorgespielt werden?");
const QString nichtLoesbar =
    QStringLiteral("Das Level ist nicht lösbar: kein Weg bringt alle Kisten auf Stellplätze.");

} // namespace

class LoesbarkeitTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void antwortetSobaldKeineSucheSieNochAendert() {
        const struct {
            const char* fall;
            std::optional<Suchergebnis> beispiel, beweis;
            bool entschieden;
            QString text;                     // when decided
            std::optional<std::string> zuege; // offered for play back
        } faelle[] = {
            {"Beispiel, der Beweis läuft", geloest("rrll", false), {}, false, {}, {}},
            {"der Beweis an einer Grenze, das Beispiel läuft",
             {},
             ohne(Grenze::zeit),
             false,
             {},
             {}},
            {"bewiesen, das Beispiel läuft noch",
             {},
             geloest("rro", true),
             true,
             QStringLiteral("Das Level ist lösbar, am kürzesten in 3 Schritten.") + vorspielen,
             "rro"},
            {"bewiesen nach dem Beispiel", geloest("rroll", false), geloest("u", true), true,
             QStringLiteral("Das Level ist lösbar, am kürzesten in 1 Schritt.") + vorspielen, "u"},
            {"die schnelle Suche findet keine", unloesbar(), {}, true, nichtLoesbar, {}},
            {"der Beweis findet keine", {}, unloesbar(), true, nichtLoesbar, {}},
            {"Beispiel, der Beweis an der Zeitgrenze", geloest("rrrrrrr", false),
             ohne(Grenze::zeit), true,
             QStringLiteral("Das Level ist lösbar, zum Beispiel in 7 Schritten. Die kürzeste "
                            "Lösung ist nicht bewiesen: Zeitgrenze erreicht (60 s). Länger "
                            "sucht lagerix-pruefen --loesen --zeit 300.") +
                 vorspielen,
             "rrrrrrr"},
            {"Beispiel, der Beweis an der Speichergrenze", geloest("rrrrrrr", false),
             ohne(Grenze::speicher), true,
             QStringLiteral("Das Level ist lösbar, zum Beispiel in 7 Schritten. Die kürzeste "
                            "Lösung ist nicht bewiesen: Speichergrenze erreicht (512 MB).") +
                 vorspielen,
             "rrrrrrr"},
            {"Beispiel, dann abgebrochen", geloest("l", false), ohne(Grenze::abbruch), true,
             QStringLiteral("Das Level ist lösbar, zum Beispiel in 1 Schritt. Die Suche nach der "
                            "kürzesten Lösung wurde abgebrochen.") +
                 vorspielen,
             "l"},
            // The fast search's limit kept the answer, whichever limit the proof reached.
            {"beide an Grenzen",
             ohne(Grenze::speicher),
             ohne(Grenze::zeit),
             true,
             QStringLiteral(
                 "Die Suche hat keine Antwort gefunden: Speichergrenze erreicht (512 MB)."),
             {}},
            {"beide an der Zeitgrenze",
             ohne(Grenze::zeit),
             ohne(Grenze::zeit),
             true,
             QStringLiteral("Die Suche hat keine Antwort gefunden: Zeitgrenze erreicht (60 s). "
                            "Länger sucht lagerix-pruefen --loesen --schnell --zeit 300."),
             {}},
            // A cancel is a cancel, even after the other search reached a limit.
            {"der Beweis an der Speichergrenze, dann abgebrochen",
             ohne(Grenze::abbruch),
             ohne(Grenze::speicher),
             true,
             QStringLiteral("Die Suche wurde abgebrochen."),
             {}},
            {"die schnelle Suche an der Speichergrenze, dann abgebrochen",
             ohne(Grenze::speicher),
             ohne(Grenze::abbruch),
             true,
             QStringLiteral("Die Suche wurde abgebrochen."),
             {}},
            {"kein Raster",
             ohne(Grenze::keine, "Auf dem Feld (24, 0) liegen mehrere Objekte übereinander."),
             ohne(Grenze::keine, "Auf dem Feld (24, 0) liegen mehrere Objekte übereinander."),
             true,
             QStringLiteral("Auf dem Feld (24, 0) liegen mehrere Objekte übereinander."),
             {}},
        };
        Loeseroptionen grenzen;
        grenzen.zeitGrenze = 60s;
        grenzen.speicherGrenze = std::size_t{512} << 20;
        for (const auto& f : faelle) {
            Loesbarkeit loesbarkeit(grenzen);
            if (f.beispiel)
                loesbarkeit.beispielEnde(*f.beispiel);
            if (f.beweis)
                loesbarkeit.beweisEnde(*f.beweis);
            QVERIFY2(loesbarkeit.entschieden() == f.entschieden, f.fall);
            if (!f.entschieden)
                continue;
            const Loesbarkeitsantwort antwort = loesbarkeit.antwort();
            // The case's name in both, so a failure says which one.
            const QString fall = QString::fromUtf8(f.fall) + QStringLiteral(": ");
            QCOMPARE(fall + antwort.text, fall + f.text);
            QVERIFY2(antwort.zuege == f.zuege, f.fall);
        }
    }
};

QTEST_GUILESS_MAIN(LoesbarkeitTest)
#include "loesbarkeit_test.moc"
