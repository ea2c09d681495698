// A text file of any bytes, as the editor opens or imports one: every level it holds
// that fits a board gives a grid whose text reads back to the same grid; when the editor
// would save it, the game's level start reads its level file back to that grid too.

#include "fuzzhilfen.h"

#include "game/levelmodell/leveldatei.h"
#include "game/levelmodell/pruefung.h"
#include "game/levelmodell/textnotation.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view bytes(reinterpret_cast<const char*>(daten), groesse);
    const auto levels = textLevelsLesen(bytes);
    // A few levels show every path; a long collection would only slow the runs.
    for (std::size_t i = 0; i < std::min<std::size_t>(levels.size(), 3); ++i) {
        for (const Brettgroesse groesse : {Brettgroesse::voll, Brettgroesse::klein}) {
            const TextUmwandlung umwandlung = ausText(levels[i], groesse);
            FUZZ_PRUEFEN(umwandlung.modell.has_value() == umwandlung.fehler.empty());
            if (!umwandlung.modell)
                continue;
            const std::string text = alsText(*umwandlung.modell);
            const auto wieder = textLevelsLesen(text);
            FUZZ_PRUEFEN(wieder.size() == 1);
            TextUmwandlung zweite = ausText(wieder.front(), groesse);
            FUZZ_PRUEFEN(zweite.modell);
            zweite.modell->autor = umwandlung.modell->autor; // the text holds no author line
            FUZZ_PRUEFEN(*zweite.modell == *umwandlung.modell);

            if (speichernGesperrt(levelPruefen(*umwandlung.modell)))
                continue;
            const std::string pfad = fuzzOrdner() + "t.lev";
            FUZZ_PRUEFEN(!levelSpeichern(*umwandlung.modell, pfad));
            const GeoeffnetesLevel geoeffnet = levelOeffnen(pfad);
            FUZZ_PRUEFEN(geoeffnet.modell && alsText(*geoeffnet.modell) == text);
        }
    }
    return 0;
}
