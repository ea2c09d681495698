#include "game/weg.h"

#include "game/brett.h"
#include "game/zug.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>
#include <string>

namespace {

constexpr int zellenAnzahl = Brett::spalten * Brett::zeilen;

struct Schritt {
    int dSpalte;
    int dZeile;
    int taste;
};

constexpr std::array<Schritt, 4> schritte{{
    {-1, 0, tasteLinks},
    {0, -1, tasteOben},
    {1, 0, tasteRechts},
    {0, 1, tasteUnten},
}};

enum class Belegung : unsigned char { frei, kiste, fest };

// The figure walks onto floor and storage places and pushes boxes and TNT boxes; every
// kind the move rule does not know blocks it.
Belegung einordnen(const std::string& art) {
    if (art.empty() || art == "stell")
        return Belegung::frei;
    if (art == "box" || art == "gestellt" || art == "tnt" || art == "tntgestellt")
        return Belegung::kiste;
    return Belegung::fest;
}

bool imFeld(Zelle z) {
    return z.spalte >= 0 && z.spalte < Brett::spalten && z.zeile >= 0 && z.zeile < Brett::zeilen;
}

int nummer(Zelle z) {
    return z.zeile * Brett::spalten + z.spalte;
}

Zelle zelleVon(int nummer) {
    return {nummer % Brett::spalten, nummer / Brett::spalten};
}

Zelle daneben(Zelle z, const Schritt& s) {
    return {z.spalte + s.dSpalte, z.zeile + s.dZeile};
}

// The playing area as the move rule sees it: one scan of the table, the last entry of a
// cell wins.
class Lageplan {
  public:
    explicit Lageplan(const Brett& brett) {
        std::array<int, zellenAnzahl> art{};
        art.fill(-1);
        for (int i = 0; i < Brett::feldAnzahl; ++i) {
            const auto& f = brett.felder[i];
            if (f.x % Brett::zelle != 0 || f.y % Brett::zelle != 0)
                continue;
            const Zelle z{f.x / Brett::zelle, f.y / Brett::zelle};
            if (imFeld(z))
                art[nummer(z)] = i;
        }
        for (int n = 0; n < zellenAnzahl; ++n)
            belegung[n] = art[n] < 0 ? Belegung::frei : einordnen(brett.felder[art[n]].art);
    }

    Belegung bei(Zelle z) const { return imFeld(z) ? belegung[nummer(z)] : Belegung::fest; }
    void leeren(Zelle z) { belegung[nummer(z)] = Belegung::frei; }

  private:
    std::array<Belegung, zellenAnzahl> belegung{};
};

// Breadth-first search over numbered states; `weiter` lists the successors of a state
// with the key that leads there. Gives the keys of a shortest way to a state that
// `angekommen` accepts.
template <typename Weiter, typename Angekommen>
std::optional<std::vector<int>> kuerzesterWeg(int start, int zustaende, Weiter weiter,
                                              Angekommen angekommen) {
    std::vector<int> vorgaenger(zustaende, -1);
    std::vector<int> taste(zustaende, 0);
    std::deque<int> offen{start};
    vorgaenger[start] = start;
    while (!offen.empty()) {
        const int jetzt = offen.front();
        offen.pop_front();
        if (angekommen(jetzt)) {
            std::vector<int> tasten;
            for (int z = jetzt; z != start; z = vorgaenger[z])
                tasten.push_back(taste[z]);
            std::reverse(tasten.begin(), tasten.end());
            return tasten;
        }
        weiter(jetzt, [&](int naechster, int t) {
            if (vorgaenger[naechster] >= 0)
                return;
            vorgaenger[naechster] = jetzt;
            taste[naechster] = t;
            offen.push_back(naechster);
        });
    }
    return std::nullopt;
}

} // namespace

Zelle zelleBei(int x, int y) {
    const auto teilen = [](int wert) {
        return static_cast<int>(std::floor(static_cast<double>(wert) / Brett::zelle));
    };
    return {teilen(x), teilen(y)};
}

Zelle figurZelle(const Brett& brett) {
    return {static_cast<int>(std::nearbyint(brett.spielerX / Brett::zelle)),
            static_cast<int>(std::nearbyint(brett.spielerY / Brett::zelle))};
}

bool kisteBei(const Brett& brett, Zelle zelle) {
    return imFeld(zelle) &&
           einordnen(brett.suchen(zelle.spalte * Brett::zelle, zelle.zeile * Brett::zelle).art) ==
               Belegung::kiste;
}

std::vector<int> klickWeg(const Brett& brett, Zelle ziel) {
    const Zelle figur = figurZelle(brett);
    const Lageplan plan(brett);
    if (!imFeld(figur) || !imFeld(ziel) || figur == ziel)
        return {};
    if (plan.bei(ziel) == Belegung::kiste) {
        for (const auto& s : schritte) {
            if (daneben(figur, s) == ziel)
                return {s.taste};
        }
        return {};
    }
    if (plan.bei(ziel) != Belegung::frei)
        return {};
    const auto weg = kuerzesterWeg(
        nummer(figur), zellenAnzahl,
        [&](int jetzt, auto&& neu) {
            for (const auto& s : schritte) {
                const Zelle z = daneben(zelleVon(jetzt), s);
                if (plan.bei(z) == Belegung::frei)
                    neu(nummer(z), s.taste);
            }
        },
        [&](int jetzt) { return jetzt == nummer(ziel); });
    return weg.value_or(std::vector<int>{});
}

std::optional<std::vector<int>> schiebeWeg(const Brett& brett, Zelle kiste, Zelle ziel) {
    const Zelle figur = figurZelle(brett);
    Lageplan plan(brett);
    if (!imFeld(figur) || !imFeld(kiste) || plan.bei(kiste) != Belegung::kiste ||
        plan.bei(ziel) != Belegung::frei)
        return std::nullopt;
    // The box travels with the search; its start cell is free once it has left.
    plan.leeren(kiste);
    const auto zustand = [](Zelle k, Zelle f) { return nummer(k) * zellenAnzahl + nummer(f); };
    return kuerzesterWeg(
        zustand(kiste, figur), zellenAnzahl * zellenAnzahl,
        [&](int jetzt, auto&& neu) {
            const Zelle k = zelleVon(jetzt / zellenAnzahl);
            const Zelle f = zelleVon(jetzt % zellenAnzahl);
            for (const auto& s : schritte) {
                const Zelle vor = daneben(f, s);
                if (vor == k) {
                    const Zelle hinter = daneben(k, s);
                    if (plan.bei(hinter) == Belegung::frei)
                        neu(zustand(hinter, k), s.taste);
                } else if (plan.bei(vor) == Belegung::frei) {
                    neu(zustand(k, vor), s.taste);
                }
            }
        },
        [&](int jetzt) { return jetzt / zellenAnzahl == nummer(ziel); });
}
