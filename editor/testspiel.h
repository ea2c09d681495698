#pragma once

#include "game/brett.h"

#include <QObject>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class Brettbild;
class Brettflaeche;
class Explosionsbild;
class Kachelblatt;
struct Einstellungen;

// Test play inside the editor with the game's own level start, move rule, explosion and
// completion test, drawn with the game's tiles onto the editor's board picture.
class Testspiel : public QObject {
    Q_OBJECT
  public:
    // `knall` plays the explosion sound while the settings have it on.
    Testspiel(Brettbild& bild, const Kachelblatt& blatt, const Einstellungen& einstellungen,
              std::function<void()> knall);
    ~Testspiel() override;

    // Starts the level file; the game's German message when it cannot.
    std::string starten(const std::string& pfad);

    // An arrow key; the step is remembered so that `zurueck` can take it back.
    void taste(int keyCode);
    bool zurueck();
    // A step as the solver writes it: 'l', 'r', 'o' or 'u'.
    void zug(char richtung);

    const Brett& brett() const { return *spiel; }

    static constexpr std::size_t gedaechtnis = 1000; // steps Backspace can take back

  Q_SIGNALS:
    void gezogen(); // counters may have changed
    void geschafft();

  private:
    void neuZeichnen();
    void abschlussMelden();

    std::unique_ptr<Brett> spiel;
    std::vector<Brett> vorher;
    std::unique_ptr<Brettflaeche> flaeche;
    Explosionsbild* explosion;
};
