#pragma once

#include "game/loeser/loeser.h"

#include <QObject>
#include <QThread>
#include <atomic>

class Brett;

// One search of "Lösbar?" on a thread of its own, so the window stays responsive and the
// author can cancel. Reports and the result arrive as signals on the window's thread.
class Loeserlauf : public QObject {
    Q_OBJECT
  public:
    // Starts at once on a copy of the started board; `optionen.abbrechen` is the run's own.
    Loeserlauf(const Brett& brett, Loeseroptionen optionen, QObject* parent = nullptr);
    ~Loeserlauf() override; // cancels and waits for the thread

    void abbrechen() { abbruch = true; }

  Q_SIGNALS:
    void stand(const Suchstand& stand);
    void fertig(const Loesung& ergebnis);

  private:
    std::atomic<bool> abbruch = false;
    QThread* faden = nullptr;
};
