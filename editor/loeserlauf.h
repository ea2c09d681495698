#pragma once

#include "game/loeser/loeser.h"

#include <QObject>
#include <QThread>
#include <atomic>
#include <memory>

class Brett;

// "Lösbar?": the solver on a thread of its own, so the window stays responsive and the
// author can cancel. Reports and the result arrive as signals on the window's thread.
class Loeserlauf : public QObject {
    Q_OBJECT
  public:
    // Starts at once on a copy of the started board.
    explicit Loeserlauf(const Brett& brett, QObject* parent = nullptr);
    ~Loeserlauf() override; // cancels and waits for the thread

    void abbrechen() { abbruch = true; }

  Q_SIGNALS:
    void stand(quint64 zustaende, int schranke);
    void fertig(const Loesung& loesung);

  private:
    std::atomic<bool> abbruch = false;
    QThread* faden = nullptr;
};
