#include "tools/pruefen/fortschrittszeile.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using namespace std::chrono_literals;

// The line a terminal shows: what the last carriage return left standing.
TEST(Fortschrittszeile, schreibtAbDerErstenSekundeEineZeileJeSekundeUeberDieVorige) {
    const auto anfang = std::chrono::steady_clock::time_point{};
    auto jetzt = anfang;
    std::ostringstream aus;
    Fortschrittszeile zeile(aus, true, [&] { return jetzt; });
    const struct {
        std::chrono::milliseconds zeit;
        Suchstand stand;
        const char* geschrieben; // by this report
    } faelle[] = {
        {0ms, {1, 40, 1 << 20}, ""},
        {999ms, {900, 41, 2 << 20}, ""},
        {1000ms,
         {123456, 85, 300 << 20},
         "\rStellungen 123456, mindestens 85 Schritte, Speicher 300 MB, 1 s"},
        {1999ms, {130000, 86, 310 << 20}, ""},
        {2500ms,
         {200000, 90, 320 << 20},
         "\rStellungen 200000, mindestens 90 Schritte, Speicher 320 MB, 2 s"},
        // A shorter line blanks what is left of the longer one.
        {4000ms,
         {7, 9, 1 << 20},
         "\rStellungen 7, mindestens 9 Schritte, Speicher 1 MB, 4 s        "},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.zeit.count());
        jetzt = anfang + f.zeit;
        aus.str("");
        zeile.melden(f.stand);
        EXPECT_EQ(aus.str(), f.geschrieben);
    }
    aus.str("");
    zeile.loeschen();
    EXPECT_EQ(aus.str(), '\r' + std::string(55, ' ') + '\r');

    // The fast search's bound counts pushes only: not shown. Nothing shown, nothing blanked.
    std::ostringstream schnell;
    jetzt = anfang;
    Fortschrittszeile ohneSchranke(schnell, false, [&] { return jetzt; });
    ohneSchranke.loeschen();
    EXPECT_EQ(schnell.str(), "");
    jetzt += 1s;
    ohneSchranke.melden({5, 30, 0});
    EXPECT_EQ(schnell.str(), "\rStellungen 5, Speicher 0 MB, 1 s");
}

} // namespace
