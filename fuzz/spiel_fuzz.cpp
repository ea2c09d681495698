// A whole game: a level file, then a string of commands: the four arrow keys, another
// key, "Level neu starten", setting and recalling the three bookmarks (in memory), and
// the completion poll. Input: the level, a zero byte, one command a byte (at most 128).
//
// Checked: the border is as start-up laid it and free entries are parked;
// 0 <= kistenAbgestellt <= kistenGesamt after every command; a locked board ignores
// keys; a level is announced as solved at most once per start.

#include "fuzzhilfen.h"

#include "game/abschluss.h"
#include "game/lesezeichen.h"
#include "game/levelstart.h"
#include "game/zug.h"

#include <array>
#include <memory>
#include <optional>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view bytes(reinterpret_cast<const char*>(daten), groesse);
    const auto trenner = bytes.find('\0');
    dateiAnlegen(fuzzOrdner() + "spiel.lev", bytes.substr(0, trenner));
    auto brett = std::make_unique<Brett>(leeresBrett());
    OhneBild flaeche;
    std::array<std::optional<std::string>, 3> lesezeichen;
    int angekuendigt = 0;
    // The whole table is checked where it is rewritten (level start, recall) and at the
    // end of a run: a move changes two or three entries and never frees one.
    const auto starten = [&](Startart startart) {
        levelStarten(*brett, fuzzOrdner(), "spiel.lev", flaeche, startart);
        angekuendigt = 0;
        randUndFreieEintraegePruefen(*brett);
    };
    starten(Startart::neu);
    // A run stays short; longer games are found by more runs, not longer ones.
    const auto befehle =
        trenner == std::string_view::npos ? std::string_view() : bytes.substr(trenner + 1, 128);
    for (const char zeichen : befehle) {
        // Of 64 command codes, 40 are arrow keys, two another key, one each the restart,
        // setting and recalling a bookmark (the two high bits pick which), 19 polls: a
        // level start reads a file and a bookmark is 4010 lines, so they come rarely.
        const auto b = static_cast<std::uint8_t>(zeichen);
        const int art = b % 64;
        const int nummer = (b / 64) % 3;
        if (art < 42) {
            const bool gesperrt = brett->brettGesperrt;
            const int schritte = brett->schritte;
            const int taste = art < 40 ? tasteLinks + art % 4 : b;
            const bool gegangen = tasteVerarbeiten(*brett, taste, flaeche).geschritten;
            FUZZ_PRUEFEN(gegangen == (brett->schritte == schritte + 1));
            FUZZ_PRUEFEN(!(gesperrt && gegangen));
        } else if (art == 42) {
            starten(Startart::neustart);
        } else if (art == 43) {
            lesezeichen[nummer] = lesezeichenText(*brett);
        } else if (art == 44 && lesezeichen[nummer]) {
            FUZZ_PRUEFEN(lesezeichenAusText(*brett, *lesezeichen[nummer]));
            randUndFreieEintraegePruefen(*brett);
        } else if (art >= 45 && abschlussPruefen(*brett)) {
            FUZZ_PRUEFEN(++angekuendigt == 1);
        }
        FUZZ_PRUEFEN(0 <= brett->kistenAbgestellt &&
                     brett->kistenAbgestellt <= brett->kistenGesamt);
    }
    randUndFreieEintraegePruefen(*brett);
    return 0;
}
