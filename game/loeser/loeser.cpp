#include "loeser.h"

#include "lager.h"
#include "suche.h"

#include "game/zug.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <iterator>
#include <variant>

namespace {

// Positions the fast search may store while it tries without the TNT boxes.
constexpr std::uint64_t versuchStellungen = 1'000'000;

// The board with its TNT boxes standing for good, like the walls: no blast to come.
Lager ohneSprengungen(Lager lager) {
    for (const Lager::Zelle z : lager.tntKisten) {
        lager.fest[z] = true;
        lager.stellplatz[z] = false;
    }
    for (const Lager::Zelle z : lager.mauern)
        lager.fest[z] = true;
    lager.tntKisten.clear();
    lager.mauern.clear();
    return lager;
}

// Many levels with TNT boxes can be solved without moving one, and while a TNT box is
// left every wall might still go, so the rules that find lost positions find few. The
// fast search first tries with the TNT boxes standing still, within a quarter of its
// time, then searches in full in the time left.
Loesung schnellSuchen(const Lager& lager, Loeseroptionen optionen, Fortschritt* fortschritt) {
    if (lager.tntKisten.empty())
        return Suche(lager, optionen, fortschritt).suchen();
    const auto beginn = std::chrono::steady_clock::now();
    Loeseroptionen versuch = optionen;
    versuch.zeitGrenze = optionen.zeitGrenze / 4;
    versuch.zustandsGrenze = optionen.zustandsGrenze > 0
                                 ? std::min(optionen.zustandsGrenze, versuchStellungen)
                                 : versuchStellungen;
    const Lager ohneTnt = ohneSprengungen(lager);
    const Loesung ohne = Suche(ohneTnt, versuch, fortschritt).suchen();
    if (ohne.ergebnis == Ergebnis::geloest || ohne.grenze == Grenze::abbruch)
        return ohne;
    if (optionen.zeitGrenze.count() > 0) {
        const auto verbraucht = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - beginn);
        optionen.zeitGrenze =
            std::max(optionen.zeitGrenze - verbraucht, std::chrono::milliseconds(1));
    }
    return Suche(lager, optionen, fortschritt).suchen();
}

} // namespace

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
