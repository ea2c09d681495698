#include "tools/pruefen/fortschrittszeile.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using namespace std::chrono_literals;

// Nothing in the first second, then a line at most each second over the one before, a
// shorter one blanking what is left of the longer; the fast search's bound is not shown.
TEST(Fortschrittszeile, schreibtAbDerErstenSekundeEineZeileJeSekundeUeberDieVorige) {
    std::chrono::steady_clock::time_point jetzt{};
    std::ostringstream aus;
    Fortschrittszeile zeile(aus, true, [&] { return jetzt; });
    Fortschrittszeile schnell(aus, false, [&] { return jetzt; });
    const struct {
        std::chrono::milliseconds dazu;
        Fortschrittszeile& an;
        Suchstand stand;
        std::string geschrieben;
    } faelle[] = {
        {999ms, zeile, {9, 8, 0}, ""},
        {1ms,
         zeile,
         {12345, 85, 3 << 20},
         "\rStellungen 12345, mindestens 85 Schritte, Speicher 3 MB, 1 s"},
        {999ms, zeile, {9, 8, 0}, ""},
        {2s, zeile, {7, 9, 0}, "\rStellungen 7, mindestens 9 Schritte, Speicher 0 MB, 3 s     "},
        {0ms, schnell, {7, 9, 0}, "\rStellungen 7, Speicher 0 MB, 3 s"},
    };
    for (const auto& f : faelle) {
        jetzt += f.dazu;
        aus.str("");
        f.an.melden(f.stand);
        EXPECT_EQ(aus.str(), f.geschrieben);
    }
    aus.str("");
    zeile.loeschen();
    EXPECT_EQ(aus.str(), '\r' + std::string(55, ' ') + '\r');
}

} // namespace
