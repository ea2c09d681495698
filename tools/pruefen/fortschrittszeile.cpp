#include "tools/pruefen/fortschrittszeile.h"

#include <ostream>

Fortschrittszeile::Fortschrittszeile(std::ostream& aus, bool mitSchranke, Uhr uhr)
    : aus(aus), mitSchranke(mitSchranke), uhr(std::move(uhr)), beginn(this->uhr()),
      naechste(beginn + std::chrono::seconds(1)) {}

void Fortschrittszeile::melden(const Suchstand& stand) {
    const auto jetzt = uhr();
    if (jetzt < naechste)
        return;
    naechste = jetzt + std::chrono::seconds(1);
    std::string zeile = "Stellungen " + std::to_string(stand.zustaende);
    if (mitSchranke)
        zeile += ", mindestens " + std::to_string(stand.schranke) + " Schritte";
    zeile +=
        ", Speicher " + std::to_string(stand.speicher >> 20) + " MB, " +
        std::to_string(std::chrono::duration_cast<std::chrono::seconds>(jetzt - beginn).count()) +
        " s";
    // A shorter line than the one before must cover all of it.
    const std::size_t vorher = laenge;
    laenge = zeile.size();
    if (vorher > laenge)
        zeile.append(vorher - laenge, ' ');
    aus << '\r' << zeile << std::flush;
}

void Fortschrittszeile::loeschen() {
    aus << '\r' << std::string(laenge, ' ') << '\r' << std::flush;
    laenge = 0;
}
