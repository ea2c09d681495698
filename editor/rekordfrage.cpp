#include "editor/rekordfrage.h"

#include "game/rekord.h"
#include "kit/meldung.h"

#include <QFile>
#include <QFileInfo>

namespace {

QString rekordZu(const QString& pfad) {
    return QString::fromStdString(rekordDatei(pfad.toStdString()));
}

} // namespace

Rekordwahl Rekordfrage::stellen(QWidget* eltern, const QString& titel, const QString& pfad) {
    const QString rekord = rekordZu(pfad);
    if (!QFileInfo::exists(pfad) || !QFileInfo::exists(rekord) || rekord == behalten)
        return Rekordwahl::behalten;
    const auto antwort = meldung::zeigen(
        eltern, QMessageBox::Question, titel,
        QStringLiteral("Zu „%1“ gibt es einen Rekord. Nach der Änderung passt er vielleicht "
                       "nicht mehr zum Level. Soll der Rekord gelöscht werden?")
            .arg(QFileInfo(pfad).fileName()),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (antwort == QMessageBox::Cancel)
        return Rekordwahl::abbrechen;
    if (antwort == QMessageBox::Yes)
        return Rekordwahl::loeschen;
    behalten = rekord;
    return Rekordwahl::behalten;
}

void Rekordfrage::loeschen(QWidget* eltern, const QString& titel, const QString& pfad) {
    const QString rekord = rekordZu(pfad);
    if (!QFile::remove(rekord))
        meldung::zeigen(eltern, QMessageBox::Warning, titel,
                        QStringLiteral("Der Rekord „%1“ konnte nicht gelöscht werden.")
                            .arg(QFileInfo(rekord).fileName()));
}
