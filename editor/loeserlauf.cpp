#include "editor/loeserlauf.h"

#include "game/brett.h"

#include <QMetaObject>
#include <memory>

namespace {

// Posts the solver's reports to the window's thread.
class Weiterleitung : public Fortschritt {
  public:
    explicit Weiterleitung(Loeserlauf& lauf) : lauf(lauf) {}
    void melden(const Suchstand& s) override {
        QMetaObject::invokeMethod(
            &lauf, [l = &lauf, s] { Q_EMIT l->stand(s); }, Qt::QueuedConnection);
    }

  private:
    Loeserlauf& lauf;
};

} // namespace

Loeserlauf::Loeserlauf(const Brett& brett, Loeseroptionen optionen, QObject* parent)
    : QObject(parent) {
    optionen.abbrechen = &abbruch;
    faden = QThread::create([this, optionen, kopie = std::make_shared<Brett>(brett)] {
        Weiterleitung weiterleitung(*this);
        const Loesung ergebnis = loesen(*kopie, optionen, &weiterleitung);
        QMetaObject::invokeMethod(
            this, [this, ergebnis] { Q_EMIT fertig(ergebnis); }, Qt::QueuedConnection);
    });
    faden->start();
}

Loeserlauf::~Loeserlauf() {
    abbruch = true;
    faden->wait();
    delete faden;
}
