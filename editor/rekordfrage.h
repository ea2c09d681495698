#pragma once

#include <QString>

class QWidget;

// Saving over a level file with a record: the record may not fit the changed level, so
// the author decides whether it goes. A "Nein" holds for that record until another level
// is opened.
class Rekordfrage {
  public:
    // Asks when `pfad` and its record exist; false when the author cancels the saving.
    bool stellen(QWidget* eltern, const QString& titel, const QString& pfad);
    void vergessen() { behalten.clear(); }

  private:
    QString behalten; // the record file whose question was answered "Nein"
};
