#pragma once

#include "game/loeser/loeser.h"

#include <chrono>
#include <functional>
#include <iosfwd>
#include <string>

// The search's progress for a terminal: from the first second on, one line a second
// (positions, bound, memory, time), written over in place, so a long search shows that it
// runs without filling the screen.
class Fortschrittszeile : public Fortschritt {
  public:
    using Uhr = std::function<std::chrono::steady_clock::time_point()>;

    // `mitSchranke`: the bound is worth showing (the fast search's counts pushes only).
    Fortschrittszeile(std::ostream& aus, bool mitSchranke,
                      Uhr uhr = std::chrono::steady_clock::now);

    void melden(const Suchstand& stand) override;
    // Blanks the line, so what is printed next starts at the left edge.
    void loeschen();

  private:
    std::ostream& aus;
    bool mitSchranke;
    Uhr uhr;
    std::chrono::steady_clock::time_point beginn, naechste;
    std::size_t laenge = 0; // of the line on the screen
};
