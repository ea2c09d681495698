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
    const struct {
        std::vector<std::string> bild;
        std::string zuege;
        std::string bisZumSchub;
        std::optional<int> schuebe;
    } faelle[] = {
        {{"@ $ ."}, "rrr", "rr", 2}, {{"@. $ ."}, "rrr", "rrr", 1},    {{"@*  "}, "rl", "r", 1},
        {{"@T#  "}, "rrr", "r", 1},  {{"@#"}, "r", "r", std::nullopt}, // the rule refuses: not this
                                                                       // level's solution
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.bild[0] + " " + f.zuege);
        bildStarten(f.bild);
        EXPECT_EQ(bisZumErstenSchub(*brett, f.zuege), f.bisZumSchub);
        EXPECT_EQ(schuebeAbStart(ordnerText(), "bild.lev", f.zuege), f.schuebe);
    }
    EXPECT_EQ(schuebeAbStart(ordnerText(), "fehlt.lev", ""), std::nullopt);
}

// The fewest steps when their proof ends in time, else the fast solution; nothing when
// even that takes too long or the search is cancelled.
TEST(Hinweissuche, suchtErstSchnellDannDieWenigstenSchritte) {
    const std::atomic<bool> nein = false, ja = true;
    const struct {
        const char* level;
        std::chrono::milliseconds grenze;
        const std::atomic<bool>* abbrechen;
        Ergebnis ergebnis;
        bool optimal;
    } faelle[] = {
        {"01-schieben.lev", 5000ms, &nein, Ergebnis::geloest, true},
        // The fast search takes a few hundredths of a second, the proof more than one.
        {"51-zwischenlager.lev", 500ms, &nein, Ergebnis::geloest, false},
        // Even the fast search takes more than a second.
        {"48-sprengmeister.lev", 50ms, &nein, Ergebnis::unbekannt, false},
        {"48-sprengmeister.lev", 5000ms, &ja, Ergebnis::unbekannt, false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.level);
        auto brett = neuesBrett();
        OhneBild flaeche;
        ASSERT_TRUE(levelStarten(*brett, LAGERIX_ASSETS "/", f.level, flaeche, Startart::neu).ok);
        const Loesung loesung = hinweisSuchen(*brett, f.grenze, f.abbrechen);
        EXPECT_EQ(loesung.ergebnis, f.ergebnis);
        EXPECT_EQ(loesung.optimal, f.optimal);
    }
}

} // namespace
