#pragma once

#include "kit/nebenfenster.h"

class QLabel;
class QListWidget;

// The help window: the topic titles in a sorted list, the chosen topic's title and text
// beside it. It stands by itself and touches the main window only when it closes.
class Form2 : public Nebenfenster {
    Q_OBJECT

  public:
    explicit Form2(Hauptfenster& haupt, QWidget* parent = nullptr);

  private:
    void Form_Load();
    void List1_Click();
    void Form_QueryUnload() override;

    QListWidget* List1;
    QLabel* Label2;
    QLabel* Label1;
};
