#include "verlauf.h"

#include <utility>

namespace {

bool tauschen(std::deque<Levelmodell>& von, std::deque<Levelmodell>& nach, Levelmodell& modell) {
    if (von.empty())
        return false;
    nach.push_back(std::move(modell));
    modell = std::move(von.back());
    von.pop_back();
    return true;
}

} // namespace

void Verlauf::merken(const Levelmodell& vorher) {
    zurueck.push_back(vorher);
    if (zurueck.size() > tiefe)
        zurueck.pop_front();
    vor.clear();
}

bool Verlauf::rueckgaengig(Levelmodell& modell) {
    return tauschen(zurueck, vor, modell);
}

bool Verlauf::wiederherstellen(Levelmodell& modell) {
    return tauschen(vor, zurueck, modell);
}

void Verlauf::leeren() {
    zurueck.clear();
    vor.clear();
}
