#include "loeser.h"

#include "lager.h"
#include "schnellsuche.h"
#include "suche.h"

#include "game/zug.h"

#include <algorithm>
#include <iterator>
#include <variant>

int zugTaste(char zug) {
    const auto* ende = std::end(zugTasten);
    const auto* fund = std::find(std::begin(zugTasten), ende, zug);
    return fund == ende ? 0 : tasteLinks + static_cast<int>(fund - std::begin(zugTasten));
}

Loesung loesen(const Brett& brett, const Loeseroptionen& optionen, Fortschritt* fortschritt) {
    const auto gelesen = lagerLesen(brett);
    Loesung loesung;
    if (const auto* fehler = std::get_if<Unlesbar>(&gelesen)) {
        loesung.grund = fehler->grund;
        return loesung;
    }
    if (std::holds_alternative<Unerreichbar>(gelesen)) {
        loesung.ergebnis = Ergebnis::unloesbar;
        return loesung;
    }
    const Lager& lager = std::get<Lager>(gelesen);
    return optionen.schnell ? schnellSuchen(lager, optionen, fortschritt)
                            : Suche(lager, optionen, fortschritt).suchen();
}

Loesung loesenOderBeispiel(const Brett& brett, Loeseroptionen optionen, Fortschritt* fortschritt) {
    const Loesung kuerzeste = loesen(brett, optionen, fortschritt);
    // The search polls the flag only now and then: a quick one could finish regardless.
    if (kuerzeste.ergebnis != Ergebnis::unbekannt ||
        (optionen.abbrechen && optionen.abbrechen->load()))
        return kuerzeste;
    // The fast search's bound counts pushes only; reporting it would seem to lower the
    // count the proof had reached.
    optionen.schnell = true;
    const Loesung beispiel = loesen(brett, optionen, nullptr);
    return beispiel.ergebnis == Ergebnis::unbekannt ? kuerzeste : beispiel;
}
