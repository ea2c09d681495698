#pragma once

#include "game/suchgrenze.h"

#include <QString>
#include <optional>
#include <string>

// What "Lösbar?" tells the author: a message, and a solution to offer for play back.
struct Loesbarkeitsantwort {
    QString text;
    std::optional<std::string> zuege;
};

// "1 Schritt", "7 Schritten": a count of steps as the answers read it.
QString schritteText(int anzahl);

// "Lösbar?" runs two searches side by side: the fast one finds some solution soon, the
// proof finds the fewest steps. From what each of them ended with, this decides when the
// answer stands and what it is.
class Loesbarkeit {
  public:
    // `grenzen`: the limits both searches run under, to name the one that ended a search.
    explicit Loesbarkeit(const Loeseroptionen& grenzen) : grenzen(grenzen) {}

    void beispielEnde(const Loesung& ergebnis) { beispiel = ergebnis; }
    void beweisEnde(const Loesung& ergebnis) { beweis = ergebnis; }

    // Whether a search still running could change the answer no more.
    bool entschieden() const;
    // Once `entschieden`.
    Loesbarkeitsantwort antwort() const;

  private:
    QString warumNichtDieKuerzeste() const;
    QString ohneAntwort() const;
    // `modus`: the checker's options for the search that reached the limit.
    QString grenzeMitAusweg(const Loesung& ergebnis, const QString& modus) const;

    Loeseroptionen grenzen;
    std::optional<Loesung> beispiel, beweis;
};
