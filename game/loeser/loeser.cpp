#include "loeser.h"

#include "lager.h"
#include "zuordnung.h"

#include <algorithm>
#include <cstring>
#include <queue>
#include <variant>
#include <vector>

// The search runs over push positions: a node is the set of boxes, TNT boxes and
// blasted walls with the figure's cell right after a push; the walk up to the next push
// is worked out by a breadth-first search of the figure, so an edge costs the steps of
// the walk plus one for the push. A* orders the nodes by steps so far plus a lower
// bound on the pushes still needed: the cheapest assignment of boxes to distinct
// storage places, each at its push distance on the board with every wall removed that
// a TNT box could ever blast. Walls only ever disappear, so that board lets a box
// through wherever a real position could, its distances are never too long, and the
// bound is admissible. The distances are fixed for the whole search and one push moves
// one box by one cell, so the bound drops by at most one per push: it is consistent,
// and a node once expanded is never reached more cheaply.
//
// The optimal search keys its table on the figure's exact cell, because the steps still
// needed depend on where the figure stands; the fast search keys on the top-left cell
// the figure can reach, which merges every position the figure can walk between.

namespace {

using Zelle = Lager::Zelle;
constexpr int unendlich = 1 << 28;
constexpr char tasten[] = {'l', 'o', 'r', 'u'}; // in the order of Lager::versatz
constexpr Zelle leer = 0xFFFF;

enum Belegung : std::uint8_t { frei, kiste, tnt, mauer, fest, gedacht };

// One position: the figure, the boxes, the TNT boxes left and the walls blasted so far.
struct Stellung {
    Zelle figur = 0;
    std::vector<Zelle> kisten;
    std::vector<Zelle> tntKisten;
    std::vector<Zelle> gesprengt;
};

struct Knoten {
    std::uint32_t eltern = 0;
    std::uint32_t g = 0; // steps from the start
    std::uint16_t h = 0; // lower bound on the pushes still needed
    Zelle von = 0;       // the pushed object's cell before the push
    std::uint8_t richtung = 0;
    bool geschlossen = false;
};

struct Eintrag {
    std::uint32_t rang1, rang2, knoten;
    bool operator>(const Eintrag& e) const {
        return rang1 != e.rang1 ? rang1 > e.rang1 : rang2 > e.rang2;
    }
};

// Push distances of a box to every storage place on the board without blastable walls,
// and the cells from which no storage place can be reached at all.
class Entfernungen {
  public:
    explicit Entfernungen(const Lager& lager) : tot(lager.fest.size(), true) {
        for (std::size_t z = 0; z < lager.fest.size(); ++z) {
            if (lager.stellplatz[z] && !lager.fest[z])
                ziele.push_back(static_cast<Zelle>(z));
        }
        abstand.assign(ziele.size() * lager.fest.size(), unendlich);
        for (std::size_t j = 0; j < ziele.size(); ++j)
            rueckwaerts(lager, j);
    }

    int zuZiel(std::size_t ziel, Zelle z) const { return abstand[ziel * tot.size() + z]; }

    std::vector<Zelle> ziele;
    std::vector<bool> tot;

  private:
    // Pulls a box away from the storage place: it could have been pushed from c to t
    // if both c and the figure's cell behind c are open.
    void rueckwaerts(const Lager& lager, std::size_t j) {
        int* d = &abstand[j * tot.size()];
        std::vector<Zelle> schlange{ziele[j]};
        d[ziele[j]] = 0;
        for (std::size_t k = 0; k < schlange.size(); ++k) {
            const Zelle t = schlange[k];
            tot[t] = false;
            for (int r = 0; r < 4; ++r) {
                const int v = lager.versatz(r);
                const int c = t - v;
                if (lager.fest[c] || lager.fest[c - v] || d[c] != unendlich)
                    continue;
                d[c] = d[t] + 1;
                schlange.push_back(static_cast<Zelle>(c));
            }
        }
    }

    std::vector<int> abstand;
};

class Suche {
  public:
    Suche(const Lager& lager, const Loeseroptionen& optionen, Fortschritt* fortschritt)
        : lager(lager), optionen(optionen), fortschritt(fortschritt), entfernungen(lager),
          schluesselLaenge(2 + lager.kisten.size() + lager.tntKisten.size()),
          basis(lager.fest.size(), frei), belegung(basis.size()), weg(basis.size()),
          vorige(basis.size()) {
        for (std::size_t z = 0; z < basis.size(); ++z)
            basis[z] = lager.fest[z] ? fest : frei;
        for (const Zelle m : lager.mauern)
            basis[m] = mauer;
        beginn = std::chrono::steady_clock::now();
        letzteMeldung = beginn;
    }

    Loesung suchen();

  private:
    // Key layout: figure, boxes, number of TNT boxes, TNT boxes, blasted walls; each
    // list ascending. The TNT boxes and the blasted walls always add up to the TNT
    // boxes of the start, so every key has the same length.
    void verschluesseln(const Stellung& s, std::vector<Zelle>& schluessel) const {
        schluessel.clear();
        schluessel.push_back(s.figur);
        schluessel.insert(schluessel.end(), s.kisten.begin(), s.kisten.end());
        schluessel.push_back(static_cast<Zelle>(s.tntKisten.size()));
        schluessel.insert(schluessel.end(), s.tntKisten.begin(), s.tntKisten.end());
        schluessel.insert(schluessel.end(), s.gesprengt.begin(), s.gesprengt.end());
    }

    Stellung entschluesseln(std::uint32_t knoten) const {
        const Zelle* k = &schluessel[knoten * schluesselLaenge];
        const std::size_t n = lager.kisten.size();
        Stellung s;
        s.figur = k[0];
        s.kisten.assign(k + 1, k + 1 + n);
        const Zelle tntZahl = k[1 + n];
        s.tntKisten.assign(k + 2 + n, k + 2 + n + tntZahl);
        s.gesprengt.assign(k + 2 + n + tntZahl, k + schluesselLaenge);
        return s;
    }

    static std::uint64_t streuwert(const Zelle* k, std::size_t laenge) {
        std::uint64_t h = 1469598103934665603ull;
        for (std::size_t i = 0; i < laenge; ++i)
            h = (h ^ k[i]) * 1099511628211ull;
        return h ^ (h >> 29);
    }

    // The node for a key: its index and whether it was new.
    std::pair<std::uint32_t, bool> eintragen(const std::vector<Zelle>& k) {
        if ((knoten.size() + 1) * 2 > tabelle.size())
            tabelleVergroessern();
        const std::size_t maske = tabelle.size() - 1;
        for (std::size_t i = streuwert(k.data(), k.size()) & maske;; i = (i + 1) & maske) {
            if (tabelle[i] == 0) {
                tabelle[i] = static_cast<std::uint32_t>(knoten.size() + 1);
                schluessel.insert(schluessel.end(), k.begin(), k.end());
                knoten.emplace_back();
                return {static_cast<std::uint32_t>(knoten.size() - 1), true};
            }
            const std::uint32_t vorhanden = tabelle[i] - 1;
            if (std::equal(k.begin(), k.end(), &schluessel[vorhanden * schluesselLaenge]))
                return {vorhanden, false};
        }
    }

    void tabelleVergroessern() {
        std::vector<std::uint32_t> neu(std::max<std::size_t>(1024, tabelle.size() * 2), 0);
        const std::size_t maske = neu.size() - 1;
        for (std::uint32_t id = 0; id < knoten.size(); ++id) {
            std::size_t i = streuwert(&schluessel[id * schluesselLaenge], schluesselLaenge) & maske;
            while (neu[i] != 0)
                i = (i + 1) & maske;
            neu[i] = id + 1;
        }
        tabelle.swap(neu);
    }

    std::size_t speicher() const {
        return schluessel.capacity() * sizeof(Zelle) + knoten.capacity() * sizeof(Knoten) +
               tabelle.capacity() * sizeof(std::uint32_t) + offen.size() * sizeof(Eintrag) * 3 / 2;
    }

    void belegen(const Stellung& s) {
        std::memcpy(belegung.data(), basis.data(), basis.size());
        for (const Zelle w : s.gesprengt)
            belegung[w] = frei;
        for (const Zelle z : s.kisten)
            belegung[z] = kiste;
        for (const Zelle z : s.tntKisten)
            belegung[z] = tnt;
    }

    // Steps of the figure from `start` to every free cell; -1 where it cannot walk.
    void laufen(Zelle start) {
        std::fill(weg.begin(), weg.end(), -1);
        schlange.clear();
        schlange.push_back(start);
        weg[start] = 0;
        for (std::size_t k = 0; k < schlange.size(); ++k) {
            const Zelle z = schlange[k];
            for (int r = 0; r < 4; ++r) {
                const int n = z + lager.versatz(r);
                if (belegung[n] != frei || weg[n] >= 0)
                    continue;
                weg[n] = weg[z] + 1;
                vorige[n] = static_cast<std::uint8_t>(r);
                schlange.push_back(static_cast<Zelle>(n));
            }
        }
    }

    Zelle obenLinks() const { return *std::min_element(schlange.begin(), schlange.end()); }

    bool gesperrt(int z) const { return belegung[z] == fest || belegung[z] == gedacht; }

    bool achseBlockiert(int z, int v) {
        const int a = z - v, b = z + v;
        if (gesperrt(a) || gesperrt(b))
            return true;
        if (entfernungen.tot[a] && entfernungen.tot[b])
            return true;
        return (belegung[a] == kiste && eingefroren(a)) || (belegung[b] == kiste && eingefroren(b));
    }

    // A box that can never move again: blocked along both axes by permanent cells, by
    // dead cells on both sides, or by boxes that are themselves stuck. While one box is
    // examined it counts as a wall for its neighbours. A TNT box or a blastable wall
    // may still go away, so neither blocks here.
    bool eingefroren(int z) {
        const auto vorher = belegung[z];
        belegung[z] = gedacht;
        const bool stuck = achseBlockiert(z, 1) && achseBlockiert(z, lager.breite);
        belegung[z] = vorher;
        return stuck;
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

    int schaetzen(const std::vector<Zelle>& kisten) {
        const auto spalten = static_cast<int>(entfernungen.ziele.size());
        kosten.resize(kisten.size() * spalten);
        for (std::size_t i = 0; i < kisten.size(); ++i) {
            for (int j = 0; j < spalten; ++j)
                kosten[i * spalten + j] = entfernungen.zuZiel(j, kisten[i]);
        }
        return billigsteZuordnung(kosten, static_cast<int>(kisten.size()), spalten, unendlich);
    }

    void folgeknoten(std::uint32_t eltern, Stellung& kind, Zelle von, int richtung, std::uint32_t g,
                     int h) {
        if (optionen.schnell) {
            belegen(kind);
            laufen(kind.figur);
            kind.figur = obenLinks();
        }
        verschluesseln(kind, puffer);
        auto [id, neu] = eintragen(puffer);
        Knoten& k = knoten[id];
        if (!neu && (k.geschlossen || k.g <= g))
            return;
        if (neu) {
            if (h < 0)
                h = schaetzen(kind.kisten);
            if (h >= unendlich) {
                k.geschlossen = true; // no assignment left: never worth looking at again
                return;
            }
            k.h = static_cast<std::uint16_t>(h);
        }
        k.eltern = eltern;
        k.g = g;
        k.von = von;
        k.richtung = static_cast<std::uint8_t>(richtung);
        einreihen(id);
    }

    void einreihen(std::uint32_t id) {
        const Knoten& k = knoten[id];
        if (optionen.schnell)
            offen.push({k.h, k.g, id});
        else
            offen.push({k.g + k.h, ~k.g, id});
    }

    void ausbauen(std::uint32_t id) {
        const Stellung s = entschluesseln(id);
        const std::uint32_t g = knoten[id].g;
        const int h = knoten[id].h;
        belegen(s);
        laufen(s.figur);
        const std::vector<int> schritte = weg;
        for (int r = 0; r < 4; ++r) {
            const int v = lager.versatz(r);
            for (std::size_t i = 0; i < s.kisten.size(); ++i) {
                const Zelle c = s.kisten[i];
                const int t = c + v;
                if (schritte[c - v] < 0 || belegung[t] != frei || entfernungen.tot[t])
                    continue;
                belegung[c] = frei;
                belegung[t] = kiste;
                const bool klemmt = verklemmt(static_cast<Zelle>(t));
                belegung[t] = frei;
                belegung[c] = kiste;
                if (klemmt)
                    continue;
                Stellung kind = s;
                kind.figur = c;
                kind.kisten[i] = static_cast<Zelle>(t);
                std::sort(kind.kisten.begin(), kind.kisten.end());
                folgeknoten(id, kind, c, r, g + schritte[c - v] + 1, -1);
                belegen(s);
            }
            for (std::size_t i = 0; i < s.tntKisten.size(); ++i) {
                const Zelle c = s.tntKisten[i];
                const int t = c + v;
                if (schritte[c - v] < 0 || (belegung[t] != frei && belegung[t] != mauer))
                    continue;
                Stellung kind = s;
                kind.figur = c;
                if (belegung[t] == mauer) {
                    kind.tntKisten.erase(kind.tntKisten.begin() + static_cast<long>(i));
                    kind.gesprengt.push_back(static_cast<Zelle>(t));
                    std::sort(kind.gesprengt.begin(), kind.gesprengt.end());
                } else {
                    kind.tntKisten[i] = static_cast<Zelle>(t);
                    std::sort(kind.tntKisten.begin(), kind.tntKisten.end());
                }
                folgeknoten(id, kind, c, r, g + schritte[c - v] + 1, h);
                belegen(s);
            }
        }
    }

    // The keys of the path from the start to `ziel`: walks found again, then the push.
    std::string zuegeNach(std::uint32_t ziel) {
        std::vector<std::uint32_t> pfad;
        for (std::uint32_t id = ziel; id != 0; id = knoten[id].eltern)
            pfad.push_back(id);
        std::reverse(pfad.begin(), pfad.end());
        Stellung s{lager.figur, lager.kisten, lager.tntKisten, {}};
        std::string zuege;
        for (const std::uint32_t id : pfad) {
            const Knoten& k = knoten[id];
            const int v = lager.versatz(k.richtung);
            belegen(s);
            laufen(s.figur);
            std::string gang;
            for (int z = k.von - v; z != s.figur; z -= lager.versatz(vorige[z]))
                gang += tasten[vorige[z]];
            zuege.append(gang.rbegin(), gang.rend());
            zuege += tasten[k.richtung];
            schieben(s, k.von, k.von + v);
        }
        return zuege;
    }

    void schieben(Stellung& s, Zelle von, int nach) {
        s.figur = von;
        if (const auto it = std::find(s.kisten.begin(), s.kisten.end(), von);
            it != s.kisten.end()) {
            *it = static_cast<Zelle>(nach);
            return;
        }
        const auto it = std::find(s.tntKisten.begin(), s.tntKisten.end(), von);
        if (belegung[nach] == mauer) {
            s.tntKisten.erase(it);
            s.gesprengt.push_back(static_cast<Zelle>(nach));
        } else {
            *it = static_cast<Zelle>(nach);
        }
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
        else if (optionen.speicherGrenze > 0 && belegt >= optionen.speicherGrenze)
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
    std::size_t schluesselLaenge;
    std::vector<Zelle> schluessel; // all keys, one after the other
    std::vector<Knoten> knoten;
    std::vector<std::uint32_t> tabelle; // node index + 1, 0 for an empty slot
    std::priority_queue<Eintrag, std::vector<Eintrag>, std::greater<>> offen;
    std::vector<std::uint8_t> basis;
    std::vector<std::uint8_t> belegung;
    std::vector<int> weg;
    std::vector<std::uint8_t> vorige; // direction of the last step onto a cell
    std::vector<Zelle> schlange;
    std::vector<Zelle> puffer;
    std::vector<int> kosten;
    std::size_t spitze = 0;
    std::chrono::steady_clock::time_point beginn, letzteMeldung;
};

Loesung Suche::suchen() {
    Stellung start{lager.figur, lager.kisten, lager.tntKisten, {}};
    if (optionen.schnell) {
        belegen(start);
        laufen(start.figur);
        start.figur = obenLinks();
    }
    verschluesseln(start, puffer);
    eintragen(puffer);
    const int h = schaetzen(lager.kisten);
    Loesung loesung;
    if (h >= unendlich) {
        loesung.ergebnis = Ergebnis::unloesbar;
        return loesung;
    }
    knoten[0].h = static_cast<std::uint16_t>(h);
    einreihen(0);
    int schranke = h;
    std::uint64_t runden = 0;
    while (!offen.empty()) {
        const Eintrag e = offen.top();
        offen.pop();
        Knoten& k = knoten[e.knoten];
        if (k.geschlossen || (optionen.schnell ? e.rang2 : ~e.rang2) != k.g)
            continue;
        k.geschlossen = true;
        if (!optionen.schnell)
            schranke = std::max<int>(schranke, static_cast<int>(e.rang1));
        if (k.h == 0) {
            loesung.ergebnis = Ergebnis::geloest;
            loesung.optimal = !optionen.schnell;
            loesung.zuege = zuegeNach(e.knoten);
            break;
        }
        if (++runden % 256 == 0 && anhalten(schranke, loesung.grund)) {
            loesung.ergebnis = Ergebnis::unbekannt;
            break;
        }
        ausbauen(e.knoten);
    }
    if (offen.empty() && loesung.ergebnis == Ergebnis::unbekannt && loesung.grund.empty())
        loesung.ergebnis = Ergebnis::unloesbar;
    loesung.zustaende = knoten.size();
    loesung.spitzenSpeicher = std::max(spitze, speicher());
    if (fortschritt)
        fortschritt->melden({knoten.size(), schranke, speicher()});
    return loesung;
}

} // namespace

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
