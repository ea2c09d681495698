#pragma once

#include "kit/nebenfenster.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

// The options window: graphics set with preview, sound and win animation. "Ok" applies
// all three at once and stores them; any other way out changes nothing. Modeless; it
// deletes itself when closed.
class Form4 : public Nebenfenster {
    Q_OBJECT

  public:
    explicit Form4(Hauptfenster& haupt, QWidget* parent = nullptr);

  private:
    void Form_Load();
    void Combo1_Click();
    void Command1_Click();
    void Command2_Click();
    void Form_QueryUnload() override;

    void grafiksetUebernehmen();
    void konfigurationSpeichern();

    // Created in tab order: "Ok" first.
    QPushButton* Command1;
    QPushButton* Command2;
    QLabel* Label1;
    QComboBox* Combo1;
    QCheckBox* Check1;
    QCheckBox* Check2;
    QLabel* Label2;
    QLabel* Image1;
};
