#pragma once

#include <QString>

struct Aussenwelt;
class QWidget;

// What the main window starts outside the game: a page of the program folder in the
// desktop's viewer, and the level editor beside the game's program. A launch that fails is told
// to the player in a message box over `fenster`.
class Aussenstarts {
  public:
    // `ordner` is the program folder, ending in '/'.
    Aussenstarts(QWidget& fenster, const QString& ordner, const Aussenwelt& aussenwelt);

    void seiteOeffnen(const QString& seite) const;
    void editorStarten() const;

  private:
    void melden(const QString& text) const;

    QWidget& fenster;
    QString ordner;
    const Aussenwelt& aussenwelt;
};
