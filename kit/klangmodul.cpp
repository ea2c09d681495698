#include "kit/klangmodul.h"

#include "kit/klangspieler.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

Klangmodul::Klangmodul(const QString& modul) : lader(modul) {
    QCoreApplication::instance()->installEventFilter(this);
}

Klangmodul::~Klangmodul() {
    // The player must go while the application still runs; the loader alone would keep
    // it until the library store is torn down after the application's end.
    if (spieler)
        delete lader.instance();
}

void Klangmodul::abspielen(const QString& pfad) {
    laden();
    if (spieler)
        spieler->abspielen(pfad);
}

bool Klangmodul::eventFilter(QObject* ziel, QEvent* ereignis) {
    if (ereignis->type() == QEvent::Paint) {
        QCoreApplication::instance()->removeEventFilter(this);
        // Posted, so the load waits until the painted picture has gone to the screen.
        QTimer::singleShot(0, this, &Klangmodul::laden);
    }
    return QObject::eventFilter(ziel, ereignis);
}

void Klangmodul::laden() {
    if (versucht)
        return;
    versucht = true;
    QCoreApplication::instance()->removeEventFilter(this);
    spieler = qobject_cast<Klangspieler*>(lader.instance());
}
