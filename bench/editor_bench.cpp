// Timings of the level editor's model on a full 23 by 18 board: opening a level file
// through the game's level start, saving it, and one stroke of the mouse.

#include "game/levelmodell/leveldatei.h"
#include "game/levelmodell/werkzeug.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <stdexcept>
#include <string>

namespace {

// Every cell filled, walls around, boxes and storage places in alternating rows: the
// largest level the board holds, 602 table entries.
Levelmodell vollesBrett() {
    Levelmodell m;
    for (int z = 0; z < Levelmodell::zeilen; ++z) {
        for (int s = 0; s < Levelmodell::spalten; ++s) {
            const bool rand =
                z == 0 || s == 0 || z == Levelmodell::zeilen - 1 || s == Levelmodell::spalten - 1;
            m.setzen({s, z}, rand ? Objekt::mauer : z % 2 ? Objekt::gestellt : Objekt::stell);
        }
    }
    m.figurSetzen({1, 2});
    m.autor = "Bank";
    return m;
}

std::string ablage(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

void vollesBrettSpeichern(benchmark::State& state) {
    const Levelmodell m = vollesBrett();
    const std::string pfad = ablage("lagerix-bench-speichern.lev");
    for (auto _ : state) {
        if (levelSpeichern(m, pfad))
            throw std::runtime_error("Speichern gescheitert");
    }
    state.counters["eintraege"] = m.zaehlen().eintraege;
    std::filesystem::remove(pfad);
}
BENCHMARK(vollesBrettSpeichern)->Unit(benchmark::kMillisecond);

void vollesBrettOeffnen(benchmark::State& state) {
    const std::string pfad = ablage("lagerix-bench-oeffnen.lev");
    if (levelSpeichern(vollesBrett(), pfad))
        throw std::runtime_error("Speichern gescheitert");
    for (auto _ : state) {
        auto geoeffnet = levelOeffnen(pfad);
        benchmark::DoNotOptimize(geoeffnet);
    }
    std::filesystem::remove(pfad);
}
BENCHMARK(vollesBrettOeffnen)->Unit(benchmark::kMillisecond);

// A stroke across a row of the full board: the window redraws exactly the cells the
// tool returns, against 414 for the whole board.
void strichUeberEineZeile(benchmark::State& state) {
    std::size_t neuGezeichnet = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Levelmodell m = vollesBrett();
        state.ResumeTiming();
        neuGezeichnet = 0;
        for (int s = 1; s < Levelmodell::spalten - 1; ++s)
            neuGezeichnet += werkzeugAnwenden(m, Werkzeug::kiste, {s, 5}).size();
        benchmark::DoNotOptimize(m);
    }
    state.counters["neuGezeichnet"] = static_cast<double>(neuGezeichnet);
    state.counters["zellenImBrett"] = Levelmodell::spalten * Levelmodell::zeilen;
}
BENCHMARK(strichUeberEineZeile);

} // namespace
