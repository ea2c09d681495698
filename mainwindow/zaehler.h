#pragma once

class Brett;
class QLabel;
class QString;
class QWidget;

// The counters below the board, left to right, and the level's author: labels of the
// main window at the places of its design.
class Zaehler {
  public:
    explicit Zaehler(QWidget& fenster);

    // The placed boxes, all boxes and the steps, as plain numbers.
    void zeigen(const Brett& brett);

    // A long name is cut at the label's end; its tooltip shows it whole.
    void autorZeigen(const QString& autor);

  private:
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Autor = nullptr;
};
