#include "game/brett.h"

#include <utility>

void Brett::randAnlegen() {
    belegt = 0;
    for (int y = 0; y <= 432; y += zelle)
        anhaengen("rand", -zelle, static_cast<std::int16_t>(y));
    for (int x = 0; x <= 528; x += zelle)
        anhaengen("rand", static_cast<std::int16_t>(x), -zelle);
    for (int y = 0; y <= 528; y += zelle)
        anhaengen("rand", 552, static_cast<std::int16_t>(y));
    for (int x = 0; x <= 552; x += zelle)
        anhaengen("rand", static_cast<std::int16_t>(x), 432);
    randAnzahl = belegt;
}

bool Brett::anhaengen(std::string art, std::int16_t x, std::int16_t y, std::int16_t partner) {
    if (belegt + 1 >= feldAnzahl)
        return false;
    ++belegt;
    felder[belegt] = Feldobjekt{x, y, std::move(art), partner};
    return true;
}

void Brett::freieAbseitsStellen() {
    for (auto& f : felder) {
        if (f.art.empty()) {
            f.x = abseits;
            f.y = abseits;
        }
    }
}

Fund Brett::suchen(double x, double y) const {
    Fund fund;
    for (int i = 0; i < feldAnzahl; ++i) {
        if (felder[i].x == x && felder[i].y == y) {
            fund.art = felder[i].art;
            fund.index = i;
        }
    }
    return fund;
}
