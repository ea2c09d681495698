#include "entfernungen.h"

#include <algorithm>

Entfernungen::Entfernungen(const Lager& lager) : lager(lager) {
    const std::size_t n = lager.fest.size();
    for (std::size_t z = 0; z < n; ++z) {
        if (lager.stellplatz[z] && !lager.fest[z])
            zielZellen.push_back(static_cast<Zelle>(z));
    }
    // With every blastable wall counted as open, no budget is needed.
    const auto offen = berechnen(std::vector<bool>(n, false), 0).front();
    totZellen.assign(n, true);
    for (std::size_t j = 0; j < zielZellen.size(); ++j) {
        for (std::size_t z = 0; z < n; ++z)
            totZellen[z] = totZellen[z] && offen[j * n + z] >= unendlich;
    }
    sprengwege = sprengwegeBerechnen(waendeOhne({}), lager.fest);
}

std::vector<bool> Entfernungen::waendeOhne(const std::vector<Zelle>& gesprengt) const {
    std::vector<bool> wand(lager.fest.size(), false);
    for (const Zelle m : lager.mauern)
        wand[m] = true;
    for (const Zelle m : gesprengt)
        wand[m] = false;
    return wand;
}

const Entfernungen::Tafel& Entfernungen::tabelle(const std::vector<Zelle>& gesprengt) {
    auto it = tabellen.find(gesprengt);
    if (it != tabellen.end())
        return it->second;
    const int tntUebrig = static_cast<int>(lager.tntKisten.size() - gesprengt.size());
    return eintragen(gesprengt, berechnen(waendeOhne(gesprengt), tntUebrig));
}

const Entfernungen::Tafel& Entfernungen::eintragen(const std::vector<Zelle>& gesprengt,
                                                   Stufen stufen) {
    gespeichert += stufen.size() * (stufen.front().size() * sizeof(int) + 32) +
                   gesprengt.size() * sizeof(Zelle) + sizeof(Tafel) + 64;
    Tafel tafel{gesprengt, std::move(stufen), {}, false};
    return tabellen.emplace(gesprengt, std::move(tafel)).first->second;
}

// Each standing wall in turn: the distances with it gone and no blast to come, kept only
// where they beat the table's own somewhere. The last TNT box blasting any other wall
// leaves every box distance as it is.
const std::vector<Entfernungen::Tafel::Hilfe>& Entfernungen::hilfen(const Tafel& tafel) {
    if (tafel.hilfenBekannt)
        return tafel.hilfen;
    tafel.hilfenBekannt = true;
    const std::vector<int>& ohne = tafel.stufen.front();
    std::vector<bool> stehend = waendeOhne(tafel.gesprengt);
    for (std::size_t z = 0; z < stehend.size(); ++z)
        stehend[z] = stehend[z] || lager.fest[z];
    for (const Zelle m : lager.mauern) {
        if (std::binary_search(tafel.gesprengt.begin(), tafel.gesprengt.end(), m))
            continue;
        std::vector<Zelle> mit = tafel.gesprengt;
        mit.insert(std::upper_bound(mit.begin(), mit.end(), m), m);
        const auto it = tabellen.find(mit);
        const Tafel* danach = it != tabellen.end() ? &it->second : nullptr;
        if (!danach) {
            Stufen neu = berechnen(waendeOhne(mit), 0);
            if (neu.front() == ohne)
                continue;
            danach = &eintragen(mit, std::move(neu));
        }
        const std::vector<int>& abstand = danach->stufen.front();
        if (abstand == ohne)
            continue;
        auto weg = sprengwegeJeWand.find(m);
        if (weg == sprengwegeJeWand.end()) {
            std::vector<bool> ziel(lager.fest.size(), false);
            ziel[m] = true;
            weg = sprengwegeJeWand.emplace(m, sprengwegeBerechnen(ziel, lager.fest)).first;
            gespeichert += weg->second.size() * sizeof(int) + 64;
        }
        std::vector<bool> ziel(lager.fest.size(), false);
        ziel[m] = true;
        tafel.hilfen.push_back({m, &abstand, &weg->second, sprengwegeBerechnen(ziel, stehend)});
        gespeichert += ziel.size() * sizeof(int) + 64;
    }
    return tafel.hilfen;
}

// Breadth-first backwards from each storage place over (cell, walls crossed): the box
// is pulled from t back to c when c and the figure's cell behind it are not permanent;
// entering a standing wall uses one of `frei` crossings. The distance for at most j
// crossings is the shortest over the levels up to j.
Entfernungen::Stufen Entfernungen::berechnen(const std::vector<bool>& wand, int frei) const {
    const std::size_t n = lager.fest.size();
    const std::size_t stufen = static_cast<std::size_t>(frei) + 1;
    Stufen abstand(stufen, std::vector<int>(zielZellen.size() * n, unendlich));
    std::vector<int> schritte(stufen * n);
    std::vector<std::size_t> schlange;
    for (std::size_t j = 0; j < zielZellen.size(); ++j) {
        std::fill(schritte.begin(), schritte.end(), unendlich);
        schlange.assign(1, zielZellen[j]);
        schritte[zielZellen[j]] = 0;
        for (std::size_t k = 0; k < schlange.size(); ++k) {
            const std::size_t stufe = schlange[k] / n;
            const int t = static_cast<int>(schlange[k] % n);
            const int d = schritte[schlange[k]];
            for (std::size_t s = stufe; s < stufen; ++s)
                abstand[s][j * n + t] = std::min(abstand[s][j * n + t], d);
            for (int r = 0; r < 4; ++r) {
                const int v = lager.versatz(r);
                const int c = t - v;
                if (lager.fest[c] || lager.fest[c - v])
                    continue;
                const std::size_t neueStufe = stufe + (wand[c] ? 1 : 0);
                if (neueStufe >= stufen || schritte[neueStufe * n + c] != unendlich)
                    continue;
                schritte[neueStufe * n + c] = d + 1;
                schlange.push_back(neueStufe * n + c);
            }
        }
    }
    return abstand;
}

// Breadth-first backwards from every blasting push: a TNT box on c with a wall of `ziel`
// at c + v and the figure able to stand at c − v takes one push; neither stands on a cell
// of `hindernis`. Where that is only the permanent cells, a wall may be blasted first and
// then crossed.
std::vector<int> Entfernungen::sprengwegeBerechnen(const std::vector<bool>& ziel,
                                                   const std::vector<bool>& hindernis) const {
    const std::size_t n = lager.fest.size();
    std::vector<int> weg(n, unendlich);
    std::vector<int> schlange;
    for (std::size_t c = 0; c < n; ++c) {
        if (hindernis[c])
            continue;
        for (int r = 0; r < 4 && weg[c] == unendlich; ++r) {
            const int v = lager.versatz(r);
            if (ziel[c + v] && !hindernis[c - v]) {
                weg[c] = 1;
                schlange.push_back(static_cast<int>(c));
            }
        }
    }
    for (std::size_t k = 0; k < schlange.size(); ++k) {
        const int t = schlange[k];
        for (int r = 0; r < 4; ++r) {
            const int v = lager.versatz(r);
            const int c = t - v;
            if (hindernis[c] || hindernis[c - v] || weg[c] != unendlich)
                continue;
            weg[c] = weg[t] + 1;
            schlange.push_back(c);
        }
    }
    return weg;
}
