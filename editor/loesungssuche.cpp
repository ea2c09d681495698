#include "editor/loesungssuche.h"

#include "editor/loeserlauf.h"

namespace {

const QString suchText = QStringLiteral("Suche die Lösung mit den wenigsten Schritten …");

} // namespace

Loesungssuche::Loesungssuche(const Brett& brett, const QString& titel, QWidget* eltern)
    : QProgressDialog(suchText, QStringLiteral("Abbrechen"), 0, 0, eltern) {
    setObjectName(QStringLiteral("Suche"));
    setWindowTitle(titel);
    setWindowModality(Qt::WindowModal);
    setMinimumDuration(0);
    auto* lauf = new Loeserlauf(brett, this);
    connect(this, &QProgressDialog::canceled, lauf, &Loeserlauf::abbrechen);
    connect(lauf, &Loeserlauf::stand, this, [this](quint64 zustaende, int schranke) {
        setLabelText(suchText +
                     QStringLiteral("\nUntersuchte Stellungen: %1\nMindestens %2 Schritte")
                         .arg(zustaende)
                         .arg(schranke));
    });
    connect(lauf, &Loeserlauf::fertig, this, [this](const Loesung& loesung) {
        hide();
        Q_EMIT fertig(loesung);
    });
    show();
}
