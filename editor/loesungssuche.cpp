#include "editor/loesungssuche.h"

#include "editor/loeserlauf.h"

namespace {

using namespace std::chrono_literals;

// Each search keeps its tables below half of what the checker's one search may use, on a
// machine that is doing other things too.
Loeseroptionen grenzenDerSuche() {
    Loeseroptionen grenzen;
    grenzen.zeitGrenze = 60s;
    grenzen.speicherGrenze = std::size_t{512} << 20;
    return grenzen;
}

QString endeText(const Loesung& ergebnis, const Loeseroptionen& grenzen) {
    switch (ergebnis.ergebnis) {
    case Ergebnis::geloest:
        return QStringLiteral("lösbar, %1 in %2")
            .arg(ergebnis.optimal ? QStringLiteral("am kürzesten") : QStringLiteral("zum Beispiel"),
                 schritteText(ergebnis.schritte()));
    case Ergebnis::unloesbar:
        return QStringLiteral("nicht lösbar");
    case Ergebnis::unbekannt:
        break;
    }
    return QString::fromStdString(grenzeBenennen(ergebnis, grenzen));
}

} // namespace

Loesungssuche::Loesungssuche(const Brett& brett, const QString& titel, QWidget* eltern)
    : QProgressDialog(QString(), QStringLiteral("Abbrechen"), 0, 0, eltern),
      grenzen(grenzenDerSuche()),
      loesbarkeit(grenzen), beispielZeile{QStringLiteral("Schnelle Suche"),
                                          QStringLiteral("beginnt …")},
      beweisZeile{QStringLiteral("Kürzeste Lösung"), QStringLiteral("beginnt …")} {
    setObjectName(QStringLiteral("Suche"));
    setWindowTitle(titel);
    setWindowModality(Qt::WindowModal);
    setMinimumDuration(0);
    beispiel = starten(brett, true, beispielZeile);
    beweis = starten(brett, false, beweisZeile);
    connect(this, &QProgressDialog::canceled, this, [this] {
        beispiel->abbrechen();
        beweis->abbrechen();
    });
    zeigen();
    show();
}

Loeserlauf* Loesungssuche::starten(const Brett& brett, bool schnell, Zeile& zeile) {
    Loeseroptionen optionen = grenzen;
    optionen.schnell = schnell;
    auto* lauf = new Loeserlauf(brett, optionen, this);
    connect(lauf, &Loeserlauf::stand, this, [this, &zeile, schnell](const Suchstand& s) {
        // The fast search's bound counts pushes only: it would read as a count of steps.
        zeile.stand = schnell ? QStringLiteral("%1 Stellungen").arg(s.zustaende)
                              : QStringLiteral("%1 Stellungen, mindestens %2 Schritte")
                                    .arg(s.zustaende)
                                    .arg(s.schranke);
        zeigen();
    });
    connect(lauf, &Loeserlauf::fertig, this, [this, &zeile, schnell](const Loesung& e) {
        zeile.stand = endeText(e, grenzen);
        beendet(schnell, e);
    });
    return lauf;
}

void Loesungssuche::beendet(bool schnell, const Loesung& ergebnis) {
    if (schnell)
        loesbarkeit.beispielEnde(ergebnis);
    else
        loesbarkeit.beweisEnde(ergebnis);
    if (!loesbarkeit.entschieden()) {
        zeigen();
        return;
    }
    // The other search could change the answer no more: it ends with the dialog.
    for (Loeserlauf* lauf : {beispiel, beweis}) {
        lauf->abbrechen();
        disconnect(lauf, nullptr, this, nullptr);
    }
    hide();
    Q_EMIT fertig(loesbarkeit.antwort());
}

void Loesungssuche::zeigen() {
    setLabelText(beispielZeile.name + QStringLiteral(": ") + beispielZeile.stand + u'\n' +
                 beweisZeile.name + QStringLiteral(": ") + beweisZeile.stand);
}
