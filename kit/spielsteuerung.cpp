#include "kit/spielsteuerung.h"

#include "kit/brettbild.h"
#include "kit/hinweis.h"

#include <utility>

Verlaufstaste verlaufstaste(int taste, Qt::KeyboardModifiers umschalter) {
    umschalter &= ~Qt::KeypadModifier;
    if ((taste == Qt::Key_Backspace && umschalter == Qt::NoModifier) ||
        (taste == Qt::Key_Z && umschalter == Qt::ControlModifier))
        return Verlaufstaste::zurueck;
    if ((taste == Qt::Key_Backspace && umschalter == Qt::ShiftModifier) ||
        (taste == Qt::Key_Y && umschalter == Qt::ControlModifier))
        return Verlaufstaste::vor;
    return Verlaufstaste::keine;
}

Spielsteuerung::Spielsteuerung(Brett& brett, Zeichenflaeche& flaeche,
                               std::function<bool()> explosionLaeuft, QObject* parent)
    : QObject(parent), maus(brett, [this](int keyCode) { return schritt(keyCode); }), brett(brett),
      flaeche(flaeche), explosionLaeuft(std::move(explosionLaeuft)) {}

bool Spielsteuerung::schritt(int keyCode) {
    // A step taken while steps back wait means the player thought better of them.
    wartendeSchritteZurueck = 0;
    const Zugergebnis ergebnis = verlauf.ziehen(brett, keyCode, flaeche);
    melden(ergebnis);
    return ergebnis.geschritten;
}

void Spielsteuerung::mausAnschliessen(Brettbild& bild) {
    connect(&bild, &Brettbild::gedrueckt, &maus, &Maus::gedrueckt);
    connect(&bild, &Brettbild::losgelassen, &maus, &Maus::losgelassen);
    auto* keinWeg = new Hinweis(bild, QStringLiteral("Status"), Hinweis::Kante::unten);
    connect(&maus, &Maus::keinWeg, keinWeg,
            [keinWeg] { keinWeg->zeigen(QStringLiteral("Kein Weg")); });
    // The word lies on the board, which may outlive this control.
    connect(this, &QObject::destroyed, keinWeg, &QObject::deleteLater);
}

void Spielsteuerung::zurueck() {
    maus.anhalten();
    if (explosionLaeuft())
        ++wartendeSchritteZurueck;
    else if (verlauf.zurueck(brett, flaeche))
        Q_EMIT geschritten();
}

void Spielsteuerung::vor() {
    maus.anhalten();
    melden(verlauf.vor(brett, flaeche));
}

void Spielsteuerung::explosionVorbei() {
    for (; wartendeSchritteZurueck > 0; --wartendeSchritteZurueck) {
        if (verlauf.zurueck(brett, flaeche))
            Q_EMIT geschritten();
    }
}

void Spielsteuerung::neuesBrett() {
    maus.anhalten();
    verlauf.leeren();
    wartendeSchritteZurueck = 0;
    Q_EMIT neuBegonnen();
}

void Spielsteuerung::melden(const Zugergebnis& ergebnis) {
    if (ergebnis.geschritten)
        Q_EMIT geschritten();
    if (ergebnis.sprengung)
        Q_EMIT gesprengt(*ergebnis.sprengung);
}
