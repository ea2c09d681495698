// Timings of the solver: proving the fewest steps on a full board with one box per
// room and on the small board with six boxes and two TNT boxes; and both the proof
// (`beweis`) and the fast search (`schnell`) on every shipped level and every level of
// the benchmark set in bench/levels. Each run reports whether it solved the level, the
// steps found, the pushes among them, the positions stored and the peak memory of the
// search's tables. Each search stops after 60 s, or after LAGERIX_ZEITGRENZE seconds
// when that is set; `--benchmark_filter=satz/.*/schnell` picks a part.

#include "game/brett.h"
#include "game/levelbild.h"
#include "game/levelstart.h"
#include "game/loeser/loeser.h"
#include "game/zeichenflaeche.h"

#include "messordner.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Six rooms over the whole board, one box and its storage place in each; the figure
// walks through the doors from room to room.
const std::vector<std::string> raeume{
    "  $.   #   .$  #  $.   ", "       #       #       ", "       #       #       ",
    "       #       #       ", "       #       #       ", "       #       #       ",
    "   @               #   ", "       #       #       ", "########## ############",
    "       #       #       ", "       #       #       ", "       #       #       ",
    "       #       #       ", "                       ", "       #       #       ",
    "       #       #       ", "       #       #       ", "  .$   #   $.  #   .$  ",
};

// Six boxes and two TNT boxes standing over the walls they could blast.
const std::vector<std::string> kleinesLager{
    "##########", "#@       #", "# $T$$T$ #", "# .#..#. #",
    "#        #", "# $   $  #", "#  . .   #", "##########",
};

// Every search gets this long at most; a level that needs more reports "geloest 0".
std::chrono::seconds zeitGrenze() {
    const char* wert = std::getenv("LAGERIX_ZEITGRENZE");
    return std::chrono::seconds(wert ? std::atoi(wert) : 60);
}

Messordner& messordner() {
    static Messordner ordner({{"raeume.lev", levelAusBild(raeume)},
                              {"klein.lev", levelAusBild(kleinesLager, "eMessung")}});
    return ordner;
}

void loesen(benchmark::State& state, const std::string& ordner, const std::string& level,
            bool schnell) {
    OhneBild flaeche;
    auto brett = std::make_unique<Brett>();
    brett->randAnlegen();
    const auto start = levelStarten(*brett, ordner, level, flaeche, Startart::neu);
    if (!start.ok) {
        state.SkipWithError(start.fehler.c_str());
        return;
    }
    Loeseroptionen optionen;
    optionen.zeitGrenze = zeitGrenze();
    optionen.schnell = schnell;
    Loesung loesung;
    for (auto _ : state)
        loesung = loesen(*brett, optionen, nullptr);
    state.counters["geloest"] = loesung.ergebnis == Ergebnis::geloest;
    state.counters["schritte"] = loesung.schritte();
    state.counters["schuebe"] = loesung.schuebe;
    state.counters["zustaende"] = static_cast<double>(loesung.zustaende);
    state.counters["speicherMB"] = static_cast<double>(loesung.spitzenSpeicher) / (1 << 20);
}

void einRaumJeKiste(benchmark::State& state) {
    loesen(state, messordner().pfad, "raeume.lev", false);
}
BENCHMARK(einRaumJeKiste)->Unit(benchmark::kMillisecond)->Iterations(1);

void kleinesBrettMitTnt(benchmark::State& state) {
    loesen(state, messordner().pfad, "klein.lev", false);
}
BENCHMARK(kleinesBrettMitTnt)->Unit(benchmark::kMillisecond)->Iterations(1);

// Both searches on every level of a folder, registered when the program starts.
bool anmelden(const std::string& gruppe, const std::string& ordner) {
    std::vector<std::string> namen;
    for (const auto& e : std::filesystem::directory_iterator(ordner)) {
        if (e.path().extension() == ".lev")
            namen.push_back(e.path().filename().string());
    }
    std::sort(namen.begin(), namen.end());
    for (const auto& name : namen) {
        for (const bool schnell : {false, true}) {
            benchmark::RegisterBenchmark(
                (gruppe + "/" + name + (schnell ? "/schnell" : "/beweis")).c_str(),
                [=](benchmark::State& state) { loesen(state, ordner + "/", name, schnell); })
                ->Unit(benchmark::kMillisecond)
                ->Iterations(1);
        }
    }
    return true;
}

const bool angemeldet = anmelden("mitgeliefert", LAGERIX_ASSETS) && anmelden("satz", LAGERIX_SATZ);

} // namespace
