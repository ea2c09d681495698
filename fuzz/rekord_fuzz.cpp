// Record files of any bytes are judged, and records with any step count and any name
// are written and judged again. Input: 4 bytes of step count, the name, a zero byte,
// the bytes of an old record file.

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
    const std::string_view rest(reinterpret_cast<const char*>(daten) + 4, groesse - 4);
    const auto trenner = rest.find('\0');
    const std::string name(rest.substr(0, trenner));
    const std::string_view alt =
        trenner == std::string_view::npos ? std::string_view() : rest.substr(trenner + 1);

    // An old file: a damaged one is beaten by nothing, and says why.
    const auto alteZeilen = zeilenAusText(alt);
    std::string grund;
    const bool neu = schlaegtRekord(alteZeilen, schritte, &grund);
    FUZZ_PRUEFEN(!(neu && !grund.empty()));

    // Written, it is two lines, the first the step count, and only fewer steps beat it.
    const auto zeilen = zeilenAusText(textAusZeilen(rekordZeilen(schritte, name)));
    FUZZ_PRUEFEN(zeilen.size() == 2);
    FUZZ_PRUEFEN(zeilen[0] == std::to_string(schritte));
    grund.clear();
    FUZZ_PRUEFEN(!schlaegtRekord(zeilen, schritte, &grund) && grund.empty());
    if (schritte > 0)
        FUZZ_PRUEFEN(schlaegtRekord(zeilen, schritte - 1));
    return 0;
}
