#include "schaetzung.h"

#include <algorithm>

namespace {
using Stufen = Entfernungen::Stufen;
constexpr int unendlich = Entfernungen::unendlich;
} // namespace

int Schaetzung::zuordnen(const Zelle* k, const std::vector<int>& abstand) {
    const auto spalten = static_cast<int>(entfernungen.ziele().size());
    const std::size_t n = lager.fest.size();
    kosten.resize(form.kisten * spalten);
    for (std::size_t i = 0; i < form.kisten; ++i) {
        int naechster = unendlich;
        for (int j = 0; j < spalten; ++j) {
            kosten[i * spalten + j] = abstand[j * n + k[form.kistenAnfang() + i]];
            naechster = std::min(naechster, kosten[i * spalten + j]);
        }
        // A box that reaches no storage place at all: no assignment to look for.
        if (naechster >= unendlich)
            return unendlich;
    }
    return ungarisch.billigste(kosten, static_cast<int>(form.kisten), spalten, unendlich);
}

// The steps still needed at the fewest, counting pushes and the walk back; zero
// exactly when every box stands on a storage place. A solution that blasts j more
// walls pushes the boxes at least the assignment on the table for j blasts, and it
// pushes j different TNT boxes (each blasts once and is gone) at least their
// blasting distances, so at least the j smallest of those. Box pushes are steps of
// their own; on top of them come at least the TNT pushes or the walk back of
// rueckweg.h, whichever is more, rounded up to the parity of the end. The least over
// all j bounds every solution. With no TNT box left only j = 0 remains.
int Schaetzung::schaetzen(Zelle figur, const Zelle* k, const Tafel& tafel) {
    const Stufen& stufen = tafel.stufen;
    if (nurSprengen) {
        if (zuordnen(k, stufen.back()) >= unendlich)
            return unendlich;
        const bool gesprengt = form.tntEnde(k) == form.tntAnfang();
        return gesprengt ? 0 : entfernungen.sprengweg()[k[form.tntAnfang()]];
    }
    // The fast search goes by the pushes alone: the walk back and the TNT terms lead it
    // astray on the large levels. It counts them on the walls standing now, so that it
    // blasts only where a box needs it, and then adds the nearest blast.
    if (schnell) {
        const int ohneSprengung = zuordnen(k, stufen.front());
        if (ohneSprengung < unendlich)
            return ohneSprengung;
        const int wenigstens = zuordnen(k, stufen.back());
        if (wenigstens >= unendlich)
            return unendlich;
        if (form.tntEnde(k) == form.tntAnfang() + 1) {
            // The last TNT box blasts the one wall still to go: one it reaches between the
            // walls standing, as no other blast comes first, or the position is lost.
            const auto& hilfen = entfernungen.hilfen(tafel);
            const Zelle tnt = k[form.tntAnfang()];
            if (std::none_of(hilfen.begin(), hilfen.end(),
                             [&](const auto& h) { return h.letzterSprengweg[tnt] < unendlich; }))
                return unendlich;
        } else if (const int eine = eineSprengung(k, tafel, wenigstens); eine < unendlich) {
            return eine;
        }
        // The TNT box nearest to blasting leads the way to the first blast.
        int naechsteSprengung = unendlich;
        for (std::size_t i = form.tntAnfang(); i < form.tntEnde(k); ++i)
            naechsteSprengung = std::min(naechsteSprengung, entfernungen.sprengweg()[k[i]]);
        return std::min(unendlich, wenigstens + naechsteSprengung);
    }
    const int ohneSprengung = zuordnen(k, stufen.front());
    if (ohneSprengung == 0)
        return 0;
    rueckweg.aufstellen(figur, k + form.kistenAnfang(), static_cast<int>(form.kisten));
    int beste = rueckweg.schranke(ohneSprengung, 0);
    const std::size_t hoechstens = stufen.size() - 1;
    if (hoechstens == 0)
        return beste;
    tntWege.clear();
    for (std::size_t i = form.tntAnfang(); i < form.tntEnde(k); ++i)
        tntWege.push_back(entfernungen.sprengweg()[k[i]]);
    std::sort(tntWege.begin(), tntWege.end());
    // No table with more blasts gives a smaller assignment than the last one.
    const int wenigstens = zuordnen(k, stufen.back());
    if (hoechstens == 1)
        return std::min(beste, letzteSprengung(k, tafel, wenigstens, beste));
    int tntSchuebe = 0;
    for (std::size_t j = 1; j <= hoechstens; ++j) {
        tntSchuebe = std::min(unendlich, tntSchuebe + tntWege[j - 1]);
        if (rueckweg.schranke(wenigstens, tntSchuebe) >= beste)
            break;
        const int zuordnung = j == hoechstens ? wenigstens : zuordnen(k, stufen[j]);
        beste = std::min(beste, rueckweg.schranke(zuordnung, tntSchuebe));
    }
    return beste;
}

// The bound for solutions that blast once more with the last TNT box. They blast one
// wall w, so the boxes take at least the assignment with w gone, the TNT box at least
// its pushes to w, and its displacement is known: rueckweg.h counts it like a box's.
// A wall that shortens no box distance leaves at least the assignment without a blast
// plus a TNT push, never less than `genug`, the bound without a blast. The least over
// the walls that help; `wenigstens` is the assignment with any one wall gone.
int Schaetzung::letzteSprengung(const Zelle* k, const Tafel& tafel, int wenigstens, int genug) {
    const int beste = rueckweg.schranke(wenigstens, tntWege.front());
    if (beste >= genug)
        return beste;
    const Zelle tnt = k[form.tntAnfang()];
    int gefunden = genug;
    for (const auto& hilfe : entfernungen.hilfen(tafel)) {
        const int schuebe = (*hilfe.sprengweg)[tnt];
        const int dx = lager.x(hilfe.wand) - lager.x(tnt);
        const int dy = lager.y(hilfe.wand) - lager.y(tnt);
        // The walk back only adds: most walls end here without looking at it.
        if (schuebe >= unendlich || wenigstens + schuebe >= gefunden ||
            rueckweg.schranke(wenigstens + schuebe, 0, dx, dy) >= gefunden)
            continue;
        const int zuordnung = zuordnen(k, *hilfe.abstand);
        gefunden = std::min(gefunden, rueckweg.schranke(zuordnung + schuebe, 0, dx, dy));
    }
    return std::max(beste, gefunden);
}

// For the fast search, when the boxes need a blast and more than one TNT box is left: the
// wall whose blast alone opens their way best, counting the pushes of the boxes and of the
// nearest TNT box to it. `wenigstens` is the assignment with any walls gone: a wall whose
// TNT pushes alone make up the difference is passed over without its own assignment.
int Schaetzung::eineSprengung(const Zelle* k, const Tafel& tafel, int wenigstens) {
    int beste = unendlich;
    for (const auto& hilfe : entfernungen.hilfen(tafel)) {
        int schuebe = unendlich;
        for (std::size_t i = form.tntAnfang(); i < form.tntEnde(k); ++i)
            schuebe = std::min(schuebe, (*hilfe.sprengweg)[k[i]]);
        if (schuebe < unendlich && wenigstens + schuebe < beste)
            beste = std::min(beste, zuordnen(k, *hilfe.abstand) + schuebe);
    }
    return std::min(beste, unendlich);
}

// The steps still needed at the fewest: the bound `m` of schaetzen, or the walk that
// visits every box off its storage place, whichever is more.
int Schaetzung::bewerten(Zelle figur, const Zelle* k, int m, const Tafel& tafel) {
    const std::vector<int>& abstand = tafel.stufen.back();
    offeneKisten.clear();
    int rest = unendlich;
    const std::size_t n = lager.fest.size();
    for (std::size_t i = form.kistenAnfang(); i < form.kistenEnde(); ++i) {
        if (lager.stellplatz[k[i]])
            continue;
        offeneKisten.push_back(k[i]);
        for (std::size_t j = 0; j < entfernungen.ziele().size(); ++j)
            rest = std::min(rest, abstand[j * n + k[i]]);
    }
    return std::max(m, laufwege->schranke(figur, offeneKisten, rest));
}

int Schaetzung::umwege(const Zelle* k, const std::vector<int>& weg) const {
    int abseits = 0;
    for (std::size_t i = form.kistenAnfang(); i < form.kistenEnde(); ++i) {
        const Zelle z = k[i];
        bool beruehrt = false;
        for (int r = 0; r < 4; ++r)
            beruehrt |= weg[z + lager.versatz(r)] >= 0;
        abseits += !beruehrt && !lager.stellplatz[z];
    }
    return (ausserDerReihe(k) + abseits) * umweg;
}

// Boxes on a storage place that comes later in the packing order than a free one: such
// a box may shut out the free place, and the fast search should rather not go there.
int Schaetzung::ausserDerReihe(const Zelle* k) const {
    if (!packrang)
        return 0;
    const Zelle* kisten = k + form.kistenAnfang();
    const Zelle* kistenEnde = k + form.kistenEnde();
    int ersterFreier = unendlich;
    for (const Zelle z : entfernungen.ziele())
        if (!std::binary_search(kisten, kistenEnde, z))
            ersterFreier = std::min(ersterFreier, (*packrang)[z]);
    return static_cast<int>(std::count_if(kisten, kistenEnde, [&](Zelle z) {
        return lager.stellplatz[z] && (*packrang)[z] > ersterFreier;
    }));
}
