// A small warehouse of any layout, one byte per cell, fenced by the board's border: the
// solver must end within its limits, and every solution it gives, fewest or fast, must
// complete the level through the move rule in exactly its steps. The fewest is never
// longer than the fast one, and neither finds a solution where the other proved none.

#include "fuzzhilfen.h"

#include "game/abschluss.h"
#include "game/levelbild.h"
#include "game/levelstart.h"
#include "game/loeser/loeser.h"
#include "game/zug.h"

#include <chrono>
#include <memory>
#include <vector>

namespace {

constexpr int breite = 6, hoehe = 5;
// Floor is the most common byte's meaning, so that the fuzzer finds open rooms too.
constexpr char arten[] = "    ##$.*Tt";

bool spieltSichDurch(Brett brett, const std::string& zuege) {
    OhneBild flaeche;
    for (const char zug : zuege) {
        if (!tasteVerarbeiten(brett, zugTaste(zug), flaeche).geschritten)
            return false;
    }
    return abschlussPruefen(brett);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse == 0)
        return 0;
    std::vector<std::string> bild(hoehe + 2, std::string(breite + 2, '='));
    for (int i = 0; i < breite * hoehe; ++i) {
        const auto byte = static_cast<std::size_t>(i + 1) < groesse ? daten[i + 1] : 0;
        bild[1 + i / breite][1 + i % breite] = arten[byte % (sizeof arten - 1)];
    }
    const int figur = daten[0] % (breite * hoehe);
    char& start = bild[1 + figur / breite][1 + figur % breite];
    start = start == '.' ? '+' : '@';

    std::string text;
    for (const std::string& zeile : levelAusBild(bild))
        text += zeile + "\r\n";
    dateiAnlegen(fuzzOrdner() + "l.lev", text);
    OhneBild flaeche;
    auto brett = std::make_unique<Brett>(leeresBrett());
    if (!levelStarten(*brett, fuzzOrdner(), "l.lev", flaeche, Startart::neu).ok)
        return 0;

    Loeseroptionen optionen;
    optionen.zeitGrenze = std::chrono::seconds(2);
    optionen.zustandsGrenze = 20000;
    const Loesung wenigste = loesen(*brett, optionen, nullptr);
    optionen.schnell = true;
    const Loesung schnell = loesen(*brett, optionen, nullptr);
    for (const Loesung* l : {&wenigste, &schnell}) {
        if (l->ergebnis == Ergebnis::geloest)
            FUZZ_PRUEFEN(spieltSichDurch(*brett, l->zuege));
    }
    const auto geloest = [](const Loesung& l) { return l.ergebnis == Ergebnis::geloest; };
    const auto unloesbar = [](const Loesung& l) { return l.ergebnis == Ergebnis::unloesbar; };
    FUZZ_PRUEFEN(!(unloesbar(wenigste) && geloest(schnell)) &&
                 !(unloesbar(schnell) && geloest(wenigste)));
    if (geloest(wenigste) && geloest(schnell))
        FUZZ_PRUEFEN(wenigste.schritte() <= schnell.schritte());
    return 0;
}
