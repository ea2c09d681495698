#pragma once

#include <QMenu>

// The bookmark pop-up menu `mnu_lesezeichen`: "Abbrechen", then setting and recalling
// bookmarks 1 to 3. It only reports the player's choice.
class Lesezeichenmenue : public QMenu {
    Q_OBJECT
  public:
    explicit Lesezeichenmenue(QWidget* eltern);

  Q_SIGNALS:
    void abgebrochen();
    void setzen(int nummer);
    void abrufen(int nummer);
};
