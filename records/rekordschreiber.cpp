#include "records/rekordschreiber.h"

#include "game/rekord.h"

#include "kit/meldung.h"

#include <QString>

using namespace Qt::StringLiterals;

namespace {

QString frage(int schritte) {
    const QString wort = schritte == 1 ? u"Schritt"_s : u"Schritten"_s;
    return u"Neuer Rekord! Sie haben das Level in %1 %2 geschafft. "
           u"Bitte geben Sie Ihren Namen ein:"_s.arg(schritte)
               .arg(wort);
}

} // namespace

void neuenRekordAnbieten(QWidget* eltern, const QString& levelDatei, int schritte) {
    const std::string pfad = rekordDatei(levelDatei.toStdString());
    std::string fehler;
    if (!istNeuerRekord(pfad, schritte, &fehler)) {
        // A record file that cannot be read is kept as it is; the player learns why once.
        if (!fehler.empty())
            meldung::zeigen(eltern, QMessageBox::Warning, meldung::programmTitel,
                            QString::fromStdString(fehler));
        return;
    }
    const auto name = meldung::erfragen(eltern, u"Neuer Rekord!"_s, frage(schritte));
    if (!name)
        return;
    if (const auto fehler = rekordSchreiben(pfad, schritte, name->toStdString()))
        meldung::zeigen(eltern, QMessageBox::Warning, meldung::programmTitel,
                        QString::fromStdString(*fehler));
}
