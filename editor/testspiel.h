#pragma once

#include "game/brett.h"
#include "kit/spielsteuerung.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

class Brettbild;
class Brettflaeche;
class Explosionsbild;
class Kachelblatt;
struct Einstellungen;

// Test play inside the editor with the game's own level start, move rule, explosion,
// completion test and mouse, drawn with the game's tiles onto the editor's board picture.
class Testspiel : public QObject {
    Q_OBJECT
  public:
    // `knall` plays the explosion sound while the settings have it on.
    Testspiel(Brettbild& bild, const Kachelblatt& blatt, const Einstellungen& einstellungen,
              std::function<void()> knall);
    ~Testspiel() override;

    // Starts the level file; the game's German message when it cannot.
    std::string starten(const std::string& pfad);

    // An arrow key and a step back, through the game's own control: a key stops a walk
    // of the mouse, a step back never leads into a completed level and waits for the end
    // of a running blast.
    void taste(int keyCode);
    void zurueck();
    // Plays a solution back, one step per tick, each as the solver writes it: 'l', 'r',
    // 'o' or 'u'. The playback ends with the keys or with the test play.
    void vorspielen(std::string zuege);

    const Brett& brett() const { return *spiel; }

  Q_SIGNALS:
    void gezogen(); // counters may have changed
    void geschafft();

  private:
    void neuZeichnen();
    void geschritten();
    void explosionVorbei();
    void abschlussMelden();
    void vorspielSchritt();

    std::unique_ptr<Brett> spiel;
    std::unique_ptr<Brettflaeche> flaeche;
    Explosionsbild* explosion;
    Spielsteuerung steuerung;
    static constexpr int vorspielTaktMs = 200; // a pace the author can follow
    std::string vorspiel;                      // the solution's keys still to be played back
    QTimer vorspielTakt;
};
