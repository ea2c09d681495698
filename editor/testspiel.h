#pragma once

#include "game/brett.h"
#include "game/explosion.h"
#include "game/zug.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class Brettbild;
class Kachelblatt;
class QLabel;

// Test play inside the editor with the game's own level start, move rule, explosion and
// completion test, drawn with the game's tiles onto the editor's board picture.
class Testspiel : public QObject {
    Q_OBJECT
  public:
    // `knall` plays the explosion sound; empty when the sound is off.
    Testspiel(Brettbild& bild, const Kachelblatt& blatt, std::function<void()> knall);
    ~Testspiel() override;

    // Starts the level file; the game's German message when it cannot.
    std::string starten(const std::string& pfad);

    // An arrow key; the step is remembered so that `zurueck` can take it back.
    void taste(int keyCode);
    bool zurueck();
    // A step as the solver writes it: 'l', 'r', 'o' or 'u'.
    void zug(char richtung);

    const Brett& brett() const { return *spiel; }
    QTimer& explosionsTakt() { return takt; }

    static constexpr int explosionsTaktMs = 40;      // as the game shows each frame
    static constexpr std::size_t gedaechtnis = 1000; // steps Backspace can take back

  Q_SIGNALS:
    void gezogen(); // counters may have changed
    void geschafft();

  private:
    class Flaeche;
    void explosionStarten(Sprengung sprengung);
    void explosionsTick();
    void explosionBeenden();
    void neuZeichnen();
    void abschlussMelden();

    Brettbild& bild;
    const Kachelblatt& blatt;
    std::function<void()> knall;
    std::unique_ptr<Brett> spiel;
    std::vector<Brett> vorher;
    Explosion explosion;
    std::unique_ptr<Flaeche> flaeche;
    QLabel* explosionsBild;
    QTimer takt;
};
