#pragma once

#include <QString>
#include <string>

class QWidget;

// What the author chose for the record of the level file being saved over.
enum class Rekordwahl { abbrechen, behalten, loeschen };

// Saving over a level file with a record: the record may not fit the changed level, so
// the author decides whether it goes. A "Nein" holds for that record until another level
// is opened. The record goes only after the level is on disk: a refused save keeps both.
// Paths are the system's bytes.
class Rekordfrage {
  public:
    // Asks when `pfad` and its record exist; `behalten` when there is nothing to ask.
    Rekordwahl stellen(QWidget* eltern, const QString& titel, const std::string& pfad);
    // Deletes the record of `pfad`, saying so when it cannot.
    static void loeschen(QWidget* eltern, const QString& titel, const std::string& pfad);
    void vergessen() { behalten.clear(); }

  private:
    std::string behalten; // the record file whose question was answered "Nein"
};
