#include "game/lesezeichen.h"

#include "game/brett.h"
#include "game/textdatei.h"
#include "game/zahlen.h"

#include <optional>

namespace {

constexpr const char* ende = "ENDE";

// Reads the lines one after the other; every getter returns none at a damaged line.
// Numbers, "True", "False" and "ENDE" are ASCII, so only a kind word needs decoding.
class Leser {
  public:
    explicit Leser(std::string_view bytes) : zeilen(bytes) {}

    std::optional<std::string_view> zeile() { return zeilen.naechste(); }

    std::optional<double> figur() {
        const auto z = zeile();
        if (!z)
            return std::nullopt;
        const double wert = zahlLesen(*z);
        return passtInInt16(wert) ? std::optional<double>(wert) : std::nullopt;
    }

    std::optional<std::int16_t> ganz() {
        const auto z = zeile();
        return z ? aufInt16Runden(zahlLesen(*z)) : std::nullopt;
    }

    std::optional<std::int16_t> stellplatz() {
        const auto z = zeile();
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
    static bool beginntMitZahl(std::string_view z) {
        const auto start = z.find_first_not_of(" \t");
        if (start == std::string_view::npos)
            return false;
        std::size_t i = start + (z[start] == '-' ? 1 : 0);
        if (i < z.size() && z[i] == '.')
            ++i;
        return i < z.size() && z[i] >= '0' && z[i] <= '9';
    }

    Zeilenleser zeilen;
};

// Sets the value when the reader delivered one; false stops the recall.
template <typename Ziel, typename Wert> bool setzen(Ziel& ziel, const std::optional<Wert>& wert) {
    if (wert)
        ziel = *wert;
    return wert.has_value();
}

// `xZeile` has been read already: it told the entry from the closing "ENDE".
bool eintragLesen(Leser& leser, std::string_view xZeile, Feldobjekt& f) {
    if (!setzen(f.x, aufInt16Runden(zahlLesen(xZeile))) || !setzen(f.y, leser.ganz()))
        return false;
    // A partner outside the table would lead the move rule astray.
    const auto partner = leser.ganz();
    if (!partner || *partner < 0 || *partner >= Brett::feldAnzahl)
        return false;
    f.partner = *partner;
    const auto art = leser.zeile();
    if (!art)
        return false;
    f.art = ausWindows1252(*art);
    return true;
}

bool allesLesen(Brett& brett, Leser& leser) {
    if (!setzen(brett.spielerX, leser.figur()) || !setzen(brett.spielerY, leser.figur()) ||
        !setzen(brett.kistenAbgestellt, leser.ganz()) ||
        !setzen(brett.kistenGesamt, leser.ganz()) ||
        !setzen(brett.aufStellplatz, leser.stellplatz()))
        return false;
    for (int i = 0;; ++i) {
        const auto zeile = leser.zeile();
        if (!zeile)
            return false;
        if (*zeile == ende)
            return true;
        // More entry groups than the table holds: stop after the last entry.
        if (i == Brett::feldAnzahl || !eintragLesen(leser, *zeile, brett.felder[i]))
            return false;
    }
}

// The four lines of one entry.
void eintragAnhaengen(std::string& bytes, const Feldobjekt& f) {
    zeileAnhaengen(bytes, zahlSchreiben(f.x));
    zeileAnhaengen(bytes, zahlSchreiben(f.y));
    zeileAnhaengen(bytes, zahlSchreiben(f.partner));
    zeileAnhaengen(bytes, f.art);
}

} // namespace

std::string lesezeichenDatei(int nummer) {
    return "l" + std::to_string(nummer) + ".bok";
}

std::string lesezeichenText(const Brett& brett) {
    // Most of the table is free entries, parked off the board, and they all read the same.
    static const Feldobjekt frei{Brett::abseits, Brett::abseits, {}, 0};
    static const std::string freiText = [] {
        std::string text;
        eintragAnhaengen(text, frei);
        return text;
    }();
    std::string bytes;
    bytes.reserve(32 * 1024);
    const auto zeile = [&bytes](std::string_view text) { zeileAnhaengen(bytes, text); };
    zeile(zahlSchreiben(brett.spielerX));
    zeile(zahlSchreiben(brett.spielerY));
    zeile(zahlSchreiben(brett.kistenAbgestellt));
    zeile(zahlSchreiben(brett.kistenGesamt));
    zeile(brett.aufStellplatz == -1 ? "True" : "False");
    for (const auto& f : brett.felder) {
        if (f == frei)
            bytes += freiText;
        else
            eintragAnhaengen(bytes, f);
    }
    zeile(ende);
    return bytes;
}

bool lesezeichenAusText(Brett& brett, std::string_view bytes) {
    brett.lesezeichenGenutzt = true;
    Leser leser(bytes);
    return allesLesen(brett, leser);
}

std::optional<std::string> lesezeichenSetzen(const Brett& brett, const std::string& pfad) {
    return dateiSchreiben(pfad, lesezeichenText(brett));
}

bool lesezeichenAbrufen(Brett& brett, const std::string& pfad, std::string* fehler) {
    const Textinhalt datei = textdateiLesen(pfad);
    if (datei.fehler != Dateifehler::keiner && datei.fehler != Dateifehler::fehlt && fehler)
        *fehler = lesefehlerMeldung("Das Lesezeichen", pfad, datei);
    return datei.fehler == Dateifehler::keiner && lesezeichenAusText(brett, datei.bytes);
}
