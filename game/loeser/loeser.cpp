#include "loeser.h"

#include "entfernungen.h"
#include "lager.h"
#include "laufwege.h"
#include "rueckweg.h"
#include "schlange.h"
#include "zuordnung.h"

#include "game/zug.h"

#include <algorithm>
#include <cstring>
#include <variant>
#include <vector>

// The search runs over push positions: a node is the set of boxes, TNT boxes and
// blasted walls with the figure's cell right after a push; the walk up to the next push
// is worked out by a breadth-first search of the figure, so an edge costs the steps of
// the walk plus one for the push. A* orders the nodes by steps so far plus a lower
// bound on the steps still needed: the cheapest assignment of boxes to distinct
// storage places, each at its push distance (see entfernungen.h for why those
// distances stay short enough while walls can still be blasted), plus the pushes of
// the TNT boxes or the figure's walk back (rueckweg.h), and at least the walk that
// visits every box (laufwege.h). A step changes each term by one at most, and a blast
// only opens the board further, so the bound rarely drops faster than the steps taken.
// Should a node still be reached more cheaply after it was expanded, it is opened
// again, so the answer stays exact either way.
//
// The optimal search keys its table on the figure's exact cell, because the steps still
// needed depend on where the figure stands; the fast search keys on the top-left cell
// the figure can reach, which merges every position the figure can walk between.

namespace {

using Zelle = Lager::Zelle;
using Stufen = Entfernungen::Stufen;
using Tafel = Entfernungen::Tafel;
constexpr int unendlich = Entfernungen::unendlich;
// In the order of Lager::versatz, which is also the order of the cursor key codes.
constexpr char tasten[] = {'l', 'o', 'r', 'u'};
constexpr std::uint16_t verloren = 0xFFFF; // m of a position no assignment can complete
// The fast search trusts the bound this many times over: far fewer positions, and
// solutions that are longer but found in a fraction of the time.
constexpr std::uint32_t gewichtSchnell = 20;

enum Belegung : std::uint8_t { frei, kiste, tnt, mauer, fest, gedacht };

// The figure's walk from one cell over the free cells of a position.
struct Gang {
    explicit Gang(std::size_t zellen) : weg(zellen, -1), vorige(zellen) {}
    std::vector<int> weg;             // steps to each cell; -1 where the figure cannot walk
    std::vector<std::uint8_t> vorige; // direction of the last step onto a cell
    std::vector<Zelle> erreicht;      // the cells reached, nearest first
};

struct Knoten {
    std::uint32_t eltern = 0;
    std::uint32_t g = 0; // steps from the start
    std::uint16_t m = 0; // lower bound from pushes and walking back; 0 when solved
    std::uint16_t h = 0; // lower bound on the steps still needed, m or more
    Zelle von = 0;       // the pushed object's cell before the push
    std::uint8_t richtung = 0;
    bool geschlossen = false;
};

// A position as a key of fixed length: the figure, the boxes, the number of TNT boxes
// left, those TNT boxes, then the walls blasted so far; each list ascending. TNT boxes
// and blasted walls add up to the TNT boxes of the start.
class Schluessel {
  public:
    Schluessel(std::size_t kisten, std::size_t tnt) : kisten(kisten), laenge(2 + kisten + tnt) {}

    std::vector<Zelle> start(const Lager& lager) const {
        std::vector<Zelle> k{lager.figur};
        k.insert(k.end(), lager.kisten.begin(), lager.kisten.end());
        k.push_back(static_cast<Zelle>(lager.tntKisten.size()));
        k.insert(k.end(), lager.tntKisten.begin(), lager.tntKisten.end());
        return k;
    }

    std::size_t kistenAnfang() const { return 1; }
    std::size_t kistenEnde() const { return 1 + kisten; }
    std::size_t tntAnfang() const { return 2 + kisten; }
    std::size_t tntEnde(const Zelle* k) const { return tntAnfang() + k[1 + kisten]; }

    // Moves the object at index i to `nach`, keeping its list ascending.
    static void verschieben(std::vector<Zelle>& k, std::size_t i, Zelle nach, std::size_t anfang,
                            std::size_t ende) {
        k[i] = nach;
        while (i > anfang && k[i - 1] > k[i]) {
            std::swap(k[i - 1], k[i]);
            --i;
        }
        while (i + 1 < ende && k[i + 1] < k[i]) {
            std::swap(k[i + 1], k[i]);
            ++i;
        }
    }

    // The TNT box at index i and the wall at `wand` go; the wall joins the blasted ones.
    void sprengen(std::vector<Zelle>& k, std::size_t i, Zelle wand) const {
        k.erase(k.begin() + static_cast<long>(i));
        --k[1 + kisten];
        const auto anfang = k.begin() + static_cast<long>(tntEnde(k.data()));
        k.insert(std::upper_bound(anfang, k.end(), wand), wand);
    }

    std::vector<Zelle> gesprengt(const Zelle* k) const { return {k + tntEnde(k), k + laenge}; }

    std::size_t kisten;
    std::size_t laenge;
};

class Suche {
  public:
    Suche(const Lager& lager, const Loeseroptionen& optionen, Fortschritt* fortschritt)
        : lager(lager), optionen(optionen), fortschritt(fortschritt), entfernungen(lager),
          form(lager.kisten.size(), lager.tntKisten.size()), basis(lager.fest.size(), frei),
          belegung(basis.size()), gangEltern(basis.size()), gangKind(basis.size()) {
        for (std::size_t z = 0; z < basis.size(); ++z)
            basis[z] = lager.fest[z] ? fest : frei;
        for (const Zelle m : lager.mauern)
            basis[m] = mauer;
        beginn = std::chrono::steady_clock::now();
        letzteMeldung = beginn;
    }

    Loesung suchen();

  private:
    // The table takes the low bits, so every input bit must reach them: a multiply
    // per cell, then a full final mix.
    static std::uint64_t streuwert(const Zelle* k, std::size_t laenge) {
        std::uint64_t h = 0x9E3779B97F4A7C15ull;
        for (std::size_t i = 0; i < laenge; ++i)
            h = (h ^ k[i]) * 0xBF58476D1CE4E5B9ull;
        h ^= h >> 31;
        h *= 0x94D049BB133111EBull;
        return h ^ (h >> 29);
    }

    const Zelle* schluesselVon(std::uint32_t id) const { return &schluessel[id * form.laenge]; }

    // The node for a key: its index and whether it was new. A slot holds the node's
    // index + 1 in its low half and the key's hash in its high half, so most slots
    // that do not match are passed over without reading their key.
    std::pair<std::uint32_t, bool> eintragen(const std::vector<Zelle>& k) {
        if ((knoten.size() + 1) * 2 > tabelle.size())
            tabelleVergroessern();
        const std::size_t maske = tabelle.size() - 1;
        const std::uint64_t streu = streuwert(k.data(), k.size());
        const std::uint64_t marke = streu & 0xFFFFFFFF00000000ull;
        for (std::size_t i = streu & maske;; i = (i + 1) & maske) {
            if (tabelle[i] == 0) {
                tabelle[i] = marke | (knoten.size() + 1);
                schluessel.insert(schluessel.end(), k.begin(), k.end());
                knoten.emplace_back();
                return {static_cast<std::uint32_t>(knoten.size() - 1), true};
            }
            if ((tabelle[i] & 0xFFFFFFFF00000000ull) != marke)
                continue;
            const auto vorhanden = static_cast<std::uint32_t>(tabelle[i] - 1);
            if (std::equal(k.begin(), k.end(), schluesselVon(vorhanden)))
                return {vorhanden, false};
        }
    }

    void tabelleVergroessern() {
        std::vector<std::uint64_t> neu(std::max<std::size_t>(1024, tabelle.size() * 2), 0);
        const std::size_t maske = neu.size() - 1;
        for (std::uint32_t id = 0; id < knoten.size(); ++id) {
            const std::uint64_t streu = streuwert(schluesselVon(id), form.laenge);
            std::size_t i = streu & maske;
            while (neu[i] != 0)
                i = (i + 1) & maske;
            neu[i] = (streu & 0xFFFFFFFF00000000ull) | (id + 1);
        }
        tabelle.swap(neu);
    }

    // Whether one more node fits: the tables grow by doubling, so the limit is checked
    // before a step that would pass it rather than after. When it does not fit, `voll`
    // ends the search.
    bool platzFuerEinenKnoten() {
        std::size_t mehr = 0;
        if ((knoten.size() + 2) * 2 > tabelle.size())
            mehr += 2 * tabelle.size() * sizeof(std::uint64_t);
        if (knoten.size() == knoten.capacity())
            mehr += knoten.capacity() * sizeof(Knoten);
        if (schluessel.size() + form.laenge > schluessel.capacity())
            mehr += schluessel.capacity() * sizeof(Zelle);
        if (mehr > 0 && optionen.speicherGrenze > 0 && speicher() + mehr > optionen.speicherGrenze)
            voll = true;
        return !voll;
    }

    std::size_t speicher() const {
        return schluessel.capacity() * sizeof(Zelle) + knoten.capacity() * sizeof(Knoten) +
               tabelle.capacity() * sizeof(std::uint64_t) + offen.speicher() +
               entfernungen.speicher() + laufwege.speicher();
    }

    void belegen(const Zelle* k) {
        std::memcpy(belegung.data(), basis.data(), basis.size());
        const std::size_t tntEnde = form.tntEnde(k);
        for (std::size_t i = tntEnde; i < form.laenge; ++i)
            belegung[k[i]] = frei;
        for (std::size_t i = form.kistenAnfang(); i < form.kistenEnde(); ++i)
            belegung[k[i]] = kiste;
        for (std::size_t i = form.tntAnfang(); i < tntEnde; ++i)
            belegung[k[i]] = tnt;
    }

    // The figure's walk from `start` over the free cells of the position in `belegung`.
    // Only the cells reached last time are cleared: most of a large board stays out of reach.
    void laufen(Gang& gang, Zelle start) {
        for (const Zelle z : gang.erreicht)
            gang.weg[z] = -1;
        gang.erreicht.assign(1, start);
        gang.weg[start] = 0;
        for (std::size_t k = 0; k < gang.erreicht.size(); ++k) {
            const Zelle z = gang.erreicht[k];
            for (int r = 0; r < 4; ++r) {
                const int n = z + lager.versatz(r);
                if (belegung[n] != frei || gang.weg[n] >= 0)
                    continue;
                gang.weg[n] = gang.weg[z] + 1;
                gang.vorige[n] = static_cast<std::uint8_t>(r);
                gang.erreicht.push_back(static_cast<Zelle>(n));
            }
        }
    }

    static Zelle obenLinks(const Gang& gang) {
        return *std::min_element(gang.erreicht.begin(), gang.erreicht.end());
    }

    bool gesperrt(int z) const { return belegung[z] == fest || belegung[z] == gedacht; }

    bool achseBlockiert(int z, int v) {
        const int a = z - v, b = z + v;
        if (gesperrt(a) || gesperrt(b))
            return true;
        if (entfernungen.tot()[a] && entfernungen.tot()[b])
            return true;
        return (belegung[a] == kiste && eingefroren(a)) || (belegung[b] == kiste && eingefroren(b));
    }

    // A box that can never move again: blocked along both axes by permanent cells, by
    // lost cells on both sides, or by boxes that are themselves stuck. While one box is
    // examined it counts as a wall for its neighbours. A TNT box or a blastable wall
    // may still go away, so neither blocks here.
    bool eingefroren(int z) {
        const auto vorher = belegung[z];
        belegung[z] = gedacht;
        const bool steckt = achseBlockiert(z, 1) && achseBlockiert(z, lager.breite);
        belegung[z] = vorher;
        return steckt;
    }

    // After a box came to `z`: a box stuck off a storage place can never be placed.
    bool verklemmt(Zelle z) {
        if (!lager.stellplatz[z] && eingefroren(z))
            return true;
        for (int r = 0; r < 4; ++r) {
            const int n = z + lager.versatz(r);
            if (belegung[n] == kiste && !lager.stellplatz[n] && eingefroren(n))
                return true;
        }
        return false;
    }

    // Pushes of the boxes at the fewest on one table: the cheapest assignment.
    int zuordnen(const Zelle* k, const std::vector<int>& abstand) {
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
    int schaetzen(Zelle figur, const Zelle* k, const Tafel& tafel) {
        const Stufen& stufen = tafel.stufen;
        // The fast search goes by the pushes alone: weighted twenty times, the walk back
        // and the TNT terms lead it astray on the large levels, where it then finds no
        // solution within a minute.
        if (optionen.schnell)
            return zuordnen(k, stufen.back());
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
    int letzteSprengung(const Zelle* k, const Tafel& tafel, int wenigstens, int genug) {
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

    // The steps still needed at the fewest: the bound `m` of schaetzen, or the walk that
    // visits every box off its storage place, whichever is more.
    int bewerten(Zelle figur, const Zelle* k, int m, const Tafel& tafel) {
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
        return std::max(m, laufwege.schranke(figur, offeneKisten, rest));
    }

    void folgeknoten(std::uint32_t eltern, Zelle von, int richtung, std::uint32_t g,
                     const Tafel& tafel) {
        const Zelle figur = kind[0];
        if (optionen.schnell) {
            belegen(kind.data());
            laufen(gangKind, kind[0]);
            kind[0] = obenLinks(gangKind);
        }
        if (!platzFuerEinenKnoten())
            return;
        auto [id, neu] = eintragen(kind);
        if (!neu && (knoten[id].m == verloren || knoten[id].g <= g))
            return;
        if (neu) {
            const int m = schaetzen(figur, kind.data(), tafel);
            knoten[id].m = static_cast<std::uint16_t>(std::min(m, int{verloren}));
            if (m >= verloren)
                return;
            knoten[id].h = static_cast<std::uint16_t>(
                std::min(bewerten(figur, kind.data(), m, tafel), verloren - 1));
        }
        Knoten& k = knoten[id];
        k.eltern = eltern;
        k.g = g;
        k.von = von;
        k.richtung = static_cast<std::uint8_t>(richtung);
        k.geschlossen = false;
        einreihen(id);
    }

    void einreihen(std::uint32_t id) {
        const Knoten& k = knoten[id];
        offen.hinein({k.g + gewicht() * k.h, k.h, id});
    }

    std::uint32_t gewicht() const { return optionen.schnell ? gewichtSchnell : 1; }

    void ausbauen(std::uint32_t id) {
        eltern.assign(schluesselVon(id), schluesselVon(id) + form.laenge);
        const std::uint32_t g = knoten[id].g;
        const Tafel& tafel = entfernungen.tabelle(form.gesprengt(eltern.data()));
        belegen(eltern.data());
        laufen(gangEltern, eltern[0]);
        const std::vector<int>& schritte = gangEltern.weg;
        const std::size_t tntEnde = form.tntEnde(eltern.data());
        for (int r = 0; r < 4; ++r) {
            const int v = lager.versatz(r);
            for (std::size_t i = form.kistenAnfang(); i < tntEnde; ++i) {
                if (i == form.kistenEnde())
                    continue; // the TNT count
                const Zelle c = eltern[i];
                const auto t = static_cast<Zelle>(c + v);
                if (schritte[c - v] < 0)
                    continue;
                const std::uint32_t gNeu = g + static_cast<std::uint32_t>(schritte[c - v]) + 1;
                kind = eltern;
                kind[0] = c;
                if (i < form.kistenEnde()) {
                    if (belegung[t] != frei || entfernungen.tot()[t] || klemmtNach(c, t))
                        continue;
                    Schluessel::verschieben(kind, i, t, form.kistenAnfang(), form.kistenEnde());
                    weitergeben(id, c, r, gNeu, tafel);
                } else if (belegung[t] == frei) {
                    Schluessel::verschieben(kind, i, t, form.tntAnfang(), tntEnde);
                    weitergeben(id, c, r, gNeu, tafel);
                } else if (belegung[t] == mauer) {
                    form.sprengen(kind, i, t);
                    weitergeben(id, c, r, gNeu, entfernungen.tabelle(form.gesprengt(kind.data())));
                } else {
                    continue;
                }
                if (optionen.schnell)
                    belegen(eltern.data());
            }
        }
        for (const Wartend& w : wartend) {
            kind.assign(wartendeSchluessel.begin() + static_cast<long>(w.anfang),
                        wartendeSchluessel.begin() + static_cast<long>(w.anfang + form.laenge));
            folgeknoten(id, w.von, w.richtung, w.g, *w.tafel);
        }
        wartend.clear();
        wartendeSchluessel.clear();
    }

    // The proof looks each child up in the table only after all of them are made: the
    // table's slots, far apart in memory, are fetched meanwhile. The fast search changes
    // the board for each child and takes it at once.
    void weitergeben(std::uint32_t id, Zelle von, int richtung, std::uint32_t g,
                     const Tafel& tafel) {
        if (optionen.schnell) {
            folgeknoten(id, von, richtung, g, tafel);
            return;
        }
        if (!tabelle.empty())
            __builtin_prefetch(
                &tabelle[streuwert(kind.data(), kind.size()) & (tabelle.size() - 1)]);
        wartend.push_back({wartendeSchluessel.size(), von, richtung, g, &tafel});
        wartendeSchluessel.insert(wartendeSchluessel.end(), kind.begin(), kind.end());
    }

    bool klemmtNach(Zelle von, Zelle nach) {
        belegung[von] = frei;
        belegung[nach] = kiste;
        const bool klemmt = verklemmt(nach);
        belegung[nach] = frei;
        belegung[von] = kiste;
        return klemmt;
    }

    // Where the box or TNT box on cell `z` stands in the key.
    std::size_t objektIndex(const std::vector<Zelle>& k, Zelle z) const {
        const auto anfang = k.begin() + static_cast<long>(form.kistenAnfang());
        const auto kistenEnde = k.begin() + static_cast<long>(form.kistenEnde());
        const auto kiste = std::find(anfang, kistenEnde, z);
        if (kiste != kistenEnde)
            return static_cast<std::size_t>(kiste - k.begin());
        const auto tntAnfang = k.begin() + static_cast<long>(form.tntAnfang());
        return static_cast<std::size_t>(
            std::find(tntAnfang, k.begin() + static_cast<long>(form.tntEnde(k.data())), z) -
            k.begin());
    }

    // The keys of the path from the start to `ziel`: each walk found again, then the push.
    // Every node on the path is one push.
    std::string zuegeNach(std::uint32_t ziel, int& schuebe) {
        std::vector<std::uint32_t> pfad;
        for (std::uint32_t id = ziel; id != 0; id = knoten[id].eltern)
            pfad.push_back(id);
        schuebe = static_cast<int>(pfad.size());
        std::reverse(pfad.begin(), pfad.end());
        std::vector<Zelle> k = form.start(lager);
        std::string zuege;
        for (const std::uint32_t id : pfad) {
            const Knoten& schritt = knoten[id];
            const int v = lager.versatz(schritt.richtung);
            belegen(k.data());
            laufen(gangKind, k[0]);
            std::string gang;
            for (int z = schritt.von - v; z != k[0]; z -= lager.versatz(gangKind.vorige[z]))
                gang += tasten[gangKind.vorige[z]];
            zuege.append(gang.rbegin(), gang.rend());
            zuege += tasten[schritt.richtung];
            const auto i = objektIndex(k, schritt.von);
            const auto nach = static_cast<Zelle>(schritt.von + v);
            k[0] = schritt.von;
            if (i < form.kistenEnde())
                Schluessel::verschieben(k, i, nach, form.kistenAnfang(), form.kistenEnde());
            else if (belegung[nach] == mauer)
                form.sprengen(k, i, nach);
            else
                Schluessel::verschieben(k, i, nach, form.tntAnfang(), form.tntEnde(k.data()));
        }
        return zuege;
    }

    // Whether a limit or the caller ends the search; reports progress now and then.
    bool anhalten(int schranke, std::string& grund) {
        const auto jetzt = std::chrono::steady_clock::now();
        const std::size_t belegt = speicher();
        spitze = std::max(spitze, belegt);
        if (fortschritt && jetzt - letzteMeldung >= std::chrono::milliseconds(100)) {
            fortschritt->melden({knoten.size(), schranke, belegt});
            letzteMeldung = jetzt;
        }
        if (optionen.abbrechen && optionen.abbrechen->load())
            grund = "Die Suche wurde abgebrochen.";
        else if (optionen.zeitGrenze.count() > 0 && jetzt - beginn >= optionen.zeitGrenze)
            grund = "Die Zeitgrenze der Suche ist erreicht.";
        else if (voll || (optionen.speicherGrenze > 0 && belegt >= optionen.speicherGrenze))
            grund = "Die Speichergrenze der Suche ist erreicht.";
        else if (optionen.zustandsGrenze > 0 && knoten.size() >= optionen.zustandsGrenze)
            grund = "Die Grenze für die Zahl der Stellungen ist erreicht.";
        else if (knoten.size() >= 0xFFFFFFF0u)
            grund = "Die Suche hat zu viele Stellungen.";
        return !grund.empty();
    }

    const Lager& lager;
    const Loeseroptionen& optionen;
    Fortschritt* fortschritt;
    Entfernungen entfernungen;
    Laufwege laufwege{lager};
    Rueckweg rueckweg{lager};
    Schluessel form;
    std::vector<Zelle> schluessel; // all keys, one after the other
    std::vector<Knoten> knoten;
    std::vector<std::uint64_t> tabelle; // hash and node index + 1; 0 for an empty slot
    Schlange offen;
    std::vector<std::uint8_t> basis;
    std::vector<std::uint8_t> belegung;
    Gang gangEltern, gangKind;
    std::vector<Zelle> eltern, kind;
    struct Wartend {
        std::size_t anfang; // of its key in wartendeSchluessel
        Zelle von;
        int richtung;
        std::uint32_t g;
        const Tafel* tafel;
    };
    std::vector<Wartend> wartend;
    std::vector<Zelle> wartendeSchluessel;
    std::vector<int> kosten;
    Zuordnung ungarisch;
    std::vector<int> tntWege;
    std::vector<Zelle> offeneKisten;
    std::size_t spitze = 0;
    bool voll = false; // the next node would pass the memory limit
    std::chrono::steady_clock::time_point beginn, letzteMeldung;
};

Loesung Suche::suchen() {
    kind = form.start(lager);
    if (optionen.schnell) {
        belegen(kind.data());
        laufen(gangKind, kind[0]);
        kind[0] = obenLinks(gangKind);
    }
    eintragen(kind);
    const auto& tafel = entfernungen.tabelle({});
    const int m = schaetzen(lager.figur, kind.data(), tafel);
    Loesung loesung;
    if (m >= unendlich) {
        loesung.ergebnis = Ergebnis::unloesbar;
        return loesung;
    }
    knoten[0].m = static_cast<std::uint16_t>(m);
    const auto startKey = form.start(lager);
    const int h = bewerten(lager.figur, startKey.data(), m, tafel);
    knoten[0].h = static_cast<std::uint16_t>(h);
    if (fortschritt)
        fortschritt->melden({knoten.size(), h, speicher()});
    einreihen(0);
    int schranke = h;
    std::uint64_t runden = 0;
    while (!offen.leer()) {
        const Schlange::Eintrag e = offen.heraus();
        Knoten& k = knoten[e.knoten];
        // An entry left behind when the position was reached again more cheaply.
        if (k.geschlossen || e.rang - gewicht() * e.schranke != k.g)
            continue;
        k.geschlossen = true;
        if (!optionen.schnell)
            schranke = std::max<int>(schranke, static_cast<int>(e.rang));
        if (k.m == 0) {
            loesung.ergebnis = Ergebnis::geloest;
            loesung.optimal = !optionen.schnell;
            loesung.zuege = zuegeNach(e.knoten, loesung.schuebe);
            break;
        }
        // The clock is read now and then; the count of positions every time.
        const bool genug = optionen.zustandsGrenze > 0 && knoten.size() >= optionen.zustandsGrenze;
        if ((++runden % 256 == 0 || genug) && anhalten(schranke, loesung.grund))
            break;
        ausbauen(e.knoten);
        // Children left out for want of memory: the search can no longer say "unsolvable".
        if (voll && anhalten(schranke, loesung.grund))
            break;
    }
    if (loesung.ergebnis == Ergebnis::unbekannt && loesung.grund.empty())
        loesung.ergebnis = Ergebnis::unloesbar;
    loesung.zustaende = knoten.size();
    loesung.spitzenSpeicher = std::max(spitze, speicher());
    if (fortschritt)
        fortschritt->melden({knoten.size(), schranke, speicher()});
    return loesung;
}

} // namespace

int zugTaste(char zug) {
    const auto* ende = std::end(tasten);
    const auto* fund = std::find(std::begin(tasten), ende, zug);
    return fund == ende ? 0 : tasteLinks + static_cast<int>(fund - std::begin(tasten));
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
    return Suche(std::get<Lager>(gelesen), optionen, fortschritt).suchen();
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
