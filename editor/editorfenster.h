#pragma once

#include "editor/leveldateien.h"
#include "game/konfiguration.h"
#include "game/levelmodell/levelmodell.h"
#include "game/levelmodell/verlauf.h"
#include "game/levelmodell/werkzeug.h"
#include "kit/aussenwelt.h"
#include "kit/kachelblatt.h"

#include <QFile>
#include <QMainWindow>
#include <memory>
#include <string>
#include <vector>

class Editorbrett;
class Loesungssuche;
struct Loesbarkeitsantwort;
class QAction;
class QActionGroup;
class QLabel;
class QLineEdit;
class QToolButton;
class Testspiel;

// The level editor's window: palette, board, author, status line and menus, test play and
// "Lösbar?". Every change goes into the level model of the core; the window only draws and
// asks. The level's files and the clipboard are the work of `Leveldateien`.
class Editorfenster : public QMainWindow {
    Q_OBJECT
  public:
    // `ordner` is the program folder, ending in '/'.
    explicit Editorfenster(const QString& ordner, Aussenwelt aussenwelt = Aussenwelt::echt(),
                           Editordialoge dialoge = Editordialoge::echt(),
                           QWidget* parent = nullptr);
    ~Editorfenster() override;

    // Opens a level file or a text file; false when nothing was opened.
    bool dateiOeffnen(const QString& pfad) { return dateien.dateiOeffnen(QFile::encodeName(pfad)); }
    // The same for a path as the system hands it over, byte for byte.
    bool dateiOeffnen(const QByteArray& pfad) { return dateien.dateiOeffnen(pfad); }

    // The menu commands, public so that tests drive them as the author does.
    void neu();
    void oeffnen();
    bool speichern() { return dateien.speichern(); }
    bool speichernUnter() { return dateien.speichernUnter(); }
    void sammlungImportieren() { dateien.sammlungImportieren(); }
    void kopieren() { dateien.kopieren(); }
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
    // Another level came from a file or "Neu": its history starts anew.
    void levelGeladen();
    void testBeenden();
    void loesungZeigen(const Loesbarkeitsantwort& antwort);
    void zelleZeichnen(Zellort ort);
    void allesZeichnen();
    void anzeigen();
    void hinweis(const QString& text);
    void melden(const QString& text);

    QString ordner;
    Aussenwelt aussenwelt;
    Einstellungen einstellungen;
    Kachelblatt blatt;
    Levelmodell level;
    Verlauf verlauf;
    Levelmodell strichVorher;
    Werkzeug gewaehlt = Werkzeug::mauer;
    Leveldateien dateien;
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
