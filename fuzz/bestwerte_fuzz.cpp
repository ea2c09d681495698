// A table of fewest steps of any bytes: every entry it yields is whole (a level name, a
// count and a solution of exactly that many arrow keys), no level twice, and the lines
// it refused are named in order.

#include "fuzzhilfen.h"

#include "game/bestwerte.h"

#include <algorithm>
#include <set>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string pfad = fuzzOrdner() + "bestwerte.txt";
    dateiAnlegen(pfad, std::string_view(reinterpret_cast<const char*>(daten), groesse));
    const Bestwerte tabelle = bestwerteLesen(pfad);
    std::set<std::string> namen;
    for (const Bestwert& b : tabelle.eintraege) {
        FUZZ_PRUEFEN(!b.levelDatei.empty() && namen.insert(b.levelDatei).second);
        FUZZ_PRUEFEN(b.schritte == static_cast<int>(b.loesung.size()));
        FUZZ_PRUEFEN(b.loesung.find_first_not_of("lrou") == std::string::npos);
    }
    FUZZ_PRUEFEN(
        std::is_sorted(tabelle.fehlerhafteZeilen.begin(), tabelle.fehlerhafteZeilen.end()));
    return 0;
}
