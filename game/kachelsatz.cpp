#include "game/kachelsatz.h"

#include <array>
#include <utility>

std::optional<Kachelursprung> kachelUrsprung(std::string_view bild) {
    static constexpr std::array<std::pair<std::string_view, Kachelursprung>, 10> tabelle{{
        {"tnt", {0, 0}},
        {"box2", {24, 0}},
        {"mauer", {48, 48}},
        {"smile", {72, 48}},
        {"smilestell", {0, 72}},
        {"stell", {24, 72}},
        {"box", {48, 72}},
        {"tntstell", {72, 72}},
        {"blank", {0, 96}},
        {"rand", {24, 96}},
    }};
    for (const auto& [wort, ursprung] : tabelle) {
        if (wort == bild)
            return ursprung;
    }
    return std::nullopt;
}

Kachelursprung explosionsBildUrsprung(int k) {
    return {kachelGroesse * ((k + 1) % 4), kachelGroesse * ((k + 1) / 4)};
}
