#include "kit/programmorte.h"

#include "game/programmordner.h"
#include "kit/meldung.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

// More lines would push the box's button off the screen.
constexpr qsizetype gezeigteMeldungen = 5;

QString ordnerPfad(const QString& pfad) {
    return QDir::cleanPath(pfad) + u'/';
}

} // namespace

Programmorte programmorte() {
    const QString programme = ordnerPfad(QCoreApplication::applicationDirPath());
    // The folders below the install prefix, relative to the programs' folder.
    const QString mitgeliefert = ordnerPfad(programme + QStringLiteral(LAGERIX_MITGELIEFERT));
    if (!QFileInfo(mitgeliefert).isDir())
        return {programme, programme + u"lagerix-klang"_s, {}, programme};
    return {programme, ordnerPfad(programme + QStringLiteral(LAGERIX_MODULE)) + u"lagerix-klang"_s,
            mitgeliefert,
            ordnerPfad(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                       u"/lagerix2000"_s)};
}

QString programmordnerBereiten() {
    const Programmorte orte = programmorte();
    if (orte.mitgeliefert.isEmpty())
        return orte.ordner;
    QStringList meldungen;
    for (const std::string& text :
         programmordnerEinrichten(QFile::encodeName(orte.mitgeliefert).toStdString(),
                                  QFile::encodeName(orte.ordner).toStdString()))
        meldungen << QString::fromStdString(text);
    const bool ordnerDa = QFileInfo(orte.ordner).isDir();
    if (meldungen.size() > gezeigteMeldungen)
        meldungen = meldungen.first(gezeigteMeldungen)
                    << u"… und %1 weitere."_s.arg(meldungen.size() - gezeigteMeldungen);
    if (!ordnerDa)
        meldungen << u"Das Spiel läuft ohne ihn: Einstellungen, Lesezeichen und Rekorde werden "
                     u"nicht gespeichert."_s;
    if (!meldungen.isEmpty())
        meldung::zeigen(nullptr, QMessageBox::Warning, meldung::programmTitel,
                        meldungen.join(u'\n'));
    return ordnerDa ? orte.ordner : orte.mitgeliefert;
}
