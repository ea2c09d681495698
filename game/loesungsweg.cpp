#include "game/loesungsweg.h"

#include "game/brett.h"
#include "game/levelstart.h"
#include "game/zeichenflaeche.h"
#include "game/zug.h"

#include <algorithm>
#include <vector>

namespace {

// For each letter of `zuege` played from `brett` through the move rule: whether it pushed.
// A walk changes no table entry; a push changes the box's entry, a blast the wall's too.
// None when the rule refuses a letter.
std::optional<std::vector<bool>> schuebe(Brett brett, const std::string& zuege) {
    OhneBild flaeche;
    std::vector<bool> geschoben;
    for (const char zug : zuege) {
        std::vector<Feldaenderung> geaendert;
        if (!tasteVerarbeiten(brett, zugTaste(zug), flaeche, &geaendert).geschritten)
            return std::nullopt;
        geschoben.push_back(!geaendert.empty());
    }
    return geschoben;
}

} // namespace

Loesung hinweisSuchen(const Brett& brett, std::chrono::milliseconds grenze,
                      const std::atomic<bool>* abbrechen) {
    using Uhr = std::chrono::steady_clock;
    const auto ende = Uhr::now() + grenze;
    Loeseroptionen optionen;
    optionen.schnell = true;
    optionen.zeitGrenze = grenze;
    optionen.abbrechen = abbrechen;
    const Loesung schnell = loesen(brett, optionen, nullptr);
    // A limit of zero would mean none: the proof gets only what is left.
    const auto rest = std::chrono::duration_cast<std::chrono::milliseconds>(ende - Uhr::now());
    if (schnell.ergebnis != Ergebnis::geloest || rest.count() <= 0)
        return schnell;
    optionen.schnell = false;
    optionen.zeitGrenze = rest;
    Loesung kuerzeste = loesen(brett, optionen, nullptr);
    return kuerzeste.ergebnis == Ergebnis::geloest ? kuerzeste : schnell;
}

std::string bisZumErstenSchub(const Brett& brett, const std::string& zuege) {
    const auto geschoben = schuebe(brett, zuege).value_or(std::vector<bool>{});
    const auto schub = std::find(geschoben.begin(), geschoben.end(), true);
    return schub == geschoben.end() ? zuege : zuege.substr(0, schub - geschoben.begin() + 1);
}

std::optional<int> schuebeAbStart(const std::string& ordner, const std::string& levelDatei,
                                  const std::string& zuege) {
    Brett brett;
    brett.randAnlegen();
    OhneBild flaeche;
    if (!levelStarten(brett, ordner, levelDatei, flaeche, Startart::neu).ok)
        return std::nullopt;
    const auto geschoben = schuebe(brett, zuege);
    if (!geschoben)
        return std::nullopt;
    return static_cast<int>(std::count(geschoben->begin(), geschoben->end(), true));
}
