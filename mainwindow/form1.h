#pragma once

#include "game/brett.h"
#include "game/konfiguration.h"
#include "game/levelstart.h"
#include "kit/aussenwelt.h"
#include "kit/hauptfenster.h"
#include "kit/kachelblatt.h"
#include "mainwindow/aussenstarts.h"

#include <QPointer>
#include <QWidget>
#include <memory>

class Brettbild;
class Brettflaeche;
class Explosionsbild;
class Form2;
class Form3;
class Form4;
class Form5;
class Hinweisgeber;
class Lesezeichenmenue;
class Levelliste;
class Spielsteuerung;
class Zaehler;
class QTimer;

// The main window: the board, the level list panel, the counters and the buttons.
// Handlers keep the names of their control and event; each calls into the game core.
// Tests reach the controls by their design names.
class Form1 : public QWidget, public Hauptfenster {
    Q_OBJECT
  public:
    // `ordner` is the program folder, ending in '/'.
    explicit Form1(const QString& ordner, Aussenwelt aussenwelt = Aussenwelt::echt(),
                   QWidget* parent = nullptr);
    ~Form1() override;

    // Hauptfenster
    QString programmOrdner() const override { return ordner; }
    Einstellungen& einstellungen() override { return einstellungenWerte; }
    bool grafiksetLaden(const QString& name) override;
    void brettFokussieren() override;
    void neuZeichnen() override;
    void aktivieren() override;
    void seiteOeffnen(const QString& seite) override;

    // The handlers, public so that tests can drive them like the player does.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Image3_Click();
    void hilfeZeigen();
    void File2_DblClick();
    void Picture2_KeyDown(int keyCode, int shift);
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();

    void levellisteEinblenden();
    void levellisteAusblenden();
    void lesezeichenSetzen(int nummer);
    void lesezeichenAbrufen(int nummer);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void Form_Load();
    void steuerelementeAnlegen();
    QTimer* timerAnlegen(const QString& name, int intervall, void (Form1::*handler)());
    void levelStartenMit(Startart startart);
    void meldungZeigen(const QString& text);
    void steuerungAnlegen();
    template <typename Fenster> void fensterZeigen(QPointer<Fenster>& fenster);

    QString ordner;
    Aussenwelt aussenwelt;
    Aussenstarts aussenstarts;
    Einstellungen einstellungenWerte;
    std::unique_ptr<Brett> spiel;
    Kachelblatt blatt; // `grafiksetpic`
    std::unique_ptr<Brettflaeche> flaeche;

    Brettbild* bildBrett = nullptr;
    Explosionsbild* Image1 = nullptr;
    Levelliste* levelliste = nullptr;
    Lesezeichenmenue* lesezeichenMenue = nullptr;
    std::unique_ptr<Zaehler> zaehler;
    Spielsteuerung* steuerung = nullptr; // arrow keys, steps back and again, the mouse
    Hinweisgeber* hinweise = nullptr;    // H and Umschalt+H

    // Each secondary window exists at most once; it deletes itself when closed.
    QPointer<Form2> hilfe;
    QPointer<Form3> info;
    QPointer<Form4> optionen;
    QPointer<Form5> rekorde;

    QTimer* timer1 = nullptr;
    QTimer* timer2 = nullptr;
    QTimer* timer3 = nullptr;
};
