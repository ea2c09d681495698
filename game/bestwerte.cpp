#include "game/bestwerte.h"

#include "game/textdatei.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace {

constexpr std::string_view unbewiesen = "unbewiesen";

std::optional<Bestwert> eintragLesen(const std::string& zeile) {
    const auto tab1 = zeile.find('\t');
    const auto tab2 = tab1 == std::string::npos ? tab1 : zeile.find('\t', tab1 + 1);
    if (tab2 == std::string::npos || tab1 == 0)
        return std::nullopt;
    const auto tab3 = zeile.find('\t', tab2 + 1);
    Bestwert eintrag{zeile.substr(0, tab1), 0, zeile.substr(tab2 + 1, tab3 - (tab2 + 1))};
    if (tab3 != std::string::npos) {
        if (std::string_view(zeile).substr(tab3 + 1) != unbewiesen)
            return std::nullopt;
        eintrag.bewiesen = false;
    }
    const char* anfang = zeile.data() + tab1 + 1;
    const char* ende = zeile.data() + tab2;
    const auto [stelle, fehler] = std::from_chars(anfang, ende, eintrag.schritte);
    if (fehler != std::errc{} || stelle != ende || eintrag.schritte <= 0)
        return std::nullopt;
    // A solution that does not fit its count means the line was edited or cut off.
    const bool nurPfeile = eintrag.loesung.find_first_not_of("lrou") == std::string::npos;
    if (!nurPfeile || eintrag.loesung.size() != static_cast<std::size_t>(eintrag.schritte))
        return std::nullopt;
    return eintrag;
}

std::string ohneEndung(const std::string& datei) {
    const bool mitEndung = datei.size() > 4 && datei[datei.size() - 4] == '.';
    return mitEndung ? datei.substr(0, datei.size() - 4) : datei;
}

} // namespace

Bestwerte bestwerteLesen(const std::string& pfad) {
    Bestwerte tabelle;
    const auto zeilen = textLesen(pfad);
    if (!zeilen)
        return tabelle;
    for (std::size_t i = 0; i < zeilen->size(); ++i) {
        const std::string& zeile = (*zeilen)[i];
        if (zeile.empty())
            continue;
        const auto eintrag = eintragLesen(zeile);
        const bool schonDa =
            eintrag &&
            std::any_of(tabelle.eintraege.begin(), tabelle.eintraege.end(),
                        [&](const Bestwert& b) { return b.levelDatei == eintrag->levelDatei; });
        if (eintrag && !schonDa)
            tabelle.eintraege.push_back(*eintrag);
        else
            tabelle.fehlerhafteZeilen.push_back(static_cast<int>(i) + 1);
    }
    return tabelle;
}

std::optional<Bestwert> bestwert(const Bestwerte& tabelle, const std::string& levelName) {
    for (const auto& eintrag : tabelle.eintraege) {
        if (ohneEndung(eintrag.levelDatei) == levelName)
            return eintrag;
    }
    return std::nullopt;
}
