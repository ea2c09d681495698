#include "schnellsuche.h"

#include "entfernungen.h"
#include "schaetzung.h"
#include "schluessel.h"
#include "suche.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <utility>

namespace {

using Zelle = Lager::Zelle;
using Uhr = std::chrono::steady_clock;
constexpr int unendlich = Entfernungen::unendlich;

// Positions each easier board may store, and how many walls are blasted first.
constexpr std::uint64_t versuchStellungen = 250'000;
constexpr std::size_t sprengVersuche = 3;

// The board with its TNT boxes standing for good, like the walls: no blast to come.
Lager ohneSprengungen(Lager lager) {
    for (const Zelle z : lager.tntKisten) {
        lager.fest[z] = true;
        lager.stellplatz[z] = false;
    }
    for (const Zelle z : lager.mauern)
        lager.fest[z] = true;
    lager.tntKisten.clear();
    lager.mauern.clear();
    return lager;
}

// The limits for one easier board: `anteil` of the time limit and at most `stellungen`.
Loeseroptionen versuch(const Loeseroptionen& optionen, int anteil, std::uint64_t stellungen) {
    Loeseroptionen v = optionen;
    // A share of a limit is a limit still: zero would be none.
    if (optionen.zeitGrenze.count() > 0)
        v.zeitGrenze = std::max(optionen.zeitGrenze / anteil, std::chrono::milliseconds(1));
    v.zustandsGrenze =
        optionen.zustandsGrenze > 0 ? std::min(optionen.zustandsGrenze, stellungen) : stellungen;
    return v;
}

} // namespace

std::vector<Sprengplan> sprengplaene(const Lager& lager) {
    Entfernungen entfernungen(lager);
    const auto& tafel = entfernungen.tabelle({});
    const Schluessel form(lager.kisten.size(), lager.tntKisten.size());
    Schaetzung schaetzung(lager, form, entfernungen, true);
    const auto start = form.start(lager);
    const auto schuebe = [&](const std::vector<int>& abstand) {
        return schaetzung.zuordnen(start.data(), abstand);
    };
    const int ohne = schuebe(tafel.stufen.front());
    std::vector<Sprengplan> liste;
    for (const auto& hilfe : entfernungen.hilfen(tafel)) {
        const auto tnt = *std::min_element(
            lager.tntKisten.begin(), lager.tntKisten.end(), [&](Zelle a, Zelle b) {
                return hilfe.letzterSprengweg[a] < hilfe.letzterSprengweg[b];
            });
        const int tntSchuebe = hilfe.letzterSprengweg[tnt];
        const int wert = schuebe(*hilfe.abstand) + tntSchuebe;
        if (tntSchuebe < unendlich && wert < ohne)
            liste.push_back({wert, hilfe.wand, tnt});
    }
    std::sort(liste.begin(), liste.end(),
              [](const Sprengplan& a, const Sprengplan& b) { return a.wert < b.wert; });
    return liste;
}

Loesung erstSprengen(const Lager& lager, const Sprengplan& s, const Loeseroptionen& optionen,
                     Fortschritt* fortschritt) {
    Lager vorher = ohneSprengungen(lager);
    vorher.fest[s.tnt] = vorher.fest[s.wand] = false;
    vorher.stellplatz[s.tnt] = lager.stellplatz[s.tnt];
    vorher.tntKisten = {s.tnt};
    vorher.mauern = {s.wand};
    // Its bound counts the TNT box's pushes only: no report that would read as the level's.
    Suche sprengen(vorher, optionen, nullptr);
    sprengen.bisZurSprengung();
    const Loesung erst = sprengen.suchen();
    if (erst.ergebnis != Ergebnis::geloest)
        return erst;
    const auto k = sprengen.endstellung();
    Lager nachher = vorher;
    nachher.tntKisten.clear();
    nachher.mauern.clear();
    nachher.figur = k[0];
    nachher.kisten.assign(k.begin() + 1, k.begin() + 1 + static_cast<long>(lager.kisten.size()));
    Loesung dann = Suche(nachher, optionen, fortschritt).suchen();
    dann.zustaende += erst.zustaende;
    dann.spitzenSpeicher = std::max(dann.spitzenSpeicher, erst.spitzenSpeicher);
    if (dann.ergebnis == Ergebnis::geloest) {
        dann.zuege = erst.zuege + dann.zuege;
        dann.schuebe += erst.schuebe;
    }
    return dann;
}

Loesung schnellSuchen(const Lager& lager, Loeseroptionen optionen, Fortschritt* fortschritt) {
    if (lager.tntKisten.empty())
        return Suche(lager, optionen, fortschritt).suchen();
    const auto beginn = Uhr::now();
    // Takes a try's answer, with the positions and memory of the tries before; whether the
    // search goes on.
    Loesung l;
    const auto uebernehmen = [&](Loesung neu) {
        neu.zustaende += l.zustaende;
        neu.spitzenSpeicher = std::max(neu.spitzenSpeicher, l.spitzenSpeicher);
        l = std::move(neu);
        return l.ergebnis != Ergebnis::geloest && l.grenze != Grenze::abbruch;
    };
    if (!uebernehmen(
            Suche(ohneSprengungen(lager), versuch(optionen, 8, versuchStellungen), fortschritt)
                .suchen()))
        return l;
    const bool begrenzt = optionen.zeitGrenze.count() > 0;
    const auto rest = [&] {
        return optionen.zeitGrenze -
               std::chrono::duration_cast<std::chrono::milliseconds>(Uhr::now() - beginn);
    };
    const auto plaene = sprengplaene(lager);
    for (std::size_t i = 0; i < std::min(plaene.size(), sprengVersuche); ++i) {
        if (begrenzt && rest().count() <= 0)
            break;
        if (!uebernehmen(erstSprengen(lager, plaene[i], versuch(optionen, 16, versuchStellungen),
                                      fortschritt)))
            return l;
    }
    // The search polls the clock now and then: with the time used up it ends at its first look.
    if (begrenzt)
        optionen.zeitGrenze = std::max(rest(), std::chrono::milliseconds(1));
    uebernehmen(Suche(lager, optionen, fortschritt).suchen());
    return l;
}
