// Timings of the solver: proving the fewest steps on a full board with one box per
// room, on the small board with six boxes and two TNT boxes, and on every shipped level.
// Each run reports the steps found, the pushes among them, the positions stored and the
// peak memory.

#include "game/brett.h"
#include "game/levelbild.h"
#include "game/levelstart.h"
#include "game/loeser/loeser.h"
#include "game/zeichenflaeche.h"

#include "messordner.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
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

// Every proof gets this long at most; a level that needs more reports "geloest 0".
constexpr auto zeitGrenze = std::chrono::seconds(60);

Messordner& messordner() {
    static Messordner ordner({{"raeume.lev", levelAusBild(raeume)},
                              {"klein.lev", levelAusBild(kleinesLager, "eMessung")}});
    return ordner;
}

void beweisen(benchmark::State& state, const std::string& ordner, const std::string& level) {
    OhneBild flaeche;
    auto brett = std::make_unique<Brett>();
    brett->randAnlegen();
    const auto start = levelStarten(*brett, ordner, level, flaeche, Startart::neu);
    if (!start.ok) {
        state.SkipWithError(start.fehler.c_str());
        return;
    }
    Loeseroptionen optionen;
    optionen.zeitGrenze = zeitGrenze;
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
    beweisen(state, messordner().pfad, "raeume.lev");
}
BENCHMARK(einRaumJeKiste)->Unit(benchmark::kMillisecond)->Iterations(1);

void kleinesBrettMitTnt(benchmark::State& state) {
    beweisen(state, messordner().pfad, "klein.lev");
}
BENCHMARK(kleinesBrettMitTnt)->Unit(benchmark::kMillisecond)->Iterations(1);

// One benchmark per shipped level, registered when the program starts.
const bool mitgelieferteAngemeldet = [] {
    std::vector<std::string> namen;
    for (const auto& e : std::filesystem::directory_iterator(LAGERIX_ASSETS)) {
        if (e.path().extension() == ".lev")
            namen.push_back(e.path().filename().string());
    }
    std::sort(namen.begin(), namen.end());
    for (const auto& name : namen) {
        benchmark::RegisterBenchmark(
            ("mitgeliefert/" + name).c_str(),
            [name](benchmark::State& state) { beweisen(state, LAGERIX_ASSETS "/", name); })
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1);
    }
    return true;
}();

} // namespace
