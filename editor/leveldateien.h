#pragma once

#include "editor/rekordfrage.h"
#include "game/levelmodell/levelmodell.h"

#include <QObject>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QTemporaryDir;
class QWidget;
struct TextLevel;

// Where a temporary folder of the editor's own is made: the pattern for QTemporaryDir.
QString ablageVorlage();

// The file and list choices of the editor; tests replace them.
struct Editordialoge {
    // A file to open, empty when cancelled. `ordner` is where the dialog starts.
    std::function<QString(QWidget*, const QString& titel, const QString& ordner,
                          const QString& filter)>
        oeffnen;
    // A file name to save under, empty when cancelled.
    std::function<QString(QWidget*, const QString& vorschlag)> speichern;
    // The index of the chosen entry, -1 when cancelled.
    std::function<int(QWidget*, const QString& titel, const QStringList& eintraege)> waehlen;

    static Editordialoge echt();
};

// The level's files and the clipboard: which file the editor's level came from, whether it
// has changed since, and opening, saving, importing, copying and pasting with every question
// the author is asked on the way; also the temporary file that test play and "Lösbar?"
// start the level from. The level is the window's: this reads it to save and copy, and
// replaces it when a file or a paste brings another.
class Leveldateien : public QObject {
    Q_OBJECT
  public:
    // `fenster` carries the dialogs; `ordner` is the program folder, ending in '/'.
    Leveldateien(QWidget* fenster, Levelmodell& level, const QString& ordner,
                 Editordialoge dialoge);

    void neu();
    void oeffnen();
    // Opens a level file or a text file, its path as the system hands it over, byte for
    // byte; false when nothing was opened.
    bool dateiOeffnen(const QByteArray& pfad);
    bool speichern();
    bool speichernUnter();
    // False when the author cancels or the save fails: the changes are still there.
    bool aenderungenSichern();
    void sammlungImportieren();
    void kopieren();
    // True when the clipboard's level replaced the level; it has no file yet.
    bool einfuegen();
    // Writes the level where the game's level start can read it; none (and the author
    // told why) when the game could not start it. `vorhaben`: "getestet", "geprüft".
    std::optional<std::string> zumStartenAblegen(const QTemporaryDir& ablage,
                                                 const QString& vorhaben);

    // The file shown in the title, empty while there is none.
    const QString& name() const { return titelName; }
    bool ungespeichert() const { return !gespeichert || level != *gespeichert; }

  Q_SIGNALS:
    // Another level replaced the old one: what was done to the old one is history.
    void geladen();
    // The file or how the level stands to it changed.
    void dateiGeaendert();
    // A line for the status bar.
    void hinweis(const QString& text);

  private:
    void neuesLevel(Levelmodell neu, const QString& name, const std::string& pfad);
    bool speichernNach(const std::string& pfad);
    // False, and the author told why after `kopf`, when the game could not start the level.
    bool startbar(const QString& kopf);
    // The text levels in a file; none (and the author told why) when it cannot be read.
    std::optional<std::vector<TextLevel>> textDateiLesen(const QString& pfad);
    void melden(const QString& text);

    QWidget* fenster;
    Levelmodell& level;
    QString ordner;
    Editordialoge dialoge;
    std::string levelPfad; // the .lev file saving writes, empty until there is one
    QString titelName;     // the file shown in the title
    // As last opened or saved: the level differs from it when unsaved. None when the
    // file holds what the grid cannot show, so that it differs whatever the author does.
    std::optional<Levelmodell> gespeichert = Levelmodell{};
    Rekordfrage rekordfrage;
};
