// Record files of any bytes are judged against any step count: a damaged file is beaten
// by nothing and says why. Input: 4 bytes of step count, then the bytes of the file.

#include "fuzzhilfen.h"

#include "game/rekord.h"
#include "game/textdatei.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse < 4)
        return 0;
    std::uint32_t roh = 0;
    std::memcpy(&roh, daten, 4);
    const int schritte = static_cast<int>(roh & 0x7FFFFFFF);
    const std::string_view alt(reinterpret_cast<const char*>(daten) + 4, groesse - 4);
    std::string grund;
    FUZZ_PRUEFEN(!(schlaegtRekord(zeilenAusText(alt), schritte, &grund) && !grund.empty()));
    return 0;
}
