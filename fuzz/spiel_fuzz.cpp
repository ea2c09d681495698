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

namespace {

constexpr std::size_t befehleJeLauf = 128;

class Spiel {
  public:
    explicit Spiel(std::string_view level) {
        dateiAnlegen(fuzzOrdner() + "spiel.lev", level);
        starten(Startart::neu);
    }

    // Of 64 command codes, 40 are arrow keys, 19 polls, two another key, and one each
    // the restart, setting and recalling a bookmark (the two high bits pick which): a
    // level start reads a file and a bookmark is 4010 lines, so they come rarely.
    void befehl(std::uint8_t b) {
        const int art = b % 64;
        const int nummer = (b / 64) % 3;
        if (art < 40) {
            taste(tasteLinks + art % 4);
        } else if (art < 42) {
            taste(b);
        } else if (art == 42) {
            starten(Startart::neustart);
        } else if (art == 43) {
            lesezeichen[nummer] = lesezeichenText(*brett);
        } else if (art == 44 && lesezeichen[nummer]) {
            FUZZ_PRUEFEN(lesezeichenAusText(*brett, *lesezeichen[nummer]));
            tabellePruefen();
        } else if (art >= 45 && abschlussPruefen(*brett)) {
            FUZZ_PRUEFEN(++angekuendigt == 1);
        }
        FUZZ_PRUEFEN(0 <= brett->kistenAbgestellt &&
                     brett->kistenAbgestellt <= brett->kistenGesamt);
    }

    // The whole table is checked where it is rewritten (level start, recall) and at the
    // end of a run: a move changes two or three entries and never frees one.
    void tabellePruefen() const { randUndFreieEintraegePruefen(*brett); }

  private:
    void starten(Startart startart) {
        levelStarten(*brett, fuzzOrdner(), "spiel.lev", flaeche, startart);
        angekuendigt = 0;
        tabellePruefen();
    }

    void taste(int code) {
        const bool gesperrt = brett->brettGesperrt;
        const int schritte = brett->schritte;
        const bool gegangen = tasteVerarbeiten(*brett, code, flaeche).geschritten;
        FUZZ_PRUEFEN(gegangen == (brett->schritte == schritte + 1));
        FUZZ_PRUEFEN(!(gesperrt && gegangen));
    }

    std::unique_ptr<Brett> brett = std::make_unique<Brett>(leeresBrett());
    OhneBild flaeche;
    std::array<std::optional<std::string>, 3> lesezeichen;
    int angekuendigt = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view bytes(reinterpret_cast<const char*>(daten), groesse);
    const auto trenner = bytes.find('\0');
    Spiel spiel(bytes.substr(0, trenner));
    if (trenner == std::string_view::npos)
        return 0;
    // A run stays short; longer games are found by more runs, not longer ones.
    for (const char b : bytes.substr(trenner + 1, befehleJeLauf))
        spiel.befehl(static_cast<std::uint8_t>(b));
    spiel.tabellePruefen();
    return 0;
}
