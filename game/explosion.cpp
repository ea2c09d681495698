#include "game/explosion.h"

#include "game/brett.h"
#include "game/kachelsatz.h"
#include "game/zeichnen.h"

Explosionsschritt Explosion::tick(const Brett& brett, Zeichenflaeche& flaeche, bool soundAn) {
    // Once the level is solved its picture has been cleared; the remaining ticks
    // must not paint the board over it again.
    const bool zeichnen = !brett.brettGesperrt;
    if (zeichnen)
        brettZeichnen(brett, flaeche, Rand::auslassen);

    Explosionsschritt schritt;
    schritt.soundStarten = explosionsZaehler == 0 && soundAn;
    if (explosionsZaehler >= 1 && explosionsZaehler <= explosionsBilder)
        schritt.bild = explosionsZaehler;

    if (++explosionsZaehler == ticks) {
        explosionsZaehler = 0;
        schritt.ende = true;
        if (zeichnen)
            figurZeichnen(brett, flaeche);
    }
    return schritt;
}
