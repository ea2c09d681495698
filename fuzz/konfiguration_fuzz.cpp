// A configuration file of any bytes is read, written and read again: the settings
// survive the round trip, and what is written is the three lines the options window
// writes.

#include "fuzzhilfen.h"

#include "game/konfiguration.h"
#include "game/textdatei.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view bytes(reinterpret_cast<const char*>(daten), groesse);
    const Einstellungen gelesen = einstellungenAusZeilen(zeilenAusText(bytes));
    const std::string geschrieben = textAusZeilen(konfigurationsZeilen(gelesen));
    const auto zeilen = zeilenAusText(geschrieben);
    FUZZ_PRUEFEN(zeilen.size() == 3);
    FUZZ_PRUEFEN(einstellungenAusZeilen(zeilen) == gelesen);
    return 0;
}
