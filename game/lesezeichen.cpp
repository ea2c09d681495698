#include "game/lesezeichen.h"

#include "game/brett.h"
#include "game/textdatei.h"
#include "game/zahlen.h"

#include <vector>

namespace {

constexpr const char* ende = "ENDE";

// Reads the lines one after the other; every getter returns none at a damaged line.
class Leser {
  public:
    explicit Leser(const std::vector<std::string>& zeilen) : zeilen(zeilen) {}

    const std::string* zeile() { return naechste < zeilen.size() ? &zeilen[naechste++] : nullptr; }

    std::optional<double> figur() {
        const auto* z = zeile();
        if (!z)
            return std::nullopt;
        const double wert = zahlLesen(*z);
        return passtInInt16(wert) ? std::optional<double>(wert) : std::nullopt;
    }

    std::optional<std::int16_t> ganz() {
        const auto* z = zeile();
        return z ? aufInt16Runden(zahlLesen(*z)) : std::nullopt;
    }

    std::optional<std::int16_t> stellplatz() {
        const auto* z = zeile();
        if (!z)
            return std::nullopt;
        if (*z == "True")
            return -1;
        if (*z == "False")
            return 0;
        if (!beginntMitZahl(*z))
            return std::nullopt;
        return zahlLesen(*z) != 0 ? -1 : 0;
    }

  private:
    static bool beginntMitZahl(const std::string& z) {
        const auto start = z.find_first_not_of(" \t");
        if (start == std::string::npos)
            return false;
        std::size_t i = start + (z[start] == '-' ? 1 : 0);
        if (i < z.size() && z[i] == '.')
            ++i;
        return i < z.size() && z[i] >= '0' && z[i] <= '9';
    }

    const std::vector<std::string>& zeilen;
    std::size_t naechste = 0;
};

// Sets the value when the reader delivered one; false stops the recall.
template <typename Ziel, typename Wert> bool setzen(Ziel& ziel, const std::optional<Wert>& wert) {
    if (wert)
        ziel = *wert;
    return wert.has_value();
}

// `xZeile` has been read already: it told the entry from the closing "ENDE".
bool eintragLesen(Leser& leser, const std::string& xZeile, Feldobjekt& f) {
    if (!setzen(f.x, aufInt16Runden(zahlLesen(xZeile))) || !setzen(f.y, leser.ganz()))
        return false;
    // A partner outside the table would lead the move rule astray.
    const auto partner = leser.ganz();
    if (!partner || *partner < 0 || *partner >= Brett::feldAnzahl)
        return false;
    f.partner = *partner;
    const auto* art = leser.zeile();
    if (!art)
        return false;
    f.art = *art;
    return true;
}

bool allesLesen(Brett& brett, Leser& leser) {
    if (!setzen(brett.spielerX, leser.figur()) || !setzen(brett.spielerY, leser.figur()) ||
        !setzen(brett.kistenAbgestellt, leser.ganz()) ||
        !setzen(brett.kistenGesamt, leser.ganz()) ||
        !setzen(brett.aufStellplatz, leser.stellplatz()))
        return false;
    for (int i = 0;; ++i) {
        const auto* zeile = leser.zeile();
        if (!zeile)
            return false;
        if (*zeile == ende)
            return true;
        // More entry groups than the table holds: stop after the last entry.
        if (i == Brett::feldAnzahl || !eintragLesen(leser, *zeile, brett.felder[i]))
            return false;
    }
}

} // namespace

std::string lesezeichenDatei(int nummer) {
    return "l" + std::to_string(nummer) + ".bok";
}

std::optional<std::string> lesezeichenSetzen(const Brett& brett, const std::string& pfad) {
    std::vector<std::string> zeilen{zahlSchreiben(brett.spielerX), zahlSchreiben(brett.spielerY),
                                    zahlSchreiben(brett.kistenAbgestellt),
                                    zahlSchreiben(brett.kistenGesamt),
                                    brett.aufStellplatz == -1 ? "True" : "False"};
    zeilen.reserve(4010);
    for (const auto& f : brett.felder) {
        zeilen.push_back(zahlSchreiben(f.x));
        zeilen.push_back(zahlSchreiben(f.y));
        zeilen.push_back(zahlSchreiben(f.partner));
        zeilen.push_back(f.art);
    }
    zeilen.push_back(ende);
    return textSchreiben(pfad, zeilen);
}

bool lesezeichenAbrufen(Brett& brett, const std::string& pfad) {
    const auto zeilen = textLesen(pfad);
    if (!zeilen)
        return false;
    brett.lesezeichenGenutzt = true;
    Leser leser(*zeilen);
    return allesLesen(brett, leser);
}
