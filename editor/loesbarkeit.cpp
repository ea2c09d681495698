#include "editor/loesbarkeit.h"

namespace {

bool endet(const std::optional<Loesung>& suche, Ergebnis ergebnis) {
    return suche && suche->ergebnis == ergebnis;
}

bool endet(const std::optional<Loesung>& suche, Grenze grenze) {
    return suche && suche->grenze == grenze;
}

// `wie`: "am kürzesten" or "zum Beispiel"; `warum`: a sentence more, or nothing.
Loesbarkeitsantwort loesbar(const Loesung& loesung, const QString& wie, const QString& warum) {
    return {
        QStringLiteral("Das Level ist lösbar, %1 in %2.%3 Soll die Lösung im Testspiel "
                       "vorgespielt werden?")
            .arg(wie, schritteText(loesung.schritte()), warum.isEmpty() ? QString() : u' ' + warum),
        loesung.zuege};
}

} // namespace

QString schritteText(int anzahl) {
    return QStringLiteral("%1 %2").arg(anzahl).arg(anzahl == 1 ? QStringLiteral("Schritt")
                                                               : QStringLiteral("Schritten"));
}

bool Loesbarkeit::entschieden() const {
    return (beispiel && beweis) || endet(beweis, Ergebnis::geloest) ||
           endet(beweis, Ergebnis::unloesbar) || endet(beispiel, Ergebnis::unloesbar);
}

Loesbarkeitsantwort Loesbarkeit::antwort() const {
    if (endet(beweis, Ergebnis::geloest))
        return loesbar(*beweis, QStringLiteral("am kürzesten"), {});
    if (endet(beweis, Ergebnis::unloesbar) || endet(beispiel, Ergebnis::unloesbar))
        return {QStringLiteral("Das Level ist nicht lösbar: kein Weg bringt alle Kisten auf "
                               "Stellplätze."),
                std::nullopt};
    if (endet(beispiel, Ergebnis::geloest))
        return loesbar(*beispiel, QStringLiteral("zum Beispiel"), warumNichtDieKuerzeste());
    return {ohneAntwort(), std::nullopt};
}

QString Loesbarkeit::warumNichtDieKuerzeste() const {
    if (endet(beweis, Grenze::abbruch))
        return QStringLiteral("Die Suche nach der kürzesten Lösung wurde abgebrochen.");
    return QStringLiteral("Die kürzeste Lösung ist nicht bewiesen: ") +
           grenzeMitAusweg(*beweis, QStringLiteral("--loesen"));
}

// Neither search answered. A cancel is a cancel, whatever limit the other search reached.
QString Loesbarkeit::ohneAntwort() const {
    if (endet(beispiel, Grenze::abbruch) || endet(beweis, Grenze::abbruch))
        return QStringLiteral("Die Suche wurde abgebrochen.");
    // A board the solver cannot read: both give the same reason.
    if (endet(beispiel, Grenze::keine))
        return QString::fromStdString(beispiel->grund);
    // The fast search would have answered first: its limit is the one that kept the answer.
    return QStringLiteral("Die Suche hat keine Antwort gefunden: ") +
           grenzeMitAusweg(*beispiel, QStringLiteral("--loesen --schnell"));
}

// The editor has no setting for the limits: the checker searches longer.
QString Loesbarkeit::grenzeMitAusweg(const Loesung& ergebnis, const QString& modus) const {
    QString text = QString::fromStdString(grenzeBenennen(ergebnis, grenzen)) + u'.';
    if (ergebnis.grenze == Grenze::zeit)
        text += QStringLiteral(" Länger sucht lagerix-pruefen %1 --zeit %2.")
                    .arg(modus)
                    .arg(laengereZeit(grenzen));
    return text;
}
