#include "tests/game/testhilfen.h"

#include "game/konfiguration.h"
#include "game/textdatei.h"

namespace {

using Konfiguration = Ordnertest;

TEST_F(Konfiguration, jedeZeileWirdGenauGeprueftUndDieLetzteGewinnt) {
    struct Fall {
        std::vector<std::string> zeilen; // bytes of the file, Windows-1252
        Einstellungen erwartet;
    };
    const Einstellungen standard;
    const std::vector<Fall> faelle{
        {{"sound_an", "sound_aus"}, {true, false, "standardset.gif"}},
        {{"animation_aus", "animation_an"}, standard},
        {{"Sound_aus", "SOUND_AUS", "sound_aus ", " sound_aus", "animation_aus\t"}, standard},
        {{"nachtset.gif", "X.GIF"}, {true, true, "X.GIF"}},
        {{"X.GIF", "eigen.gif "}, {true, true, "X.GIF"}},
        {{"Y.Gif", "gif"}, {true, true, "Y.Gif"}},
        {{"sound_aus.gif"}, {true, true, "sound_aus.gif"}},
        {{"G\xE4rten.gif"}, {true, true, "Gärten.gif"}},
        {{"", "animation_aus", "unsinn", "sound_aus", "a.gif", "b.gif"}, {false, false, "b.gif"}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::PrintToString(f.zeilen));
        schreiben("lagerix.cfg", crlf(f.zeilen));
        EXPECT_EQ(konfigurationLesen(pfad("lagerix.cfg")), f.erwartet);
    }
    // Missing is the ordinary case; a file that cannot be read is told, and the defaults hold.
    std::string meldung;
    EXPECT_EQ(konfigurationLesen(pfad("fehlt.cfg"), &meldung), standard);
    EXPECT_EQ(meldung, "");
    std::filesystem::create_directory(ordner / "ordner.cfg");
    EXPECT_EQ(konfigurationLesen(pfad("ordner.cfg"), &meldung), standard);
    EXPECT_TRUE(meldung.starts_with("Die Konfigurationsdatei „ordner.cfg“ konnte nicht gelesen "
                                    "werden ("))
        << meldung;
}

TEST_F(Konfiguration, geschriebenUndGelesenErgibtDieselbenEinstellungen) {
    const std::vector<std::pair<Einstellungen, std::string>> faelle{
        {{false, true, "nachtset.gif"}, "animation_aus\r\nsound_an\r\nnachtset.gif\r\n"},
        {{true, false, "sets\\Gärten.gif"}, "animation_an\r\nsound_aus\r\nsets\\G\xE4rten.gif\r\n"},
    };
    for (const auto& [einstellungen, bytes] : faelle) {
        ASSERT_EQ(konfigurationSchreiben(pfad("lagerix.cfg"), einstellungen), std::nullopt);
        EXPECT_EQ(lesen("lagerix.cfg"), bytes);
        EXPECT_EQ(konfigurationLesen(pfad("lagerix.cfg")), einstellungen);
    }
}

} // namespace
