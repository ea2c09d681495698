#include "werkzeug.h"

#include "game/zeichnen.h"

#include <algorithm>
#include <cstdlib>

const std::array<Werkzeugangabe, 8> werkzeuge{{
    {Werkzeug::mauer, "Mauer", "Mauer setzen (M)", 'M', "mauer"},
    {Werkzeug::kiste, "Kiste", "Kiste setzen (K)", 'K', "box"},
    {Werkzeug::stell, "Stellplatz", "Stellplatz für eine Kiste setzen (S)", 'S', "stell"},
    {Werkzeug::gestellt, "Kiste auf Stellplatz", "Kiste, die schon auf ihrem Stellplatz steht (G)",
     'G', "box2"},
    {Werkzeug::tnt, "TNT", "TNT-Kiste setzen: sprengt die Mauer, gegen die sie geschoben wird (T)",
     'T', "tnt"},
    {Werkzeug::tntgestellt, "TNT auf Stellplatz", "TNT-Kiste auf einem Stellplatz (N)", 'N',
     "tntstell"},
    {Werkzeug::figur, "Figur", "Startfeld der Figur; es gibt nur eine (F)", 'F', "smile"},
    {Werkzeug::boden, "Boden", "Radiergummi: macht das Feld zu Boden (B)", 'B', "blank"},
}};

const Werkzeugangabe& angabe(Werkzeug w) {
    return werkzeuge[static_cast<std::size_t>(w)];
}

std::optional<Werkzeug> werkzeugFuerTaste(char taste) {
    const auto w = std::find_if(werkzeuge.begin(), werkzeuge.end(),
                                [&](const Werkzeugangabe& a) { return a.taste == taste; });
    return w == werkzeuge.end() ? std::nullopt : std::optional(w->werkzeug);
}

std::string kachelFuer(Objekt o) {
    return o == Objekt::boden ? "blank" : kachelFuerArt(artWort(o));
}

std::vector<Zellort> zellenAufLinie(Zellort von, Zellort bis) {
    const int breite = std::abs(bis.spalte - von.spalte);
    const int hoehe = -std::abs(bis.zeile - von.zeile);
    const int schrittS = von.spalte < bis.spalte ? 1 : -1;
    const int schrittZ = von.zeile < bis.zeile ? 1 : -1;
    // How far the cells so far lie off the true line, scaled to whole numbers.
    int abweichung = breite + hoehe;
    std::vector<Zellort> zellen{von};
    for (Zellort ort = von; ort != bis; zellen.push_back(ort)) {
        const int doppelt = 2 * abweichung;
        if (doppelt >= hoehe) {
            abweichung += hoehe;
            ort.spalte += schrittS;
        }
        if (doppelt <= breite) {
            abweichung += breite;
            ort.zeile += schrittZ;
        }
    }
    return zellen;
}

std::vector<Zellort> werkzeugAnwenden(Levelmodell& modell, Werkzeug w, Zellort ort) {
    if (w != Werkzeug::figur) {
        static constexpr Objekt objekte[] = {Objekt::mauer,    Objekt::kiste, Objekt::stell,
                                             Objekt::gestellt, Objekt::tnt,   Objekt::tntgestellt,
                                             Objekt::boden,    Objekt::boden};
        return modell.setzen(ort, objekte[static_cast<std::size_t>(w)]) ? std::vector{ort}
                                                                        : std::vector<Zellort>{};
    }
    const auto vorher = modell.figur();
    if (!modell.figurSetzen(ort))
        return {};
    if (vorher && *vorher != ort)
        return {ort, *vorher};
    return {ort};
}
