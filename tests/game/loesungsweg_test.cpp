#include "testhilfen.h"

#include "game/loesungsweg.h"

#include <atomic>
#include <optional>

namespace {

using namespace std::chrono_literals;

class Loesungsweg : public Bildtest {};

// A walk changes no table entry, not even onto a storage place; a push, a push off a
// storage place and a blast do. The hint stops after the first push.
TEST_F(Loesungsweg, einHinweisEndetNachDemErstenSchubUndDieSchuebeWerdenGezaehlt) {
    // On the wall the rule refuses: that is not the level's solution.
    const std::tuple<std::string, std::string, std::string, std::optional<int>> faelle[] = {
        {"@ $ .", "rrr", "rr", 2}, {"@. $ .", "rrr", "rrr", 1},    {"@*  ", "rl", "r", 1},
        {"@T#  ", "rrr", "r", 1},  {"@#", "r", "r", std::nullopt},
    };
    for (const auto& [bild, zuege, bisZumSchub, schuebe] : faelle) {
        SCOPED_TRACE(bild + " " + zuege);
        bildStarten({bild});
        EXPECT_EQ(bisZumErstenSchub(*brett, zuege), bisZumSchub);
        EXPECT_EQ(schuebeAbStart(ordnerText(), "bild.lev", zuege), schuebe);
    }
    EXPECT_EQ(schuebeAbStart(ordnerText(), "fehlt.lev", ""), std::nullopt);
}

// The fewest steps when their proof ends in time, else the fast solution; nothing when
// even that takes too long or the search is cancelled.
TEST(Hinweissuche, suchtErstSchnellDannDieWenigstenSchritte) {
    const std::atomic<bool> nein = false, ja = true;
    const std::tuple<const char*, std::chrono::milliseconds, bool, Ergebnis, bool> faelle[] = {
        {"01-schieben.lev", 5000ms, false, Ergebnis::geloest, true},
        // The limits lie far from the times, so a slow or busy machine gives the same answer:
        // the fast search takes hundredths of a second, the proof outgrows its memory only
        // after a minute.
        {"53-hochlager.lev", 2000ms, false, Ergebnis::geloest, false},
        // Even the fast search takes some hundredths of a second.
        {"48-sprengmeister.lev", 1ms, false, Ergebnis::unbekannt, false},
        {"48-sprengmeister.lev", 5000ms, true, Ergebnis::unbekannt, false},
    };
    for (const auto& [level, grenze, abbrechen, ergebnis, optimal] : faelle) {
        SCOPED_TRACE(level);
        auto brett = neuesBrett();
        OhneBild flaeche;
        ASSERT_TRUE(levelStarten(*brett, LAGERIX_ASSETS "/", level, flaeche, Startart::neu).ok);
        const Loesung loesung = hinweisSuchen(*brett, grenze, abbrechen ? &ja : &nein);
        EXPECT_EQ(loesung.ergebnis, ergebnis);
        EXPECT_EQ(loesung.optimal, optimal);
    }
}

} // namespace
