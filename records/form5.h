#pragma once

#include "kit/nebenfenster.h"
#include <QStringList>

struct Bestwert;
class QLabel;
class QListWidget;
class QPushButton;

// The records window: the levels that have a record file, the record of the selected
// one, and deleting one record or all of them. Modeless; it deletes itself when closed.
class Form5 : public Nebenfenster {
    Q_OBJECT

  public:
    explicit Form5(Hauptfenster& haupt, QWidget* parent = nullptr);

  private:
    void Form_Load();
    void List1_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Form_QueryUnload() override;

    QStringList rekordDateien() const;
    void listeFuellen();
    void werteLeeren();
    QString gewaehlteDatei() const; // the real file name; empty when none is selected
    QString bestwertZeile(const Bestwert& eintrag) const;

    QLabel* Label3;
    QListWidget* List1;
    QLabel* Label1;
    QLabel* Label5;
    QLabel* Label2;
    QLabel* Label4;
    QLabel* Label6; // the fewest steps, proved (with their pushes) or best known, when the
                    // shipped table has them; under the list, where a line has the window's width
    QPushButton* Command3;
    QPushButton* Command1;
    QPushButton* Command2;
};
