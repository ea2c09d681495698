#include "game/suchgrenze.h"

Suchergebnis suchen(const Brett& brett, const Loeseroptionen& optionen, Fortschritt* fortschritt) {
    const auto beginn = std::chrono::steady_clock::now();
    Suchergebnis ergebnis{loesen(brett, optionen, fortschritt)};
    const auto dauer = std::chrono::steady_clock::now() - beginn;
    // A board the solver cannot read is turned away before a single position is stored.
    if (ergebnis.loesung.ergebnis != Ergebnis::unbekannt || ergebnis.loesung.zustaende == 0)
        return ergebnis;
    // The solver starts its clock after ours, so a search it stopped for time has run
    // past the limit on our clock too.
    if (optionen.abbrechen && optionen.abbrechen->load())
        ergebnis.grenze = Grenze::abbruch;
    else if (optionen.zeitGrenze.count() > 0 && dauer >= optionen.zeitGrenze)
        ergebnis.grenze = Grenze::zeit;
    else
        ergebnis.grenze = Grenze::speicher;
    return ergebnis;
}

std::string grenzeBenennen(const Suchergebnis& ergebnis, const Loeseroptionen& optionen) {
    switch (ergebnis.grenze) {
    case Grenze::keine:
        return ergebnis.loesung.grund;
    case Grenze::abbruch:
        return "Suche abgebrochen";
    case Grenze::zeit:
        return "Zeitgrenze erreicht (" +
               std::to_string(
                   std::chrono::duration_cast<std::chrono::seconds>(optionen.zeitGrenze).count()) +
               " s)";
    case Grenze::speicher:
        break;
    }
    return "Speichergrenze erreicht (" + std::to_string(optionen.speicherGrenze >> 20) + " MB)";
}

long long laengereZeit(const Loeseroptionen& optionen) {
    return 5 * std::chrono::duration_cast<std::chrono::seconds>(optionen.zeitGrenze).count();
}
