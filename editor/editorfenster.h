#pragma once

#include "editor/rekordfrage.h"
#include "game/konfiguration.h"
#include "game/levelmodell/levelmodell.h"
#include "game/levelmodell/verlauf.h"
#include "game/levelmodell/werkzeug.h"
#include "kit/aussenwelt.h"
#include "kit/kachelblatt.h"

#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class Editorbrett;
class Loesungssuche;
class QTemporaryDir;
struct Loesbarkeitsantwort;
struct TextLevel;
class QAction;
class QActionGroup;
class QLabel;
class QLineEdit;
class QToolButton;
class Testspiel;

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

// The level editor's window: palette, board, author, status line and menus. Every
// change goes into the level model of the core; the window only draws and asks.
class Editorfenster : public QMainWindow {
    Q_OBJECT
  public:
    // `ordner` is the program folder, ending in '/'.
    explicit Editorfenster(const QString& ordner, Aussenwelt aussenwelt = Aussenwelt::echt(),
                           Editordialoge dialoge = Editordialoge::echt(),
                           QWidget* parent = nullptr);
    ~Editorfenster() override;

    // Opens a level file or a text file; false when nothing was opened.
    bool dateiOeffnen(const QString& pfad);
    // The same for a path as the system hands it over, byte for byte.
    bool dateiOeffnen(const QByteArray& pfad);

    // The menu commands, public so that tests drive them as the author does.
    void neu();
    void oeffnen();
    bool speichern();
    bool speichernUnter();
    void sammlungImportieren();
    void kopieren();
    void einfuegen();
    void pruefen();
    void testen();
    void loesbar();
    void rueckgaengig();
    void wiederherstellen();
    void groesseWaehlen(Brettgroesse groesse);
    void werkzeugWaehlen(Werkzeug w);

    const Levelmodell& modell() const { return level; }
    const Testspiel* testspiel() const { return spiel.get(); }
    Editorbrett& brettbild() const { return *bild; }

  protected:
    void closeEvent(QCloseEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

  private:
    void menuesAnlegen();
    QWidget* paletteAnlegen();
    void brettTaste(int taste, Qt::KeyboardModifiers umschalter);
    void strichBeginnen();
    void zelleBemalen(int spalte, int zeile, bool setzen);
    void strichBeenden();
    void mausUeber(int spalte, int zeile);
    void autorGeaendert(const QString& text);
    // Records `vorher` for undo when the level differs from it.
    void geaendertSeit(const Levelmodell& vorher);
    void imVerlaufGehen(bool (Verlauf::*schritt)(Levelmodell&));
    void neuesLevel(Levelmodell neu, const QString& titelName, const std::string& levelPfad);
    bool aenderungenSichern();
    bool speichernNach(const std::string& pfad);
    // False, and the author told why after `kopf`, when the game could not start the level.
    bool startbar(const QString& kopf);
    // The text levels in a file; none (and the author told why) when it cannot be read.
    std::optional<std::vector<TextLevel>> textDateiLesen(const QString& pfad);
    // Writes the level where the game's level start can read it; none (and the author
    // told why) when the game could not start it. `vorhaben`: "getestet", "geprüft".
    std::optional<std::string> zumStartenAblegen(const QTemporaryDir& ablage,
                                                 const QString& vorhaben);
    void testBeenden();
    void loesungZeigen(const Loesbarkeitsantwort& antwort);
    void zelleZeichnen(Zellort ort);
    void allesZeichnen();
    void anzeigen();
    void hinweis(const QString& text);
    void melden(const QString& text);
    bool ungespeichert() const { return !gespeichert || level != *gespeichert; }

    QString ordner;
    Aussenwelt aussenwelt;
    Editordialoge dialoge;
    Einstellungen einstellungen;
    Kachelblatt blatt;
    Levelmodell level;
    Verlauf verlauf;
    Levelmodell strichVorher;
    Werkzeug gewaehlt = Werkzeug::mauer;
    std::string levelPfad; // the .lev file saving writes, empty until there is one
    QString titelName;     // the file shown in the title
    // As last opened or saved: the level differs from it when unsaved. None when the
    // file holds what the grid cannot show, so that it differs whatever the author does.
    std::optional<Levelmodell> gespeichert = Levelmodell{};
    Rekordfrage rekordfrage;
    std::unique_ptr<Testspiel> spiel;
    Loesungssuche* suche = nullptr; // while "Lösbar?" searches

    Editorbrett* bild = nullptr;
    QLineEdit* autorFeld = nullptr;
    QLabel* zaehlerText = nullptr;
    QLabel* ortText = nullptr;
    std::vector<QToolButton*> werkzeugKnoepfe;
    QAction* kleinAktion = nullptr;
    QAction* vollAktion = nullptr;
};
