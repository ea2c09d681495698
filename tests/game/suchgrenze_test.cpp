#include "testhilfen.h"

#include "game/suchgrenze.h"

#include <atomic>

namespace {

using namespace std::chrono_literals;

// A wide open room with eight boxes: no search ends here within its first few thousand
// positions, so every limit below is reached before an answer.
const std::vector<std::string> offeneHalle{
    "=====================", "=                   =", "=  $   .     $   .  =",
    "=                   =", "=     $    .    $   =", "=  .                =",
    "=         @     .   =", "=   $          $    =", "=       .           =",
    "=  .   $       .  $ =", "=                   =", "====================="};

using Suchgrenze = Bildtest;

TEST_F(Suchgrenze, nenntDieGrenzeDieDieSucheBeendetHat) {
    const std::atomic<bool> abgebrochen{true};
    const struct {
        const char* fall;
        std::vector<std::string> bild;
        Loeseroptionen optionen;
        Grenze grenze;
        const char* name;
    } faelle[] = {
        {"gelöst", {"=====", "=@$.=", "====="}, {}, Grenze::keine, ""},
        {"abgebrochen",
         offeneHalle,
         {.abbrechen = &abgebrochen},
         Grenze::abbruch,
         "Suche abgebrochen"},
        // The flag wins over a time limit that would have ended the search as well.
        {"abgebrochen vor der Zeit",
         offeneHalle,
         {.zeitGrenze = 1ms, .abbrechen = &abgebrochen},
         Grenze::abbruch,
         "Suche abgebrochen"},
        {"Zeit", offeneHalle, {.zeitGrenze = 1ms}, Grenze::zeit, "Zeitgrenze erreicht (0 s)"},
        {"Stellungen",
         offeneHalle,
         {.zustandsGrenze = 500},
         Grenze::stellungen,
         "Stellungsgrenze erreicht (500 Stellungen)"},
        {"Speicher",
         offeneHalle,
         {.zeitGrenze = 60s, .speicherGrenze = 3 << 20},
         Grenze::speicher,
         "Speichergrenze erreicht (3 MB)"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.fall);
        bildStarten(f.bild);
        const Suchergebnis ergebnis = suchen(*brett, f.optionen, nullptr);
        EXPECT_EQ(ergebnis.grenze, f.grenze);
        EXPECT_EQ(grenzeBenennen(ergebnis, f.optionen), f.name);
    }
    // Two objects on one cell: the solver's own reason, not a limit of the caller's.
    levelSchreiben("doppelt.lev", {"fT", "0", "0", "kiste", "25", "0", "mauer", "25", "0"});
    ASSERT_TRUE(starten(*brett, "doppelt.lev", flaeche).ok);
    const Suchergebnis ohneRaster = suchen(*brett, {.zeitGrenze = 1ms}, nullptr);
    EXPECT_EQ(ohneRaster.grenze, Grenze::keine);
    EXPECT_EQ(grenzeBenennen(ohneRaster, {}), ohneRaster.loesung.grund);
    EXPECT_NE(ohneRaster.loesung.grund, "");
}

} // namespace
