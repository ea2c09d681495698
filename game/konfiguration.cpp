#include "game/konfiguration.h"

#include "game/textdatei.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace {

// Any case of the extension, as the options window lists the sets.
bool istGrafiksetName(std::string_view zeile) {
    constexpr std::string_view endung = ".gif";
    if (zeile.size() < endung.size())
        return false;
    const auto ende = zeile.substr(zeile.size() - endung.size());
    return std::equal(ende.begin(), ende.end(), endung.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

} // namespace

Einstellungen einstellungenAusZeilen(const std::vector<std::string>& zeilen) {
    Einstellungen e;
    for (const auto& zeile : zeilen) {
        if (zeile == "animation_an")
            e.animationAn = true;
        if (zeile == "animation_aus")
            e.animationAn = false;
        if (zeile == "sound_an")
            e.soundAn = true;
        if (zeile == "sound_aus")
            e.soundAn = false;
        if (istGrafiksetName(zeile))
            e.grafikset = zeile;
    }
    return e;
}

Einstellungen konfigurationLesen(const std::string& pfad) {
    const auto zeilen = textLesen(pfad);
    return zeilen ? einstellungenAusZeilen(*zeilen) : Einstellungen{};
}

std::vector<std::string> konfigurationsZeilen(const Einstellungen& e) {
    return {e.animationAn ? "animation_an" : "animation_aus", e.soundAn ? "sound_an" : "sound_aus",
            e.grafikset};
}

std::optional<std::string> konfigurationSchreiben(const std::string& pfad,
                                                  const Einstellungen& einstellungen) {
    return textSchreiben(pfad, konfigurationsZeilen(einstellungen));
}
