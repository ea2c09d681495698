#pragma once

#include <QObject>
#include <atomic>
#include <chrono>
#include <memory>

class Brett;
class Brettbild;
class Hinweis;
class QThread;
class Spielsteuerung;
struct Loesung;

// H and Umschalt+H: the solution from the position in play is searched on a thread of its
// own while a note over the board says so; then the figure walks it through the game
// control at the pace of the mouse, so every step is counted and can be taken back.
class Hinweisgeber : public QObject {
    Q_OBJECT
  public:
    static constexpr std::chrono::milliseconds zeitGrenze{4000};
    static constexpr int notizMs = 5000; // how long an answer stays over the board

    enum class Umfang { naechsterSchub, ganzeLoesung };

    Hinweisgeber(const Brett& brett, Spielsteuerung& steuerung, Brettbild& bild,
                 QObject* parent = nullptr);
    ~Hinweisgeber() override; // cancels a search and waits for its thread

    // Walks to the next box of a solution and pushes it once, or plays the whole solution.
    void geben(Umfang umfang);

    // A key, a press on the board or a move of the figure: a running search ends unheard.
    void anhalten();

    // A hint has been walked since the board was started, restarted or recalled.
    bool genutzt() const { return hinweisGenutzt; }

  private:
    void fadenBeenden();
    void gefunden(const Loesung& loesung, Umfang umfang);

    const Brett& brett;
    Spielsteuerung& steuerung;
    Hinweis* notiz;
    std::unique_ptr<QThread> faden;
    std::atomic<bool> abbruch = false;
    int suche = 0; // the number of the search whose answer is awaited; 0: none
    int letzteSuche = 0;
    bool hinweisGenutzt = false;
};
