// Timings of the core on a full 23 by 18 level: a key press, a level start, setting
// and recalling a bookmark, a step with its history and a step back; and the mouse's
// longest push path on an open board.

#include "game/brett.h"
#include "game/lesezeichen.h"
#include "game/levelstart.h"
#include "game/weg.h"
#include "game/zeichenflaeche.h"
#include "game/zug.h"
#include "game/zugverlauf.h"

#include "messordner.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Every cell holds something: walls round the edge, a free corridor in row 1 for the
// figure, and boxes, storage places, placed boxes and TNT boxes everywhere else.
std::vector<std::string> vollesLevel() {
    std::vector<std::string> zeilen{"fMessung", "25", "25"};
    const char* arten[] = {"kiste", "stell", "gestellt", "tnt", "tntgestellt", "mauer"};
    for (int r = 0; r < Brett::zeilen; ++r) {
        for (int c = 0; c < Brett::spalten; ++c) {
            if (r == 1 && c > 0 && c < Brett::spalten - 1)
                continue;
            const bool kante =
                r == 0 || c == 0 || r == Brett::zeilen - 1 || c == Brett::spalten - 1;
            zeilen.insert(zeilen.end(), {kante ? "mauer" : arten[(r * 7 + c) % 6],
                                         std::to_string(25 * c), std::to_string(25 * r)});
        }
    }
    return zeilen;
}

Messordner& messordner() {
    static Messordner ordner({{"voll.lev", vollesLevel()}});
    return ordner;
}

std::unique_ptr<Brett> gestartetesBrett(OhneBild& flaeche) {
    auto brett = std::make_unique<Brett>();
    brett->randAnlegen();
    const auto ergebnis =
        levelStarten(*brett, messordner().pfad, "voll.lev", flaeche, Startart::neu);
    if (!ergebnis.ok)
        throw std::runtime_error(ergebnis.fehler);
    return brett;
}

void tastendruck(benchmark::State& state) {
    OhneBild flaeche;
    auto brett = gestartetesBrett(flaeche);
    int taste = tasteRechts;
    for (auto _ : state) {
        // Walks the corridor end to end and back; every press is a move.
        if (!tasteVerarbeiten(*brett, taste, flaeche).geschritten) {
            taste = taste == tasteRechts ? tasteLinks : tasteRechts;
            tasteVerarbeiten(*brett, taste, flaeche);
        }
    }
    state.counters["belegt"] = brett->belegt;
}
BENCHMARK(tastendruck);

void levelstart(benchmark::State& state) {
    OhneBild flaeche;
    auto brett = gestartetesBrett(flaeche);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            levelStarten(*brett, messordner().pfad, "voll.lev", flaeche, Startart::neu).ok);
}
BENCHMARK(levelstart)->Unit(benchmark::kMicrosecond);

void lesezeichenSetzenMessen(benchmark::State& state) {
    OhneBild flaeche;
    auto brett = gestartetesBrett(flaeche);
    const std::string datei = messordner().pfad + lesezeichenDatei(1);
    for (auto _ : state) {
        if (lesezeichenSetzen(*brett, datei))
            state.SkipWithError("Lesezeichen nicht geschrieben");
    }
}
BENCHMARK(lesezeichenSetzenMessen)->Name("lesezeichenSetzen")->Unit(benchmark::kMicrosecond);

void lesezeichenAbrufenMessen(benchmark::State& state) {
    OhneBild flaeche;
    auto brett = gestartetesBrett(flaeche);
    const std::string datei = messordner().pfad + lesezeichenDatei(2);
    if (lesezeichenSetzen(*brett, datei))
        state.SkipWithError("Lesezeichen nicht geschrieben");
    for (auto _ : state) {
        if (!lesezeichenAbrufen(*brett, datei))
            state.SkipWithError("Lesezeichen nicht gelesen");
    }
}
BENCHMARK(lesezeichenAbrufenMessen)->Name("lesezeichenAbrufen")->Unit(benchmark::kMicrosecond);

// A key press as the window makes it: through the history, which remembers the step.
void schrittMitVerlauf(benchmark::State& state) {
    OhneBild flaeche;
    auto brett = gestartetesBrett(flaeche);
    Zugverlauf verlauf;
    int taste = tasteRechts;
    for (auto _ : state) {
        if (!verlauf.ziehen(*brett, taste, flaeche).geschritten) {
            taste = taste == tasteRechts ? tasteLinks : tasteRechts;
            verlauf.ziehen(*brett, taste, flaeche);
        }
    }
}
BENCHMARK(schrittMitVerlauf);

// One step taken back and taken again, with the drawing of the changed cells.
void schrittZurueckUndVor(benchmark::State& state) {
    OhneBild flaeche;
    auto brett = gestartetesBrett(flaeche);
    Zugverlauf verlauf;
    verlauf.ziehen(*brett, tasteRechts, flaeche);
    for (auto _ : state) {
        verlauf.zurueck(*brett, flaeche);
        verlauf.vor(*brett, flaeche);
    }
}
BENCHMARK(schrittZurueckUndVor);

// The box dragged from one corner of an empty board to the other: the search visits
// every pair of box and figure cells.
void schiebewegQuerUeberDasBrett(benchmark::State& state) {
    OhneBild flaeche;
    auto brett = gestartetesBrett(flaeche);
    for (int i = brett->randAnzahl + 1; i < Brett::feldAnzahl; ++i)
        brett->felder[i] = Feldobjekt{Brett::geparkt, 0, {}, 0};
    brett->anhaengen("box", 24, 24);
    brett->spielerX = 0;
    brett->spielerY = 0;
    const Zelle ziel{Brett::spalten - 2, Brett::zeilen - 2};
    for (auto _ : state) {
        const auto weg = schiebeWeg(*brett, {1, 1}, ziel);
        if (!weg)
            state.SkipWithError("kein Weg");
        benchmark::DoNotOptimize(weg);
    }
}
BENCHMARK(schiebewegQuerUeberDasBrett)->Unit(benchmark::kMillisecond);

} // namespace
