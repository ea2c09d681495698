#pragma once

#include "editor/loesbarkeit.h"

#include <QProgressDialog>

class Brett;
class Loeserlauf;

// "Lösbar?" while it searches: the fast search and the proof side by side, each with its
// own line of progress, and "Abbrechen" to end both. The fast search's answer shows as soon
// as it has one. The dialog closes before the answer is handed on, so no progress stays
// behind the questions that follow.
class Loesungssuche : public QProgressDialog {
    Q_OBJECT
  public:
    // Starts at once on a copy of the started board and shows itself.
    Loesungssuche(const Brett& brett, const QString& titel, QWidget* eltern);

  Q_SIGNALS:
    void fertig(const Loesbarkeitsantwort& antwort);

  private:
    // A search's line: its name, then how far it is or how it ended.
    struct Zeile {
        QString name;
        QString stand;
    };

    Loeserlauf* starten(const Brett& brett, bool schnell, Zeile& zeile);
    void beendet(bool schnell, const Loesung& ergebnis);
    void zeigen();

    Loeseroptionen grenzen;
    Loesbarkeit loesbarkeit;
    Zeile beispielZeile, beweisZeile;
    Loeserlauf* beispiel = nullptr;
    Loeserlauf* beweis = nullptr;
};
