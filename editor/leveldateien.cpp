#include "editor/leveldateien.h"

#include "editor/dateiname.h"
#include "editor/editormeldung.h"
#include "game/levelmodell/leveldatei.h"
#include "game/levelmodell/sammlung.h"
#include "game/levelmodell/textnotation.h"
#include "game/textdatei.h"
#include "kit/meldung.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QTemporaryDir>

namespace {

const QString levelFilter = QStringLiteral(
    "Level und Textlevel (*.lev *.txt *.xsb *.sok);;Level (*.lev);;Textlevel (*.txt *.xsb *.sok)");
const QString nichtStartbar = QStringLiteral("So kann das Spiel das Level nicht starten:\n");
const QString textFilter = QStringLiteral("Textlevel (*.txt *.xsb *.sok);;Alle Dateien (*)");

// The characters of the level's texts (the author) that the level file cannot hold.
QString ersatzbeduerftig(const Levelmodell& level) {
    std::string text;
    for (const auto& zeile : levelZeilen(level))
        text += zeile;
    return QString::fromStdString(nichtDarstellbar(text));
}

// The level file is Windows-1252, as the game reads it: the author decides whether
// characters beyond it may be saved as '?'. True when there are none.
bool ersetzenErlaubt(QWidget* fenster, const QString& zeichen) {
    return zeichen.isEmpty() ||
           meldung::zeigen(fenster, QMessageBox::Question, fensterTitel,
                           QStringLiteral("Diese Zeichen kann die Leveldatei nicht aufnehmen; "
                                          "sie werden als „?“ gespeichert: %1\nTrotzdem "
                                          "speichern?")
                               .arg(zeichen),
                           QMessageBox::Save | QMessageBox::Cancel) == QMessageBox::Save;
}

// Where the level goes for the game's level start to read it. Qt's own temporary path is
// empty for a TMPDIR that does not exist, and its folder would then land anywhere.
QString ablageOrt() {
    return qEnvironmentVariable("TMPDIR", QStringLiteral("/tmp"));
}

// Why no temporary folder could be made there.
QString ablageFehler(const QTemporaryDir& ablage) {
    const QFileInfo ort(ablageOrt());
    if (!ort.exists())
        return QStringLiteral("den Ordner gibt es nicht");
    if (!ort.isDir())
        return QStringLiteral("an seiner Stelle steht eine Datei");
    if (!ort.isWritable())
        return QStringLiteral("keine Berechtigung");
    return ablage.errorString();
}

} // namespace

QString ablageVorlage() {
    return ablageOrt() + QStringLiteral("/lagerix-editor-XXXXXX");
}

Editordialoge Editordialoge::echt() {
    return {
        [](QWidget* eltern, const QString& titel, const QString& ordner, const QString& filter) {
            return QFileDialog::getOpenFileName(eltern, titel, ordner, filter);
        },
        [](QWidget* eltern, const QString& vorschlag) {
            return QFileDialog::getSaveFileName(eltern, QStringLiteral("Level speichern"),
                                                vorschlag, QStringLiteral("Level (*.lev)"));
        },
        [](QWidget* eltern, const QString& titel, const QStringList& eintraege) {
            bool ok = false;
            const QString wahl = QInputDialog::getItem(eltern, titel, QStringLiteral("Level:"),
                                                       eintraege, 0, false, &ok);
            return ok ? static_cast<int>(eintraege.indexOf(wahl)) : -1;
        },
    };
}

Leveldateien::Leveldateien(QWidget* fenster, Levelmodell& level, const QString& ordner,
                           Editordialoge dialoge)
    : fenster(fenster), level(level), ordner(ordner), dialoge(std::move(dialoge)) {}

void Leveldateien::melden(const QString& text) {
    warnen(fenster, text);
}

// --- opening ---

void Leveldateien::neuesLevel(Levelmodell neu, const QString& name, const std::string& pfad) {
    level = std::move(neu);
    titelName = name;
    levelPfad = pfad;
    gespeichert = level;
    rekordfrage.vergessen();
    Q_EMIT geladen();
}

void Leveldateien::neu() {
    if (aenderungenSichern())
        neuesLevel(Levelmodell{}, {}, {});
}

void Leveldateien::oeffnen() {
    if (!aenderungenSichern())
        return;
    const QString pfad =
        dialoge.oeffnen(fenster, QStringLiteral("Level öffnen"), ordner, levelFilter);
    if (!pfad.isEmpty())
        dateiOeffnen(QFile::encodeName(pfad));
}

bool Leveldateien::dateiOeffnen(const QByteArray& nativ) {
    const std::string pfad = nativ.toStdString();
    const QString name = anzeigeName(pfad);
    if (QFileInfo(name).suffix().compare(QStringLiteral("lev"), Qt::CaseInsensitive) == 0) {
        auto geoeffnet = levelOeffnen(pfad);
        if (!geoeffnet.modell) {
            melden(QString::fromStdString(geoeffnet.fehler));
            return false;
        }
        neuesLevel(std::move(*geoeffnet.modell), name, pfad);
        if (!geoeffnet.hinweis.empty())
            Q_EMIT hinweis(QString::fromStdString(geoeffnet.hinweis));
        if (!geoeffnet.warnung.empty()) {
            gespeichert.reset();
            Q_EMIT dateiGeaendert();
            melden(QString::fromStdString(geoeffnet.warnung));
        }
        return true;
    }
    const auto gelesen = textDateiLesen(QFile::decodeName(nativ));
    if (!gelesen)
        return false;
    const auto& levels = *gelesen;
    if (levels.empty()) {
        melden(QStringLiteral("In der Datei „%1“ steht kein Level in Textform.").arg(name));
        return false;
    }
    std::size_t nummer = 0;
    if (levels.size() > 1) {
        QStringList namen;
        for (std::size_t i = 0; i < levels.size(); ++i)
            namen << QStringLiteral("%1: %2").arg(i + 1).arg(
                levels[i].titel.empty() ? QStringLiteral("Level %1").arg(i + 1)
                                        : QString::fromStdString(levels[i].titel));
        const int wahl = dialoge.waehlen(fenster, QStringLiteral("Level wählen"), namen);
        if (wahl < 0)
            return false;
        nummer = static_cast<std::size_t>(wahl);
    }
    auto umwandlung = ausText(levels[nummer], Brettgroesse::voll);
    if (!umwandlung.modell) {
        melden(QString::fromStdString(umwandlung.fehler));
        return false;
    }
    // A text level is saved under a level file name of its own.
    neuesLevel(std::move(*umwandlung.modell), name, {});
    return true;
}

std::optional<std::vector<TextLevel>> Leveldateien::textDateiLesen(const QString& pfad) {
    const Textinhalt inhalt = textdateiLesen(pfadText(pfad));
    if (inhalt.fehler != Dateifehler::keiner) {
        melden(QString::fromStdString(lesefehlerMeldung("Die Datei", pfadText(pfad), inhalt)));
        return std::nullopt;
    }
    return textLevelsLesen(notationstextLesen(inhalt.bytes));
}

void Leveldateien::sammlungImportieren() {
    const QString pfad =
        dialoge.oeffnen(fenster, QStringLiteral("Sammlung importieren"), ordner, textFilter);
    if (pfad.isEmpty())
        return;
    const auto levels = textDateiLesen(pfad);
    if (!levels)
        return;
    const auto bericht = ::sammlungImportieren(*levels, pfadText(ordner),
                                               pfadText(QFileInfo(pfad).completeBaseName()));
    meldung::zeigen(fenster, QMessageBox::Information, fensterTitel,
                    QString::fromStdString(berichtText(bericht)));
}

// --- saving ---

bool Leveldateien::speichern() {
    if (levelPfad.empty())
        return speichernUnter();
    return startbar(nichtStartbar) && speichernNach(levelPfad);
}

// A level the game could not start is refused before the author names a file for it.
bool Leveldateien::speichernUnter() {
    if (!startbar(nichtStartbar))
        return false;
    QString vorschlag = ordner + (titelName.isEmpty() ? QStringLiteral("neues-level.lev")
                                                      : QFileInfo(titelName).completeBaseName() +
                                                            QStringLiteral(".lev"));
    if (!levelPfad.empty())
        vorschlag = QFile::decodeName(QByteArray::fromStdString(levelPfad));
    QString pfad = dialoge.speichern(fenster, vorschlag);
    if (pfad.isEmpty())
        return false;
    if (QFileInfo(pfad).suffix().isEmpty())
        pfad += QStringLiteral(".lev");
    return speichernNach(pfadText(pfad));
}

bool Leveldateien::speichernNach(const std::string& pfad) {
    if (gelieferterLevel(pfad, pfadText(ordner))) {
        const auto antwort = meldung::zeigen(
            fenster, QMessageBox::Question, fensterTitel,
            QStringLiteral("„%1“ kam mit dem Spiel: Ein Update des Spiels ersetzt das Level "
                           "wieder, und Ihre Änderungen wären fort.\n\nSoll es unter einem "
                           "eigenen Namen gespeichert werden („Speichern unter…“)? „Nein“ "
                           "speichert trotzdem hier.")
                .arg(anzeigeName(pfad)),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (antwort == QMessageBox::Yes)
            return speichernUnter();
        if (antwort != QMessageBox::No)
            return false;
    }
    const QString ersetzt = ersatzbeduerftig(level);
    if (!ersetzenErlaubt(fenster, ersetzt))
        return false;
    const Rekordwahl rekord = rekordfrage.stellen(fenster, fensterTitel, pfad);
    if (rekord == Rekordwahl::abbrechen)
        return false;
    if (const auto fehler = levelSpeichern(level, pfad)) {
        melden(QString::fromStdString(*fehler));
        return false;
    }
    if (rekord == Rekordwahl::loeschen)
        Rekordfrage::loeschen(fenster, fensterTitel, pfad);
    levelPfad = pfad;
    titelName = anzeigeName(pfad);
    gespeichert = level;
    Q_EMIT dateiGeaendert();
    const auto probleme = levelPruefen(level);
    QString status = probleme.empty()
                         ? QStringLiteral("Gespeichert.")
                         : QStringLiteral("Gespeichert, noch offen: ") +
                               problemListe(probleme).replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (!ersetzt.isEmpty())
        status += QStringLiteral(" In der Datei steht „?“ statt %1.").arg(ersetzt);
    Q_EMIT hinweis(status);
    return true;
}

bool Leveldateien::aenderungenSichern() {
    if (!ungespeichert())
        return true;
    const auto antwort = meldung::zeigen(
        fenster, QMessageBox::Question, fensterTitel,
        QStringLiteral("Das Level wurde geändert. Sollen die Änderungen gespeichert werden?"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    if (antwort == QMessageBox::Save)
        return speichern();
    return antwort == QMessageBox::Discard;
}

// --- for the game's level start ---

bool Leveldateien::startbar(const QString& kopf) {
    const auto probleme = levelPruefen(level);
    if (!speichernGesperrt(probleme))
        return true;
    melden(kopf + problemListe(probleme));
    return false;
}

std::optional<std::string> Leveldateien::zumStartenAblegen(const QTemporaryDir& ablage,
                                                           const QString& vorhaben) {
    if (!startbar(QStringLiteral("So kann das Level nicht %1 werden:\n").arg(vorhaben)))
        return std::nullopt;
    if (!ablage.isValid()) {
        melden(QStringLiteral("So kann das Level nicht %1 werden: Im Ordner „%2“ lässt sich "
                              "kein Arbeitsordner anlegen (%3).")
                   .arg(vorhaben, ablageOrt(), ablageFehler(ablage)));
        return std::nullopt;
    }
    // The game's level start reads a file: the level goes through a temporary one.
    const std::string datei = pfadText(ablage.filePath(QStringLiteral("level.lev")));
    if (const auto fehler = levelSpeichern(level, datei)) {
        melden(QString::fromStdString(*fehler));
        return std::nullopt;
    }
    return datei;
}

// --- the clipboard ---

void Leveldateien::kopieren() {
    QApplication::clipboard()->setText(QString::fromStdString(alsText(level)));
    Q_EMIT hinweis(QStringLiteral("Das Level steht als Text in der Zwischenablage."));
}

bool Leveldateien::einfuegen() {
    const std::string text = QApplication::clipboard()->text().toStdString();
    // A file of more could not be opened either; reading it would only keep the window busy.
    if (text.size() > groessteTextdatei) {
        melden(QStringLiteral("Der Text in der Zwischenablage ist größer als %1 MB und kann kein "
                              "Level sein.")
                   .arg(groessteTextdatei / (1024 * 1024)));
        return false;
    }
    const auto levels = textLevelsLesen(notationstextLesen(text));
    if (levels.empty()) {
        melden(QStringLiteral("In der Zwischenablage steht kein Level in Textform."));
        return false;
    }
    auto umwandlung = ausText(levels.front(), level.groesse());
    if (!umwandlung.modell) {
        melden(QString::fromStdString(umwandlung.fehler));
        return false;
    }
    if (umwandlung.modell->autor.empty())
        umwandlung.modell->autor = level.autor;
    level = std::move(*umwandlung.modell);
    // A pasted level is a new one: the file that was open keeps its content, and saving
    // asks for a name.
    levelPfad.clear();
    titelName.clear();
    return true;
}
