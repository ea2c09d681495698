#include "editor/rekordfrage.h"

#include "editor/dateiname.h"
#include "game/rekord.h"
#include "kit/meldung.h"

#include <filesystem>

Rekordwahl Rekordfrage::stellen(QWidget* eltern, const QString& titel, const std::string& pfad) {
    const std::string rekord = rekordDatei(pfad);
    std::error_code fehler;
    if (!std::filesystem::exists(pfad, fehler) || !std::filesystem::exists(rekord, fehler) ||
        rekord == behalten)
        return Rekordwahl::behalten;
    const auto antwort = meldung::zeigen(
        eltern, QMessageBox::Question, titel,
        QStringLiteral("Zu „%1“ gibt es einen Rekord. Nach der Änderung passt er vielleicht "
                       "nicht mehr zum Level. Soll der Rekord gelöscht werden?")
            .arg(anzeigeName(pfad)),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (antwort == QMessageBox::Cancel)
        return Rekordwahl::abbrechen;
    if (antwort == QMessageBox::Yes)
        return Rekordwahl::loeschen;
    behalten = rekord;
    return Rekordwahl::behalten;
}

void Rekordfrage::loeschen(QWidget* eltern, const QString& titel, const std::string& pfad) {
    const std::string rekord = rekordDatei(pfad);
    std::error_code fehler;
    if (!std::filesystem::remove(rekord, fehler))
        meldung::zeigen(eltern, QMessageBox::Warning, titel,
                        QStringLiteral("Der Rekord „%1“ konnte nicht gelöscht werden.")
                            .arg(anzeigeName(rekord)));
}
