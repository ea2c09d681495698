#pragma once

#include "kit/nebenfenster.h"

// The about window: name, version and contact, the help page and the home page, and
// the way back to the game.
class Form3 : public Nebenfenster {
    Q_OBJECT

  public:
    explicit Form3(Hauptfenster& haupt, QWidget* parent = nullptr);

  private:
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Label1_Click();
    void Form_QueryUnload() override;
};
