// What "Lösbar?" answers from the ends of its two searches.
#include "editor/loesbarkeit.h"

#include <QtTest>

namespace {

Loesung ende(Ergebnis ergebnis, const std::string& zuege = {}, Grenze grenze = Grenze::keine) {
    Loesung l;
    l.ergebnis = ergebnis;
    l.zuege = zuege;
    l.grund = "Auf dem Feld (24, 0) liegen mehrere Objekte übereinander.";
    l.grenze = grenze;
    return l;
}
Loesung ohne(Grenze grenze) {
    return ende(Ergebnis::unbekannt, {}, grenze);
}
Loesung geloest(const std::string& zuege) {
    return ende(Ergebnis::geloest, zuege);
}
const QString frage = QStringLiteral(" Soll die Lösung im Testspiel vorgespielt werden?");

} // namespace

class LoesbarkeitTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void antwortetSobaldKeineSucheSieNochAendert() {
        const struct {
            std::optional<Loesung> beispiel, beweis;
            QString text; // empty while a running search could still change the answer
        } faelle[] = {
            {geloest("rrll"), {}, {}},
            {{}, ohne(Grenze::zeit), {}},
            {{}, geloest("rro"), u"Das Level ist lösbar, am kürzesten in 3 Schritten."_qs + frage},
            {geloest("rroll"), geloest("u"),
             u"Das Level ist lösbar, am kürzesten in 1 Schritt."_qs + frage},
            {ende(Ergebnis::unloesbar),
             {},
             u"Das Level ist nicht lösbar: kein Weg bringt alle Kisten auf Stellplätze."_qs},
            {geloest("rrrrrrr"), ohne(Grenze::zeit),
             u"Das Level ist lösbar, zum Beispiel in 7 Schritten. Die kürzeste Lösung ist nicht "
             "bewiesen: Zeitgrenze erreicht (60 s). Länger sucht lagerix-pruefen --loesen --zeit "
             "300."_qs +
                 frage},
            {geloest("l"), ohne(Grenze::abbruch),
             u"Das Level ist lösbar, zum Beispiel in 1 Schritt. Die Suche nach der kürzesten "
             "Lösung wurde abgebrochen."_qs +
                 frage},
            // The fast search's limit kept the answer, whichever limit the proof reached.
            {ohne(Grenze::zeit), ohne(Grenze::speicher),
             u"Die Suche hat keine Antwort gefunden: Zeitgrenze erreicht (60 s). Länger sucht "
             "lagerix-pruefen --loesen --schnell --zeit 300."_qs},
            // A cancel is a cancel, even after the other search reached a limit.
            {ohne(Grenze::abbruch), ohne(Grenze::speicher), u"Die Suche wurde abgebrochen."_qs},
            {ohne(Grenze::keine), ohne(Grenze::keine),
             u"Auf dem Feld (24, 0) liegen mehrere Objekte übereinander."_qs},
        };
        Loeseroptionen grenzen;
        grenzen.zeitGrenze = std::chrono::seconds(60);
        for (const auto& f : faelle) {
            Loesbarkeit loesbarkeit(grenzen);
            if (f.beispiel)
                loesbarkeit.beispielEnde(*f.beispiel);
            if (f.beweis)
                loesbarkeit.beweisEnde(*f.beweis);
            QCOMPARE(loesbarkeit.entschieden(), !f.text.isEmpty());
            if (f.text.isEmpty())
                continue;
            QCOMPARE(loesbarkeit.antwort().text, f.text);
            // The solution offered for play back is the one the answer counts.
            const auto zuege = loesbarkeit.antwort().zuege;
            QCOMPARE(zuege.has_value(), f.text.contains(frage));
            if (zuege)
                QVERIFY(f.text.contains(u" in "_qs + schritteText(int(zuege->size())) + u'.'));
        }
    }
};

QTEST_GUILESS_MAIN(LoesbarkeitTest)
#include "loesbarkeit_test.moc"
