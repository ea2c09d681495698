// Writes the solver's benchmark levels: open rooms, rooms joined by corridors, goal rooms
// with one entrance, long tunnels, each also with TNT boxes. Every level is made
// backwards from its solved position: the figure pulls boxes off the storage places and
// rebuilds blasted walls with a TNT box in front, so playing the same moves forwards
// solves it. The same seed gives the same levels.
//
//     lagerix_benchlevels ORDNER

#include "game/levelbild.h"
#include "game/textdatei.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int breite = 23, hoehe = 18; // the full board
constexpr int richtungen[4][2] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};

class Wuerfel {
  public:
    explicit Wuerfel(std::uint64_t saat) : zustand(saat) {}
    int zahl(int bis) { return static_cast<int>(weiter() % static_cast<std::uint64_t>(bis)); }
    bool chance(int prozent) { return zahl(100) < prozent; }

  private:
    std::uint64_t weiter() { // splitmix64: the same numbers on every machine
        std::uint64_t z = (zustand += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    std::uint64_t zustand;
};

// A floor plan: '#' wall, ' ' floor, 'g' floor where storage places may go.
using Plan = std::vector<std::string>;

Plan leererRaum() {
    Plan p(hoehe, std::string(breite, ' '));
    for (int y = 0; y < hoehe; ++y)
        for (int x = 0; x < breite; ++x)
            if (x == 0 || y == 0 || x == breite - 1 || y == hoehe - 1)
                p[y][x] = '#';
    return p;
}

// Six rooms behind double walls, joined by short corridors at random places.
Plan raeume(Wuerfel& w) {
    Plan p = leererRaum();
    for (int y = 1; y < hoehe - 1; ++y)
        for (const int x : {7, 8, 14, 15})
            p[y][x] = '#';
    for (int x = 1; x < breite - 1; ++x)
        p[8][x] = p[9][x] = '#';
    for (const int x : {7, 14}) {
        for (const int oben : {1, 10}) {
            const int y = oben + w.zahl(6);
            p[y][x] = p[y][x + 1] = ' ';
        }
    }
    for (const int links : {1, 9, 16}) {
        const int x = links + w.zahl(5);
        p[8][x] = p[9][x] = ' ';
    }
    return p;
}

// The storage places fill a room in the top right corner whose only entrance is one
// corridor cell; the rest of the board is open.
Plan zielraum(Wuerfel& w) {
    Plan p = leererRaum();
    for (int y = 1; y <= 6; ++y)
        p[y][15] = '#';
    for (int x = 15; x < breite - 1; ++x)
        p[7][x] = '#';
    for (int y = 1; y <= 6; ++y)
        for (int x = 16; x < breite - 1; ++x)
            p[y][x] = 'g';
    p[1 + w.zahl(6)][15] = ' ';
    return p;
}

// Two rooms joined only by a long tunnel, one cell wide, that turns up or down at random
// columns; a turn is two cells wide, so that a box can be pushed round the corner. The
// storage places are in the right room.
Plan tunnel(Wuerfel& w) {
    Plan p = leererRaum();
    for (int y = 1; y < hoehe - 1; ++y)
        for (int x = 7; x <= 15; ++x)
            p[y][x] = '#';
    for (int y = 1; y < hoehe - 1; ++y)
        for (int x = 16; x < breite - 1; ++x)
            p[y][x] = 'g';
    int y = 2 + w.zahl(hoehe - 5);
    for (int x = 7; x <= 15; ++x) {
        p[y][x] = ' ';
        if (x > 8 && x < 13 && w.chance(40)) {
            const int ziel = 2 + w.zahl(hoehe - 5);
            // One row beyond either end, where the figure stands to push round the corner.
            for (int r = std::min(y, ziel) - 1; r <= std::max(y, ziel) + 1; ++r)
                p[r][x] = p[r][x + 1] = ' ';
            y = ziel;
            ++x;
        }
    }
    return p;
}

// The position being built backwards: pulls and unblasts on a picture of the board.
class Rueckwaerts {
  public:
    Rueckwaerts(const Plan& plan, int kisten, int tntKisten, Wuerfel& w)
        : bild(plan), w(w), tntUebrig(tntKisten) {
        // Storage places go where the plan marks them, or anywhere on the floor.
        const bool markiert = std::any_of(bild.begin(), bild.end(), [](const std::string& z) {
            return z.find('g') != std::string::npos;
        });
        std::vector<int> kandidaten;
        for (int z = 0; z < breite * hoehe; ++z)
            if (an(z) == (markiert ? 'g' : ' '))
                kandidaten.push_back(z);
        for (auto& zeile : bild)
            std::replace(zeile.begin(), zeile.end(), 'g', ' ');
        for (int i = 0; i < kisten && !kandidaten.empty(); ++i) {
            const int k = w.zahl(static_cast<int>(kandidaten.size()));
            an(kandidaten[k]) = '*';
            kandidaten.erase(kandidaten.begin() + k);
        }
        do
            figur = w.zahl(breite * hoehe);
        while (an(figur) != ' ');
        abstaendeZumZiel();
    }

    // `zuege` pulls, each pulling one object one or more cells; TNT walls come back in
    // between, spread over the moves.
    void mischen(int zuege) {
        for (int zug = 0; zug < zuege; ++zug) {
            if (tntUebrig > 0 && w.zahl(zuege - zug) < tntUebrig * 2 && wandZurueck())
                continue;
            ziehen();
        }
        const auto reich = erreichbar();
        std::vector<int> frei;
        for (int z = 0; z < breite * hoehe; ++z)
            if (reich[z])
                frei.push_back(z);
        figur = frei[w.zahl(static_cast<int>(frei.size()))];
    }

    std::vector<std::string> ergebnis() const {
        std::vector<std::string> b = bild;
        char& f = b[figur / breite][figur % breite];
        f = f == '.' ? '+' : '@';
        return b;
    }

  private:
    char& an(int z) { return bild[z / breite][z % breite]; }
    static int versatz(int r) { return richtungen[r][0] + richtungen[r][1] * breite; }
    bool frei(int z) { return an(z) == ' ' || an(z) == '.'; }
    bool kiste(int z) { return an(z) == '$' || an(z) == '*'; }

    std::vector<bool> erreichbar() { return erreichbarVon(figur); }
    std::vector<bool> erreichbarVon(int von) {
        std::vector<bool> reich(breite * hoehe, false);
        std::vector<int> offen{von};
        reich[von] = true;
        while (!offen.empty()) {
            const int z = offen.back();
            offen.pop_back();
            for (int r = 0; r < 4; ++r) {
                const int n = z + versatz(r);
                if (!reich[n] && frei(n)) {
                    reich[n] = true;
                    offen.push_back(n);
                }
            }
        }
        return reich;
    }

    // Pull distances from the storage places over every cell that is no wall: pulls that
    // lead away from them spread the boxes over the board.
    void abstaendeZumZiel() {
        abstand.assign(breite * hoehe, 1 << 20);
        std::vector<int> schlange;
        for (int z = 0; z < breite * hoehe; ++z)
            if (an(z) == '*') {
                abstand[z] = 0;
                schlange.push_back(z);
            }
        for (std::size_t i = 0; i < schlange.size(); ++i)
            for (int r = 0; r < 4; ++r) {
                const int n = schlange[i] + versatz(r);
                if (an(n) != '#' && abstand[n] > abstand[schlange[i]] + 1) {
                    abstand[n] = abstand[schlange[i]] + 1;
                    schlange.push_back(n);
                }
            }
    }

    // One object is pulled along a way of its own to a cell well away from the storage
    // places: a breadth-first search over the object's cell and the figure's side, with
    // every other object standing still. Objects nearer the storage places go first.
    void ziehen() {
        std::vector<int> objekte;
        for (int z = 0; z < breite * hoehe; ++z)
            if (kiste(z) || an(z) == 'T')
                objekte.push_back(z);
        for (std::size_t i = objekte.size(); i > 1; --i)
            std::swap(objekte[i - 1], objekte[w.zahl(static_cast<int>(i))]);
        std::stable_sort(objekte.begin(), objekte.end(),
                         [&](int a, int b) { return abstand[a] < abstand[b]; });
        for (const int start : objekte)
            if (wegziehen(start))
                return;
    }

    bool wegziehen(int start) {
        const char art = an(start);
        const bool tnt = art == 'T';
        an(start) = art == '*' ? '.' : ' ';
        // State k * 4 + r: the object on k, the figure on k + v(r) after pulling it there.
        std::vector<bool> gesehen(breite * hoehe * 4, false);
        std::vector<int> staende;
        const auto besuchen = [&](int objekt, int figurJetzt) {
            const char alt = an(objekt);
            an(objekt) = 'T';
            const auto reich = erreichbarVon(figurJetzt);
            an(objekt) = alt;
            for (int r = 0; r < 4; ++r) {
                const int p = objekt + versatz(r);
                if (!reich[p] || !frei(p + versatz(r)) || (tnt && an(p) == '.') ||
                    gesehen[p * 4 + r])
                    continue;
                gesehen[p * 4 + r] = true;
                staende.push_back(p * 4 + r);
            }
        };
        besuchen(start, figur);
        for (std::size_t i = 0; i < staende.size(); ++i) {
            const int k = staende[i] / 4;
            besuchen(k, k + versatz(staende[i] % 4));
        }
        if (staende.empty()) {
            an(start) = art;
            return false;
        }
        // Among the farthest third of the cells it can reach, one at random.
        std::stable_sort(staende.begin(), staende.end(),
                         [&](int a, int b) { return abstand[a / 4] > abstand[b / 4]; });
        const int ziel = staende[w.zahl(static_cast<int>(staende.size() + 2) / 3)];
        const int k = ziel / 4;
        an(k) = tnt ? 'T' : an(k) == '.' ? '*' : '$';
        figur = k + versatz(ziel % 4);
        return true;
    }

    // The last blast undone: the figure stands on c, the wall comes back on the cell beyond
    // and the TNT box on c, the figure steps back. Walls next to other walls are preferred,
    // so that the blast opens a way rather than a hole in the floor.
    bool wandZurueck() {
        const auto reich = erreichbar();
        struct Sprengung {
            int c, richtung;
        };
        std::vector<Sprengung> angelehnt, alle;
        for (int c = 0; c < breite * hoehe; ++c) {
            if (!reich[c] || an(c) != ' ')
                continue;
            for (int r = 0; r < 4; ++r) {
                const int wand = c + versatz(r);
                if (an(wand) != ' ' || !frei(c - versatz(r)) || c - versatz(r) == wand)
                    continue;
                alle.push_back({c, r});
                for (int s = 0; s < 4; ++s)
                    if (an(wand + versatz(s)) == '#')
                        angelehnt.push_back({c, r});
            }
        }
        const auto& wahl = angelehnt.empty() ? alle : angelehnt;
        if (wahl.empty())
            return false;
        const Sprengung s = wahl[w.zahl(static_cast<int>(wahl.size()))];
        an(s.c + versatz(s.richtung)) = '#';
        an(s.c) = 'T';
        figur = s.c - versatz(s.richtung);
        --tntUebrig;
        return true;
    }

    std::vector<std::string> bild;
    Wuerfel& w;
    int tntUebrig;
    int figur = 0;
    std::vector<int> abstand;
};

struct Art {
    const char* name;
    Plan (*plan)(Wuerfel&);
    std::vector<int> kisten; // one level per count
    int tnt;                 // TNT boxes in the TNT variants
    std::vector<int> mitTnt; // box counts of the TNT variants
    int zuegeJeKiste;        // objects moved, per box
};

Plan offen(Wuerfel&) {
    return leererRaum();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("Aufruf: lagerix_benchlevels ORDNER\n", stderr);
        return 2;
    }
    const std::string ordner = std::string(argv[1]) + "/";
    const std::vector<Art> arten{
        {"offen", offen, {6, 10, 20, 40, 6, 10, 20, 40}, 3, {6, 10, 20, 30, 40}, 3},
        {"raeume", raeume, {8, 10, 12, 15, 8, 10, 12, 15}, 3, {8, 12, 15}, 3},
        {"zielraum", zielraum, {8, 10, 12, 8, 10, 12}, 2, {8, 12}, 4},
        {"tunnel", tunnel, {6, 8, 10, 6, 8, 10}, 2, {6, 8}, 4},
    };
    int fehler = 0;
    for (std::size_t a = 0; a < arten.size(); ++a) {
        const Art& art = arten[a];
        for (int mitTnt = 0; mitTnt < 2; ++mitTnt) {
            const auto& zahlen = mitTnt ? art.mitTnt : art.kisten;
            for (std::size_t i = 0; i < zahlen.size(); ++i) {
                const int kisten = zahlen[i];
                Wuerfel w(2026 + a * 1000 + static_cast<std::uint64_t>(mitTnt) * 100 + i);
                Rueckwaerts r(art.plan(w), kisten, mitTnt ? art.tnt : 0, w);
                r.mischen(kisten * art.zuegeJeKiste);
                // A second level of the same kind and count gets the next letter.
                const auto frueher = std::count(zahlen.begin(), zahlen.begin() + i, kisten);
                char name[64];
                std::snprintf(name, sizeof name, "%s-%02d%s-%c.lev", art.name, kisten,
                              mitTnt ? "-tnt" : "", static_cast<char>('a' + frueher));
                if (textSchreiben(ordner + name, levelAusBild(r.ergebnis(), "fLagerix-Messung"))) {
                    std::fprintf(stderr, "%s%s nicht geschrieben\n", ordner.c_str(), name);
                    ++fehler;
                }
            }
        }
    }
    return fehler ? 1 : 0;
}
