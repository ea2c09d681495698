// A level file of any bytes: level start, then "Level neu starten". Either the level is
// read completely, or the board is cleared and locked with a message; a restart reads
// the same board again.

#include "fuzzhilfen.h"

#include "game/levelstart.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view bytes(reinterpret_cast<const char*>(daten), groesse);
    dateiAnlegen(fuzzOrdner() + "f.lev", bytes);
    OhneBild flaeche;
    auto brett = std::make_unique<Brett>(leeresBrett());
    const Levelstart erster = levelStarten(*brett, fuzzOrdner(), "f.lev", flaeche, Startart::neu);
    FUZZ_PRUEFEN(erster.ok == erster.fehler.empty());
    FUZZ_PRUEFEN(erster.ok != brett->brettGesperrt);
    FUZZ_PRUEFEN(0 <= brett->kistenAbgestellt && brett->kistenAbgestellt <= brett->kistenGesamt);
    randUndFreieEintraegePruefen(*brett);
    if (!erster.ok)
        FUZZ_PRUEFEN(brett->belegt == brett->randAnzahl && brett->kistenGesamt == 0);

    auto zweites = std::make_unique<Brett>(*brett);
    const Levelstart neu =
        levelStarten(*zweites, fuzzOrdner(), "f.lev", flaeche, Startart::neustart);
    FUZZ_PRUEFEN(neu.ok == erster.ok && neu.fehler == erster.fehler && neu.autor == erster.autor);
    FUZZ_PRUEFEN(zweites->felder == brett->felder);
    FUZZ_PRUEFEN(zweites->spielerX == brett->spielerX && zweites->spielerY == brett->spielerY);
    return 0;
}
