#include "game/suchgrenze.h"

std::string grenzeBenennen(const Loesung& loesung, const Loeseroptionen& optionen) {
    switch (loesung.grenze) {
    case Grenze::keine:
        return loesung.grund;
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
