#include "levelmodell.h"

#include <algorithm>

namespace {

int breite(Brettgroesse g) {
    return g == Brettgroesse::klein ? Levelmodell::kleineSeite : Levelmodell::spalten;
}

int hoehe(Brettgroesse g) {
    return g == Brettgroesse::klein ? Levelmodell::kleineSeite : Levelmodell::zeilen;
}

bool aufStellplatz(Objekt o) {
    return o == Objekt::stell || o == Objekt::gestellt || o == Objekt::tntgestellt;
}

} // namespace

const char* artWort(Objekt o) {
    static constexpr const char* woerter[] = {"",         "mauer", "box",         "stell",
                                              "gestellt", "tnt",   "tntgestellt", "rand"};
    return woerter[static_cast<std::size_t>(o)];
}

Objekt Levelmodell::an(Zellort ort) const {
    if (ort.spalte < 0 || ort.spalte >= spalten || ort.zeile < 0 || ort.zeile >= zeilen)
        return Objekt::boden;
    return zellen[index(ort)];
}

bool Levelmodell::imBrett(Zellort ort) const {
    return ort.spalte >= 0 && ort.zeile >= 0 && ort.spalte < breite(brettgroesse) &&
           ort.zeile < hoehe(brettgroesse);
}

bool Levelmodell::setzen(Zellort ort, Objekt objekt) {
    if (!imBrett(ort))
        return false;
    const bool figurWeg = figurOrt == ort && objekt != Objekt::stell;
    if (zellen[index(ort)] == objekt && !figurWeg)
        return false;
    zellen[index(ort)] = objekt;
    if (figurWeg)
        figurOrt.reset();
    return true;
}

bool Levelmodell::figurSetzen(Zellort ort) {
    if (!imBrett(ort))
        return false;
    Objekt& zelle = zellen[index(ort)];
    const Objekt darunter = aufStellplatz(zelle) ? Objekt::stell : Objekt::boden;
    if (figurOrt == ort && zelle == darunter)
        return false;
    zelle = darunter;
    figurOrt = ort;
    return true;
}

std::optional<Levelmodell::Rahmen> Levelmodell::belegterRahmen() const {
    std::optional<Rahmen> rahmen;
    const auto aufnehmen = [&](Zellort o) {
        if (!rahmen)
            rahmen = Rahmen{o.spalte, o.zeile, o.spalte, o.zeile};
        rahmen->links = std::min(rahmen->links, o.spalte);
        rahmen->oben = std::min(rahmen->oben, o.zeile);
        rahmen->rechts = std::max(rahmen->rechts, o.spalte);
        rahmen->unten = std::max(rahmen->unten, o.zeile);
    };
    for (int z = 0; z < zeilen; ++z)
        for (int s = 0; s < spalten; ++s)
            if (zellen[index({s, z})] != Objekt::boden)
                aufnehmen({s, z});
    if (figurOrt)
        aufnehmen(*figurOrt);
    return rahmen;
}

bool Levelmodell::passt(const Rahmen& r, Brettgroesse g) const {
    return r.links >= 0 && r.oben >= 0 && r.rechts < breite(g) && r.unten < hoehe(g);
}

bool Levelmodell::verschieben(int ds, int dz) {
    const auto rahmen = belegterRahmen();
    if (!rahmen || (ds == 0 && dz == 0))
        return false;
    if (!passt({rahmen->links + ds, rahmen->oben + dz, rahmen->rechts + ds, rahmen->unten + dz},
               brettgroesse))
        return false;
    std::array<Objekt, spalten * zeilen> neu{};
    for (int z = rahmen->oben; z <= rahmen->unten; ++z)
        for (int s = rahmen->links; s <= rahmen->rechts; ++s)
            neu[index({s + ds, z + dz})] = zellen[index({s, z})];
    zellen = neu;
    if (figurOrt)
        figurOrt = Zellort{figurOrt->spalte + ds, figurOrt->zeile + dz};
    return true;
}

void Levelmodell::zentrieren() {
    const auto r = belegterRahmen();
    if (!r)
        return;
    const int links = (breite(brettgroesse) - (r->rechts - r->links + 1)) / 2;
    const int oben = (hoehe(brettgroesse) - (r->unten - r->oben + 1)) / 2;
    verschieben(links - r->links, oben - r->oben);
}

bool Levelmodell::groesseWaehlen(Brettgroesse neu) {
    const auto r = belegterRahmen();
    if (r && !passt(*r, neu))
        return false;
    brettgroesse = neu;
    return true;
}

Zaehlung Levelmodell::zaehlen() const {
    Zaehlung z;
    for (const Objekt o : zellen) {
        if (o == Objekt::kiste || o == Objekt::gestellt)
            ++z.kisten;
        if (aufStellplatz(o))
            ++z.stellplaetze;
        if (o == Objekt::gestellt || o == Objekt::tntgestellt)
            z.eintraege += 2;
        else if (o != Objekt::boden)
            ++z.eintraege;
    }
    z.eintraege += static_cast<int>(randAussen.size());
    if (brettgroesse == Brettgroesse::klein)
        z.eintraege += zaunEintraege;
    return z;
}
