#include "suche.h"

#include <algorithm>

namespace {

constexpr int unendlich = Entfernungen::unendlich;
constexpr std::uint16_t verloren = 0xFFFF; // a bound this high: no assignment can complete it
// The fast search trusts the bound twice over its pushes so far: far fewer positions,
// and solutions that are longer but found in a fraction of the time. Trusted more, it
// runs deep into rooms it cannot clear; trusted less, it spreads over the large ones.
constexpr std::uint32_t gewichtSchnell = 2;
constexpr std::uint32_t keinKnoten = 0xFFFFFFFF;

} // namespace

Suche::Suche(const Lager& lager, const Loeseroptionen& optionen, Fortschritt* fortschritt)
    : lager(lager), optionen(optionen), fortschritt(fortschritt), entfernungen(lager),
      form(lager.kisten.size(), lager.tntKisten.size()),
      schaetzung(lager, form, entfernungen, optionen.schnell),
      stellungen(Packung(lager, form, entfernungen.tot())), feld(lager, form),
      sackgassen(lager, entfernungen, feld), zielschuebe(lager), pferch(lager), tunnel(lager),
      gangEltern(lager.fest.size()), gangKind(lager.fest.size()) {
    if (optionen.schnell)
        schaetzung.packordnungNutzen(zielschuebe.packrang());
    zielschuebeNutzen = optionen.schnell;
    beginn = std::chrono::steady_clock::now();
    letzteMeldung = beginn;
}

// Whether one more node fits. When it does not, `voll` ends the search.
bool Suche::platzFuerEinenKnoten() {
    const std::size_t grenze = optionen.speicherGrenze;
    if (grenze > 0 && !stellungen.passt(grenze - std::min(grenze, speicher())))
        voll = true;
    return !voll;
}

std::size_t Suche::speicher() const {
    return stellungen.speicher() + offen.speicher() + entfernungen.speicher() +
           schaetzung.speicher();
}

// The node of the position in `kind`, reached from `eltern` with g steps; keinKnoten when
// it is lost or does not fit. A position known with fewer steps keeps them.
std::uint32_t Suche::folgeknoten(std::uint32_t eltern, Zelle von, int richtung, std::uint32_t g,
                                 const Tafel& tafel, bool zwischenstand) {
    const Zelle figur = kind[0];
    if (optionen.schnell) {
        feld.belegen(kind.data());
        feld.laufen(gangKind, kind[0]);
        kind[0] = gangKind.obenLinks();
    }
    if (!platzFuerEinenKnoten())
        return keinKnoten;
    auto [id, neu] = stellungen.eintragen(kind);
    if (!neu && stellungen[id].verloren)
        return keinKnoten;
    if (!neu && stellungen[id].g <= g)
        return id;
    if (neu) {
        const int m = schaetzung.schaetzen(figur, kind.data(), tafel);
        stellungen[id].verloren = m >= verloren;
        stellungen[id].geloest = m == 0;
        if (m >= verloren)
            return keinKnoten;
        stellungen[id].h =
            static_cast<std::uint16_t>(std::min(bewerten(figur, m, tafel), verloren - 1));
    }
    Knoten& k = stellungen[id];
    k.eltern = eltern;
    k.g = g;
    k.von = von;
    k.richtung = static_cast<std::uint8_t>(richtung);
    k.geschlossen = zwischenstand;
    if (!zwischenstand)
        einreihen(id);
    return id;
}

// The bound of `schaetzen`, m, with what the search adds for the position in `kind`;
// the fast search has the figure's walk in `gangKind`.
int Suche::bewerten(Zelle figur, int m, const Tafel& tafel) {
    return optionen.schnell ? m + schaetzung.umwege(kind.data(), gangKind.weg)
                            : schaetzung.bewerten(figur, kind.data(), m, tafel);
}

void Suche::einreihen(std::uint32_t id) {
    const Knoten& k = stellungen[id];
    offen.hinein({k.g + gewicht() * k.h, k.h, id});
}

std::uint32_t Suche::gewicht() const {
    return optionen.schnell ? gewichtSchnell : 1;
}

void Suche::ausbauen(std::uint32_t id) {
    stellungen.schluesselLesen(id, eltern);
    const std::uint32_t g = stellungen[id].g;
    const Tafel& tafel = entfernungen.tabelle(form.gesprengt(eltern.data()));
    feld.belegen(eltern.data());
    feld.laufen(gangEltern, eltern[0]);
    const std::vector<int>& schritte = gangEltern.weg;
    const std::size_t tntEnde = form.tntEnde(eltern.data());
    // Only the fast search looks for fenced areas: the proof may not leave pushes out, and
    // there the lost positions the look finds save less than the look costs.
    const auto befund =
        optionen.schnell
            ? pferch.pruefen(feld, schritte, tntEnde > form.tntAnfang(),
                             [this](Zelle c, int r) { return sackgasse(c, c + lager.versatz(r)); })
            : Pferch::Befund::offen;
    if (befund == Pferch::Befund::verloren)
        return;
    eingezaeunt = befund == Pferch::Befund::eingezaeunt;
    for (int r = 0; r < 4; ++r) {
        const int v = lager.versatz(r);
        for (std::size_t i = form.kistenAnfang(); i < tntEnde; ++i) {
            if (i == form.kistenEnde())
                continue; // the TNT count
            const Zelle c = eltern[i];
            const auto t = static_cast<Zelle>(c + v);
            if (schritte[c - v] < 0 || (eingezaeunt && !pferch.erlaubt(c, r)))
                continue;
            const std::uint32_t gNeu =
                g + 1 + (optionen.schnell ? 0 : static_cast<std::uint32_t>(schritte[c - v]));
            kind = eltern;
            kind[0] = c;
            if (i < form.kistenEnde()) {
                if (feld[t] != frei || sackgasse(c, t))
                    continue;
                if (optionen.schnell && tunnel.weiter(t, r)) {
                    durchschieben(id, c, r, tafel);
                } else {
                    Schluessel::verschieben(kind, i, t, form.kistenAnfang(), form.kistenEnde());
                    weitergeben(id, c, r, gNeu, tafel);
                }
            } else if (feld[t] == frei) {
                Schluessel::verschieben(kind, i, t, form.tntAnfang(), tntEnde);
                weitergeben(id, c, r, gNeu, tafel);
            } else if (feld[t] == mauer) {
                form.sprengen(kind, i, t);
                weitergeben(id, c, r, gNeu, entfernungen.tabelle(form.gesprengt(kind.data())));
            } else {
                continue;
            }
            if (optionen.schnell)
                feld.belegen(eltern.data());
        }
    }
    for (const Wartend& w : wartend) {
        kind.assign(wartendeSchluessel.begin() + static_cast<long>(w.anfang),
                    wartendeSchluessel.begin() + static_cast<long>(w.anfang + form.laenge));
        folgeknoten(id, w.von, w.richtung, w.g, *w.tafel);
    }
    wartend.clear();
    wartendeSchluessel.clear();
    if (zielschuebeNutzen)
        zielschuebeAnhaengen(id, tafel);
}

void Suche::bisZurSprengung() {
    schaetzung.bisZurSprengung();
    zielschuebeNutzen = false;
}

std::vector<Suche::Zelle> Suche::endstellung() {
    std::vector<Zelle> k;
    stellungen.schluesselLesen(ende, k);
    k[0] = ende == 0 ? lager.figur : stellungen[ende].von;
    return k;
}

// Whether a box pushed from `von` to the free cell `nach` can never be placed, or leaves
// another box so; `feld` holds the position before the push.
bool Suche::sackgasse(Zelle von, int nach) {
    return entfernungen.tot()[nach] || sackgassen.klemmtNach(von, static_cast<Zelle>(nach));
}

// Each box off its storage place that can get onto a free one alone: the whole way as a
// chain of positions, one push each, so that the solution is read off as usual.
void Suche::zielschuebeAnhaengen(std::uint32_t id, const Tafel& tafel) {
    for (std::size_t i = form.kistenAnfang(); i < form.kistenEnde(); ++i) {
        if (lager.stellplatz[eltern[i]])
            continue;
        feld.belegen(eltern.data());
        const auto& weg = zielschuebe.weg(feld, sackgassen, entfernungen, tafel.stufen.front(),
                                          gangEltern, eltern[i]);
        // One push is an ordinary child; a fenced area allows only some first pushes.
        if (weg.size() >= 2 && (!eingezaeunt || pferch.erlaubt(weg[0].von, weg[0].richtung)))
            kette(id, weg, tafel, false);
    }
}

// The box on `von` pushed in `richtung` into a corridor and on to its end (tunnel.h), or
// up to where a push would leave it stuck; only the last position is searched on.
void Suche::durchschieben(std::uint32_t id, Zelle von, int richtung, const Tafel& tafel) {
    const int v = lager.versatz(richtung);
    tunnelweg.assign(1, {von, static_cast<std::uint8_t>(richtung)});
    feld[von] = frei;
    for (int z = von + v; tunnel.weiter(z, richtung) && feld[z + v] == frei; z += v) {
        const bool steckt = sackgasse(z, z + v);
        feld[z] = frei; // the test leaves the box on z
        if (steckt)
            break;
        tunnelweg.push_back({static_cast<Zelle>(z), static_cast<std::uint8_t>(richtung)});
    }
    kette(id, tunnelweg, tafel, true);
}

// The positions after each push of `weg` from the position of node `id`, one node each;
// `nurDasEnde`: the search goes on from the last only, the others are kept for the way
// back.
void Suche::kette(std::uint32_t id, const std::vector<Zielschuebe::Schub>& weg, const Tafel& tafel,
                  bool nurDasEnde) {
    kind = eltern;
    std::uint32_t vorher = id;
    std::uint32_t g = stellungen[id].g;
    for (std::size_t s = 0; s < weg.size() && vorher != keinKnoten; ++s) {
        const auto& schub = weg[s];
        const auto index = form.objektIndex(kind, schub.von);
        kind[0] = schub.von;
        Schluessel::verschieben(kind, index,
                                static_cast<Zelle>(schub.von + lager.versatz(schub.richtung)),
                                form.kistenAnfang(), form.kistenEnde());
        vorher = folgeknoten(vorher, schub.von, schub.richtung, ++g, tafel,
                             nurDasEnde && s + 1 < weg.size());
    }
}

// The proof looks each child up in the table only after all of them are made: the
// table's slots, far apart in memory, are fetched meanwhile. The fast search changes
// the board for each child and takes it at once.
void Suche::weitergeben(std::uint32_t id, Zelle von, int richtung, std::uint32_t g,
                        const Tafel& tafel) {
    if (optionen.schnell) {
        folgeknoten(id, von, richtung, g, tafel);
        return;
    }
    stellungen.vormerken(kind);
    wartend.push_back({wartendeSchluessel.size(), von, richtung, g, &tafel});
    wartendeSchluessel.insert(wartendeSchluessel.end(), kind.begin(), kind.end());
}

// The keys of the path from the start to `ziel`: each walk found again, then the push.
// Every node on the path is one push.
std::string Suche::zuegeNach(std::uint32_t ziel, int& schuebe) {
    std::vector<std::uint32_t> pfad;
    for (std::uint32_t id = ziel; id != 0; id = stellungen[id].eltern)
        pfad.push_back(id);
    schuebe = static_cast<int>(pfad.size());
    std::reverse(pfad.begin(), pfad.end());
    std::vector<Zelle> k = form.start(lager);
    std::string zuege;
    for (const std::uint32_t id : pfad) {
        const Knoten& schritt = stellungen[id];
        const int v = lager.versatz(schritt.richtung);
        feld.belegen(k.data());
        feld.laufen(gangKind, k[0]);
        std::string gang;
        for (int z = schritt.von - v; z != k[0]; z -= lager.versatz(gangKind.vorige[z]))
            gang += zugTasten[gangKind.vorige[z]];
        zuege.append(gang.rbegin(), gang.rend());
        zuege += zugTasten[schritt.richtung];
        const auto i = form.objektIndex(k, schritt.von);
        const auto nach = static_cast<Zelle>(schritt.von + v);
        k[0] = schritt.von;
        if (i < form.kistenEnde())
            Schluessel::verschieben(k, i, nach, form.kistenAnfang(), form.kistenEnde());
        else if (feld[nach] == mauer)
            form.sprengen(k, i, nach);
        else
            Schluessel::verschieben(k, i, nach, form.tntAnfang(), form.tntEnde(k.data()));
    }
    return zuege;
}

// Whether a limit or the caller ends the search; reports progress now and then.
bool Suche::anhalten(int schranke, Loesung& loesung) {
    const auto jetzt = std::chrono::steady_clock::now();
    const std::size_t belegt = speicher();
    spitze = std::max(spitze, belegt);
    if (fortschritt && jetzt - letzteMeldung >= std::chrono::milliseconds(100)) {
        fortschritt->melden({stellungen.anzahl(), schranke, belegt});
        letzteMeldung = jetzt;
    }
    const auto ende = [&](Grenze grenze, const char* grund) {
        loesung.grenze = grenze;
        loesung.grund = grund;
        return true;
    };
    if (optionen.abbrechen && optionen.abbrechen->load())
        return ende(Grenze::abbruch, "Die Suche wurde abgebrochen.");
    if (optionen.zeitGrenze.count() > 0 && jetzt - beginn >= optionen.zeitGrenze)
        return ende(Grenze::zeit, "Die Zeitgrenze der Suche ist erreicht.");
    if (voll || (optionen.speicherGrenze > 0 && belegt >= optionen.speicherGrenze))
        return ende(Grenze::speicher, "Die Speichergrenze der Suche ist erreicht.");
    if (optionen.zustandsGrenze > 0 && stellungen.anzahl() >= optionen.zustandsGrenze)
        return ende(Grenze::speicher, "Die Grenze für die Zahl der Stellungen ist erreicht.");
    if (stellungen.anzahl() >= Stellungen::hoechstens)
        return ende(Grenze::speicher, "Die Suche hat zu viele Stellungen.");
    return false;
}

Loesung Suche::suchen() {
    kind = form.start(lager);
    if (optionen.schnell) {
        feld.belegen(kind.data());
        feld.laufen(gangKind, kind[0]);
        kind[0] = gangKind.obenLinks();
    }
    stellungen.eintragen(kind);
    const auto& tafel = entfernungen.tabelle({});
    const int m = schaetzung.schaetzen(lager.figur, kind.data(), tafel);
    Loesung loesung;
    if (m >= unendlich) {
        loesung.ergebnis = Ergebnis::unloesbar;
        return loesung;
    }
    stellungen[0].geloest = m == 0;
    const int h = bewerten(lager.figur, m, tafel);
    stellungen[0].h = static_cast<std::uint16_t>(h);
    if (fortschritt)
        fortschritt->melden({stellungen.anzahl(), h, speicher()});
    einreihen(0);
    int schranke = h;
    std::uint64_t runden = 0;
    while (!offen.leer()) {
        const Schlange::Eintrag e = offen.heraus();
        Knoten& k = stellungen[e.knoten];
        // An entry left behind when the position was reached again more cheaply.
        if (k.geschlossen || e.rang - gewicht() * e.schranke != k.g)
            continue;
        k.geschlossen = true;
        if (!optionen.schnell)
            schranke = std::max<int>(schranke, static_cast<int>(e.rang));
        if (k.geloest) {
            loesung.ergebnis = Ergebnis::geloest;
            loesung.optimal = !optionen.schnell;
            loesung.zuege = zuegeNach(e.knoten, loesung.schuebe);
            ende = e.knoten;
            break;
        }
        // The clock is read now and then; the count of positions every time.
        const bool genug =
            optionen.zustandsGrenze > 0 && stellungen.anzahl() >= optionen.zustandsGrenze;
        if ((++runden % 256 == 0 || genug) && anhalten(schranke, loesung))
            break;
        ausbauen(e.knoten);
        // Children left out for want of memory: the search can no longer say "unsolvable".
        if (voll && anhalten(schranke, loesung))
            break;
    }
    if (loesung.ergebnis == Ergebnis::unbekannt && loesung.grund.empty())
        loesung.ergebnis = Ergebnis::unloesbar;
    loesung.zustaende = stellungen.anzahl();
    loesung.spitzenSpeicher = std::max(spitze, speicher());
    if (fortschritt)
        fortschritt->melden({stellungen.anzahl(), schranke, speicher()});
    return loesung;
}
