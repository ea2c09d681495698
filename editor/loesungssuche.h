#pragma once

#include "game/loeser/loeser.h"

#include <QProgressDialog>

class Brett;

// "Lösbar?" while it searches: the solver's run and its progress, with "Abbrechen" to end
// it early. The dialog closes before the result is handed on, so no progress stays
// behind the questions that follow.
class Loesungssuche : public QProgressDialog {
    Q_OBJECT
  public:
    // Starts at once on a copy of the started board and shows itself.
    Loesungssuche(const Brett& brett, const QString& titel, QWidget* eltern);

  Q_SIGNALS:
    void fertig(const Loesung& loesung);
};
