#pragma once

#include <QObject>
#include <QPluginLoader>

class Klangspieler;

// The explosion sound through the sound module. Loading the module brings in Qt
// Multimedia and opens the audio device, which would hold up the first picture, so it
// waits for the first paint of any widget and loads right after it: long before a
// player can push a TNT crate. A sound wanted earlier loads the module on the spot.
// Without the module (or without an audio device) the game stays silent.
class Klangmodul : public QObject {
  public:
    // modul: the module's file, with or without the ".so".
    explicit Klangmodul(const QString& modul);
    ~Klangmodul() override;

    void abspielen(const QString& pfad);

  protected:
    bool eventFilter(QObject* ziel, QEvent* ereignis) override;

  private:
    void laden();

    QPluginLoader lader;
    Klangspieler* spieler = nullptr;
    bool versucht = false;
};
