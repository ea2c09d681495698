// The sound module: the one place that links Qt Multimedia (see kit/klangmodul.h).

#include "kit/klangspieler.h"

#include <QObject>
#include <QSoundEffect>
#include <QUrl>

class SoundEffektSpieler : public QObject, public Klangspieler {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID Klangspieler_iid)
    Q_INTERFACES(Klangspieler)

  public:
    void abspielen(const QString& pfad) override {
        effekt.setSource(QUrl::fromLocalFile(pfad));
        effekt.play();
    }

  private:
    // Made with the module, so the audio device is open before the first blast; it
    // must outlive the call to keep playing.
    QSoundEffect effekt;
};

#include "soundeffektspieler.moc"
