#pragma once

#include "entfernungen.h"
#include "laufwege.h"
#include "rueckweg.h"
#include "schluessel.h"
#include "zuordnung.h"

#include <cstddef>
#include <optional>
#include <vector>

// Lower bounds on the steps a position still needs. The bound of `schaetzen` counts
// pushes and the walk back and is zero exactly when every box stands on a storage
// place; `bewerten` adds the walk that visits every box. The fast search goes without
// that walk and adds `umwege` instead, which is no bound.
class Schaetzung {
  public:
    using Zelle = Lager::Zelle;
    using Tafel = Entfernungen::Tafel;

    Schaetzung(const Lager& lager, const Schluessel& form, Entfernungen& entfernungen, bool schnell)
        : lager(lager), form(form), entfernungen(entfernungen), schnell(schnell) {
        // The fast search goes without the walk; its tables take a few milliseconds.
        if (!schnell)
            laufwege.emplace(lager);
    }

    int schaetzen(Zelle figur, const Zelle* k, const Tafel& tafel);
    int bewerten(Zelle figur, const Zelle* k, int m, const Tafel& tafel);
    // Detours of `umweg` pushes each: boxes placed out of the packing order (see
    // packordnungNutzen), and boxes off their places that the figure, on its walk `weg`,
    // cannot touch. Such a box waits for others to move first: shut in among boxes, or
    // behind a door the figure has closed behind itself; the search should rather not go
    // there.
    int umwege(const Zelle* k, const std::vector<int>& weg) const;
    // Pushes of the boxes at the fewest on one table of Entfernungen: the cheapest
    // assignment of boxes to storage places.
    int zuordnen(const Zelle* k, const std::vector<int>& abstand);

    std::size_t speicher() const { return laufwege ? laufwege->speicher() : 0; }

    // The packing order for `umwege`: by cell, rank 0 first.
    void packordnungNutzen(const std::vector<int>& rang) { packrang = &rang; }
    // For the fast search on a board with one TNT box and one blastable wall: the goal is
    // the blast, with every box still able to reach a storage place. The bound is then the
    // TNT box's pushes to the wall, zero once it is gone.
    void bisZurSprengung() { nurSprengen = true; }
    static constexpr int umweg = 2;

  private:
    int letzteSprengung(const Zelle* k, const Tafel& tafel, int wenigstens, int genug);
    int eineSprengung(const Zelle* k, const Tafel& tafel, int wenigstens);
    int ausserDerReihe(const Zelle* k) const;

    const Lager& lager;
    const Schluessel& form;
    Entfernungen& entfernungen;
    bool schnell;
    bool nurSprengen = false;
    std::optional<Laufwege> laufwege;
    Rueckweg rueckweg{lager};
    Zuordnung ungarisch;
    std::vector<int> kosten;
    std::vector<int> tntWege;
    std::vector<Zelle> offeneKisten;
    const std::vector<int>* packrang = nullptr;
};
