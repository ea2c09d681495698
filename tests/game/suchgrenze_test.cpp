#include "testhilfen.h"

#include "game/suchgrenze.h"

#include <atomic>

namespace {

using namespace std::chrono_literals;

// On the widest shipped level no search ends within its first thousand positions, so each
// limit is reached before an answer. The checker's tests show a solved level and a board
// the solver cannot read.
TEST(Suchgrenze, nenntDieGrenzeDieDieSucheBeendetHat) {
    auto brett = neuesBrett();
    Aufzeichnung flaeche;
    levelStarten(*brett, LAGERIX_ASSETS "/", "56-das-grosse-depot.lev", flaeche, Startart::neu);
    const std::atomic<bool> abgebrochen{true};
    const std::tuple<Loeseroptionen, Grenze, const char*> faelle[] = {
        // The flag wins over a time limit that would have ended the search as well.
        {{.zeitGrenze = 1ms, .abbrechen = &abgebrochen}, Grenze::abbruch, "Suche abgebrochen"},
        {{.zeitGrenze = 1ms}, Grenze::zeit, "Zeitgrenze erreicht (0 s)"},
        {{.zeitGrenze = 60s, .speicherGrenze = 3 << 20},
         Grenze::speicher,
         "Speichergrenze erreicht (3 MB)"},
    };
    for (const auto& [optionen, grenze, name] : faelle) {
        const Loesung ergebnis = loesen(*brett, optionen, nullptr);
        EXPECT_EQ(ergebnis.ergebnis, Ergebnis::unbekannt);
        EXPECT_EQ(ergebnis.grenze, grenze);
        EXPECT_EQ(grenzeBenennen(ergebnis, optionen), name);
    }
}

} // namespace
