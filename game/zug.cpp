#include "game/zug.h"

#include "game/brett.h"
#include "game/zahlen.h"
#include "game/zeichenflaeche.h"

#include <algorithm>
#include <optional>
#include <string>

namespace {

struct Richtung {
    int dx = 0;
    int dy = 0;
};

std::optional<Richtung> richtung(int keyCode) {
    switch (keyCode) {
    case tasteLinks:
        return Richtung{-Brett::zelle, 0};
    case tasteOben:
        return Richtung{0, -Brett::zelle};
    case tasteRechts:
        return Richtung{Brett::zelle, 0};
    case tasteUnten:
        return Richtung{0, Brett::zelle};
    default:
        return std::nullopt;
    }
}

// Something that can be pushed: alone on floor, or as a pair on a storage place.
struct Schiebbar {
    const char* einzeln;
    const char* paar;
    const char* kachel;
    const char* paarKachel;
    bool sprengt; // blasts a wall it is pushed against
    bool zaehlt;  // counts as a placed box
};

constexpr Schiebbar kiste{"box", "gestellt", "box", "box2", false, true};
constexpr Schiebbar tntKiste{"tnt", "tntgestellt", "tnt", "tntstell", true, false};

struct Ziel {
    double x = 0;
    double y = 0;
    std::string art;
    int index = 0;
};

Ziel nachgeschlagen(const Brett& brett, double x, double y) {
    Fund fund = brett.suchen(x, y);
    return {x, y, std::move(fund.art), fund.index};
}

class Zug {
  public:
    Zug(Brett& brett, Zeichenflaeche& flaeche, Ziel a, Ziel b, std::vector<Feldaenderung>* vorher)
        : brett(brett), flaeche(flaeche), a(std::move(a)), b(std::move(b)), vorher(vorher) {}

    Zugergebnis ausfuehren() {
        if (a.art.empty())
            return gehen("smile", 0);
        if (a.art == "stell")
            return gehen("smilestell", -1);
        for (const Schiebbar* s : {&kiste, &tntKiste}) {
            if (a.art == s->einzeln)
                return schieben(*s, a.index, false);
            if (a.art == s->paar)
                return schieben(*s, brett.felder[a.index].partner, true);
        }
        return {};
    }

  private:
    // The figure may step only where a board position can be stored: a bookmark or
    // the table could not hold it beyond the 16-bit edge.
    Zugergebnis gehen(const char* figur, std::int16_t aufStellplatz) {
        if (!passtInInt16(a.x) || !passtInInt16(a.y))
            return {};
        beginnen(0);
        zeichnen(figur, a);
        ankommen(aufStellplatz);
        return {true, std::nullopt};
    }

    // `kiste` is the entry that moves; `vomStellplatz` says whether it leaves a pair
    // whose found entry then stays behind as the empty storage place.
    Zugergebnis schieben(const Schiebbar& s, int kiste, bool vomStellplatz) {
        const bool aufBoden = b.art.empty();
        const bool aufStell = b.art == "stell";
        const bool sprengen = b.art == "mauer" && s.sprengt;
        if (!(aufBoden || aufStell || sprengen) || !passtInInt16(b.x) || !passtInInt16(b.y))
            return {};

        int aenderung = 0;
        if (s.zaehlt && aufStell && !vomStellplatz)
            aenderung = 1;
        if (s.zaehlt && aufBoden && vomStellplatz)
            aenderung = -1;
        beginnen(aenderung);

        const char* kachelB = sprengen ? "blank" : aufStell ? s.paarKachel : s.kachel;
        if (vomStellplatz) {
            zeichnen(kachelB, b);
            zeichnen("smilestell", a);
        } else {
            zeichnen("smile", a);
            zeichnen(kachelB, b);
        }

        auto& bewegt = aendern(kiste);
        if (vomStellplatz)
            aendern(a.index).art = "stell";
        if (sprengen) {
            bewegt.x = Brett::geparkt;
            aendern(b.index).x = Brett::geparkt;
        } else {
            if (aufStell) {
                aendern(b.index).art = s.paar;
                bewegt.art = s.paar;
            } else {
                bewegt.art = s.einzeln;
            }
            bewegt.x = static_cast<std::int16_t>(b.x);
            bewegt.y = static_cast<std::int16_t>(b.y);
            if (aufStell)
                paarVerbinden(kiste, b.index);
        }
        ankommen(vomStellplatz ? -1 : 0);
        if (!sprengen)
            return {true, std::nullopt};
        return {true, Sprengung{static_cast<int>(b.x), static_cast<int>(b.y)}};
    }

    // The lookup finds the higher index of the two, so that one carries the link.
    void paarVerbinden(int eins, int zwei) {
        const int oben = std::max(eins, zwei);
        const int unten = std::min(eins, zwei);
        aendern(oben).partner = static_cast<std::int16_t>(unten);
    }

    // The entry at `index`, to be changed; its old value is noted first.
    Feldobjekt& aendern(int index) {
        const auto gleich = [index](const Feldaenderung& f) { return f.index == index; };
        if (vorher && std::none_of(vorher->begin(), vorher->end(), gleich))
            vorher->push_back({index, brett.felder[index]});
        return brett.felder[index];
    }

    void beginnen(int aenderung) {
        ++brett.schritte;
        brett.kistenAbgestellt = static_cast<std::int16_t>(brett.kistenAbgestellt + aenderung);
        flaeche.copypic(brett.aufStellplatz == -1 ? "stell" : "blank", gerundet(brett.spielerX),
                        gerundet(brett.spielerY));
    }

    void zeichnen(const char* kachel, const Ziel& ziel) {
        flaeche.copypic(kachel, gerundet(ziel.x), gerundet(ziel.y));
    }

    void ankommen(std::int16_t aufStellplatz) {
        brett.spielerX = a.x;
        brett.spielerY = a.y;
        brett.aufStellplatz = aufStellplatz;
    }

    Brett& brett;
    Zeichenflaeche& flaeche;
    Ziel a; // the cell ahead
    Ziel b; // the cell beyond
    std::vector<Feldaenderung>* vorher;
};

} // namespace

Zugergebnis tasteVerarbeiten(Brett& brett, int keyCode, Zeichenflaeche& flaeche,
                             std::vector<Feldaenderung>* vorher) {
    if (brett.brettGesperrt || brett.levelDatei.empty())
        return {};
    const auto r = richtung(keyCode);
    if (!r)
        return {};
    return Zug(brett, flaeche,
               nachgeschlagen(brett, brett.spielerX + r->dx, brett.spielerY + r->dy),
               nachgeschlagen(brett, brett.spielerX + 2 * r->dx, brett.spielerY + 2 * r->dy),
               vorher)
        .ausfuehren();
}
