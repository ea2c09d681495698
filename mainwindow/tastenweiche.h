#pragma once

#include <QObject>

class Hinweisgeber;
class Levelliste;
class Spielsteuerung;
class QKeyEvent;
class QWidget;

// Every key press of the main window's own controls passes here, wherever the focus is.
// The pop-up menu and the dialogs are windows of their own: their keys belong to them.
class Tastenweiche : public QObject {
    Q_OBJECT
  public:
    // Watches `fenster` and the controls it has now.
    Tastenweiche(QWidget& fenster, Spielsteuerung& steuerung, Hinweisgeber& hinweise,
                 const Levelliste& levelliste);

  Q_SIGNALS:
    void hilfe();              // F1
    void ok();                 // ENTER while the list is open and no button has the focus
    void schritt(int keyCode); // a cursor key, from the board or any other control

  protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

  private:
    // True when the key was used here and goes no further.
    bool tasteGedrueckt(QObject* objekt, const QKeyEvent& taste);

    // True for H and Umschalt+H, after asking for the hint.
    bool hinweisTaste(const QKeyEvent& taste);

    QWidget& fenster;
    Spielsteuerung& steuerung;
    Hinweisgeber& hinweise;
    const Levelliste& levelliste;
};
