#include "game/levelstart.h"

#include "game/brett.h"
#include "game/textdatei.h"
#include "game/zahlen.h"
#include "game/zeichenflaeche.h"
#include "game/zeichnen.h"

#include <array>
#include <stdexcept>
#include <vector>

namespace {

// A level file names its objects in this order of passes, and the order fixes the
// table indices: the second half of every pair comes after the first, so the lookup
// (highest index wins) finds the half that carries the partner.
enum class Haelfte { keine, erste, zweite };

struct Durchgang {
    const char* wort; // the whole line that starts an entry
    const char* art;  // kind word stored in the table
    Haelfte haelfte;
    bool kisteZaehlen;  // raises kistenGesamt
    bool abgestellt;    // raises kistenAbgestellt as well
    const char* kachel; // tile drawn at load, none for a first half
    bool ersteZeileUngeprueft;
};

constexpr std::array<Durchgang, 9> durchgaenge{{
    {"gestellt", "gestellt", Haelfte::erste, false, false, nullptr, false},
    {"gestellt", "gestellt", Haelfte::zweite, true, true, "box2", false},
    {"tntgestellt", "tntgestellt", Haelfte::erste, false, false, nullptr, false},
    {"tntgestellt", "tntgestellt", Haelfte::zweite, false, false, "tntstell", false},
    {"rand", "rand", Haelfte::keine, false, false, "rand", false},
    {"tnt", "tnt", Haelfte::keine, false, false, "tnt", false},
    {"mauer", "mauer", Haelfte::keine, false, false, "mauer", false},
    {"kiste", "box", Haelfte::keine, true, false, "box", true},
    {"stell", "stell", Haelfte::keine, false, false, "stell", false},
}};

constexpr int dateiEinheitenProZelle = 25;

// Bytes of the first UTF-8 character of `text`; 0 for an empty text.
std::size_t ersteZeichenLaenge(const std::string& text) {
    std::size_t laenge = text.empty() ? 0 : 1;
    while (laenge < text.size() && (static_cast<unsigned char>(text[laenge]) & 0xC0) == 0x80)
        ++laenge;
    return laenge;
}

struct Lesefehler : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Leser {
  public:
    Leser(Brett& brett, Zeichenflaeche& flaeche, const std::vector<std::string>& zeilen,
          std::string name)
        : brett(brett), flaeche(flaeche), zeilen(zeilen), name(std::move(name)) {}

    void kopfLesen(Levelstart& ergebnis, std::string& formatKennung) {
        if (zeilen.empty())
            fehler("Zeile 1 fehlt; eine Leveldatei hat mindestens drei Zeilen.");
        // The file counts characters, not bytes: an umlaut in front is one character.
        const std::string& erste = zeilen[0];
        const std::size_t kennungsLaenge = ersteZeichenLaenge(erste);
        ergebnis.autor = erste.size() > kennungsLaenge ? erste.substr(kennungsLaenge) : "unbekannt";
        formatKennung = erste.substr(0, kennungsLaenge);
        if (zeilen.size() < 3)
            fehler("Zeile " + std::to_string(zeilen.size() + 1) +
                   " fehlt; eine Leveldatei hat mindestens drei Zeilen.");
        brett.spielerX = figurKoordinate(1);
        brett.spielerY = figurKoordinate(2);
    }

    void durchgehen(const Durchgang& d) {
        const std::size_t n = zeilen.size();
        std::size_t zeilenNr = 0;
        for (std::size_t z = d.ersteZeileUngeprueft ? 1 : 0; z < n;) {
            const std::size_t geprueft = z++;
            ++zeilenNr;
            if (zeilen[geprueft] != d.wort)
                continue;
            if (z + 2 > n)
                fehler("Zu „" + zeilen[geprueft] + "“ in Zeile " + std::to_string(geprueft + 1) +
                       " fehlen die Koordinaten.");
            const std::int16_t x = eintragKoordinate(z);
            const std::int16_t y = eintragKoordinate(z + 1);
            z += 2;
            eintragen(d, x, y, zeilenNr, geprueft);
        }
    }

  private:
    void eintragen(const Durchgang& d, std::int16_t x, std::int16_t y, std::size_t zeilenNr,
                   std::size_t zeile) {
        if (d.kisteZaehlen)
            ++brett.kistenGesamt;
        if (d.abgestellt)
            ++brett.kistenAbgestellt;
        const std::int16_t partner =
            d.haelfte == Haelfte::zweite ? static_cast<std::int16_t>(zeilenIndex[zeilenNr]) : 0;
        if (!brett.anhaengen(d.art, x, y, partner))
            fehler("Ab Zeile " + std::to_string(zeile + 1) +
                   " passen die Objekte nicht mehr auf das Spielfeld (höchstens " +
                   std::to_string(Brett::feldAnzahl - 1 - brett.randAnzahl) + ").");
        if (d.haelfte == Haelfte::erste)
            zeilenIndex[zeilenNr] = brett.belegt;
        if (d.kachel)
            flaeche.copypic(d.kachel, x, y);
    }

    double umgerechnet(std::size_t zeile) const {
        return zahlLesen(zeilen[zeile]) / dateiEinheitenProZelle * Brett::zelle;
    }

    double figurKoordinate(std::size_t zeile) {
        const double wert = umgerechnet(zeile);
        if (!passtInInt16(wert))
            koordinatenFehler(zeile);
        return wert;
    }

    std::int16_t eintragKoordinate(std::size_t zeile) {
        const auto wert = aufInt16Runden(umgerechnet(zeile));
        if (!wert)
            koordinatenFehler(zeile);
        return *wert;
    }

    [[noreturn]] void koordinatenFehler(std::size_t zeile) {
        fehler("Die Koordinate „" + zeilen[zeile] + "“ in Zeile " + std::to_string(zeile + 1) +
               " liegt weit außerhalb des Spielfelds.");
    }

    [[noreturn]] void fehler(const std::string& text) {
        throw Lesefehler("Die Leveldatei „" + name + "“ ist beschädigt: " + text);
    }

    Brett& brett;
    Zeichenflaeche& flaeche;
    const std::vector<std::string>& zeilen;
    std::string name;
    // One slot per examined line: the first half of the pair that line started.
    std::vector<int> zeilenIndex = std::vector<int>(zeilen.size() + 1, 0);
};

void brettLeeren(Brett& brett) {
    brett.schritte = 0;
    brett.lesezeichenGenutzt = false;
    brett.belegt = brett.randAnzahl;
    brett.spielerX = 0;
    brett.spielerY = 0;
    brett.aufStellplatz = 0;
    brett.kistenAbgestellt = 0;
    brett.kistenGesamt = 0;
    for (int i = brett.randAnzahl + 1; i < Brett::feldAnzahl; ++i)
        brett.felder[i] = Feldobjekt{};
}

// A small-board level plays on 12 by 12 cells; a fence of border entries closes it.
bool zaunSetzen(Brett& brett) {
    bool ok = true;
    for (int y = 0; y <= 288; y += Brett::zelle)
        ok = ok && brett.anhaengen("rand", 288, static_cast<std::int16_t>(y));
    for (int x = 0; x <= 264; x += Brett::zelle)
        ok = ok && brett.anhaengen("rand", static_cast<std::int16_t>(x), 288);
    return ok;
}

void levelLesen(Brett& brett, Zeichenflaeche& flaeche, Levelstart& ergebnis) {
    const std::string name = dateiName(brett.levelDatei);
    const auto zeilen = textLesen(brett.levelDatei);
    if (!zeilen)
        throw Lesefehler("Die Leveldatei „" + name +
                         "“ konnte nicht geöffnet werden. Vielleicht wurde sie gelöscht "
                         "oder verschoben.");
    Leser leser(brett, flaeche, *zeilen, name);
    leser.kopfLesen(ergebnis, ergebnis.formatKennung);
    for (const auto& d : durchgaenge)
        leser.durchgehen(d);
    // A figure that starts on a storage place must show on it and leave it as one.
    if (brett.suchen(brett.spielerX, brett.spielerY).art == "stell")
        brett.aufStellplatz = -1;
    figurZeichnen(brett, flaeche);
    if (ergebnis.formatKennung == "e" && !zaunSetzen(brett))
        throw Lesefehler("Die Leveldatei „" + name +
                         "“ enthält zu viele Objekte für das kleine Spielfeld.");
}

} // namespace

Levelstart levelStarten(Brett& brett, const std::string& ordner, const std::string& auswahl,
                        Zeichenflaeche& flaeche, Startart startart) {
    Levelstart ergebnis;
    const bool nichtsZuStarten =
        auswahl.empty() || (startart == Startart::neustart && brett.levelDatei.empty());
    if (!nichtsZuStarten) {
        if (startart == Startart::neu)
            brett.levelDatei = ordner + auswahl;
        ergebnis.gestartet = true;
        brett.geschafft = false;
        brett.brettGesperrt = false;
        flaeche.leeren();
        brettLeeren(brett);
        try {
            levelLesen(brett, flaeche, ergebnis);
            ergebnis.ok = true;
        } catch (const Lesefehler& e) {
            // Nothing half-read may stay in play or on the picture: no figure, no
            // counters that could count as solved, and the board locked until another
            // level starts. The redraw skips a locked board, so the picture is cleared here.
            ergebnis.fehler = e.what();
            flaeche.leeren();
            brettLeeren(brett);
            brett.spielerX = Brett::abseits;
            brett.spielerY = Brett::abseits;
            brett.brettGesperrt = true;
        }
    }
    brett.freieAbseitsStellen();
    return ergebnis;
}
