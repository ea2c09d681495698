// A bookmark file of any bytes is recalled into a board; then that board is set as a
// bookmark and recalled into a fresh board, which must come back value for value, and
// set again, byte for byte.

#include "fuzzhilfen.h"

#include "game/lesezeichen.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view bytes(reinterpret_cast<const char*>(daten), groesse);
    auto brett = std::make_unique<Brett>(leeresBrett());
    lesezeichenAusText(*brett, bytes);
    // A recalled partner always points into the table.
    for (const auto& f : brett->felder)
        FUZZ_PRUEFEN(f.partner >= 0 && f.partner < Brett::feldAnzahl);

    const std::string gesetzt = lesezeichenText(*brett);
    auto zurueck = std::make_unique<Brett>(leeresBrett());
    FUZZ_PRUEFEN(lesezeichenAusText(*zurueck, gesetzt));
    FUZZ_PRUEFEN(zurueck->felder == brett->felder);
    FUZZ_PRUEFEN(zurueck->spielerX == brett->spielerX && zurueck->spielerY == brett->spielerY);
    FUZZ_PRUEFEN(zurueck->aufStellplatz == brett->aufStellplatz);
    FUZZ_PRUEFEN(zurueck->kistenAbgestellt == brett->kistenAbgestellt &&
                 zurueck->kistenGesamt == brett->kistenGesamt);
    FUZZ_PRUEFEN(lesezeichenText(*zurueck) == gesetzt);
    return 0;
}
