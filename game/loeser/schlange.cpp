#include "schlange.h"

void Schlange::hinein(const Eintrag& e) {
    if (e.rang >= faecher.size()) {
        bytes += (e.rang + 1 - faecher.size()) * sizeof(Fach);
        faecher.resize(e.rang + 1);
    }
    Fach& fach = faecher[e.rang];
    if (e.schranke >= fach.nachSchranke.size()) {
        bytes += (e.schranke + 1 - fach.nachSchranke.size()) * sizeof(fach.nachSchranke[0]);
        fach.nachSchranke.resize(e.schranke + 1);
    }
    auto& liste = fach.nachSchranke[e.schranke];
    const std::size_t vorher = liste.capacity();
    liste.push_back(e.knoten);
    bytes += (liste.capacity() - vorher) * sizeof(std::uint32_t);
    if (fach.anzahl++ == 0 || e.schranke < fach.vorn)
        fach.vorn = e.schranke;
    if (anzahl++ == 0 || e.rang < vorn)
        vorn = e.rang;
}

Schlange::Eintrag Schlange::heraus() {
    while (faecher[vorn].anzahl == 0)
        ++vorn;
    Fach& fach = faecher[vorn];
    while (fach.nachSchranke[fach.vorn].empty())
        ++fach.vorn;
    auto& liste = fach.nachSchranke[fach.vorn];
    const Eintrag e{vorn, fach.vorn, liste.back()};
    liste.pop_back();
    --fach.anzahl;
    --anzahl;
    return e;
}
