#include "editor/loeserlauf.h"

#include "game/brett.h"

#include <QMetaObject>

namespace {

// Posts the solver's reports to the window's thread.
class Weiterleitung : public Fortschritt {
  public:
    explicit Weiterleitung(Loeserlauf& lauf) : lauf(lauf) {}
    void melden(const Suchstand& s) override {
        QMetaObject::invokeMethod(
            &lauf, [l = &lauf, s] { Q_EMIT l->stand(s.zustaende, s.schranke); },
            Qt::QueuedConnection);
    }

  private:
    Loeserlauf& lauf;
};

// The search keeps its tables below this, on a machine that is doing other things too.
constexpr std::size_t speicherGrenze = std::size_t{512} << 20;

} // namespace

Loeserlauf::Loeserlauf(const Brett& brett, QObject* parent) : QObject(parent) {
    faden = QThread::create([this, kopie = std::make_shared<Brett>(brett)] {
        Loeseroptionen optionen;
        optionen.abbrechen = &abbruch;
        optionen.speicherGrenze = speicherGrenze;
        Weiterleitung weiterleitung(*this);
        const Loesung loesung = loesenOderBeispiel(*kopie, optionen, &weiterleitung);
        QMetaObject::invokeMethod(
            this, [this, loesung] { Q_EMIT fertig(loesung); }, Qt::QueuedConnection);
    });
    faden->start();
}

Loeserlauf::~Loeserlauf() {
    abbruch = true;
    faden->wait();
    delete faden;
}
