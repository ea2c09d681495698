#include "tools/pruefen/pruefer.h"

#include "game/abschluss.h"
#include "game/brett.h"
#include "game/konfiguration.h"
#include "game/lesezeichen.h"
#include "game/levelstart.h"
#include "game/loeser/loeser.h"
#include "game/suchgrenze.h"
#include "game/zahlen.h"
#include "game/zeichenflaeche.h"
#include "game/zug.h"
#include "game/zugverlauf.h"
#include "tools/pruefen/fortschrittszeile.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <memory>
#include <optional>
#include <ostream>

namespace {

constexpr const char* aufruf =
    "Aufruf: lagerix-pruefen [--bild] ORDNER LEVELDATEI [BEFEHLE]\n"
    "        lagerix-pruefen --loesen [--schnell] [--zeit SEKUNDEN] ORDNER LEVELDATEI\n"
    "  ORDNER      Programmordner mit lagerix.cfg, Leveldateien und Lesezeichen\n"
    "  LEVELDATEI  Name der Leveldatei in ORDNER, wie in der Levelliste gewählt;\n"
    "              ein Pfad mit „/“ gilt, wie er dasteht, vom aktuellen Ordner aus\n"
    "  BEFEHLE     l r o u: Pfeiltasten links, rechts, oben, unten; x: eine andere Taste\n"
    "              N: Level neu starten; S1 S2 S3: Lesezeichen setzen;\n"
    "              A1 A2 A3: Lesezeichen abrufen; T: einmal auf gelöstes Level prüfen\n"
    "              z: einen Schritt zurück; y: den Schritt wieder vor\n"
    "              Leerzeichen werden übergangen.\n"
    "  Status      0; 1, wenn lagerix.cfg oder das Level nicht lesbar ist (auch mit\n"
    "              --loesen); 2 bei falschem Aufruf\n"
    "  -h, --help  zeigt diesen Text\n"
    "  --bild      zeigt das Spielfeld zusätzlich als Text\n"
    "  --loesen    sucht die Lösung mit den wenigsten Schritten: gibt „loesung ZÜGE“ und\n"
    "              „schritte N“ aus (Status 0), „unloesbar“ (3) oder „unbekannt GRUND“ (4)\n"
    "  --schnell   mit --loesen: irgendeine Lösung, schnell, ohne Beweis der kürzesten\n"
    "  --zeit      mit --loesen: sucht höchstens SEKUNDEN lang (ohne Angabe 60)\n";

constexpr int statusUnlesbar = 1;
constexpr int statusUnloesbar = 3;
constexpr int statusUnbekannt = 4;
constexpr int standardZeit = 60; // seconds

// A whole number of seconds, at least one; 0 for anything else.
int sekundenLesen(const std::string& text) {
    int sekunden = 0;
    const auto [stelle, fehler] = std::from_chars(text.data(), text.data() + text.size(), sekunden);
    return fehler == std::errc{} && stelle == text.data() + text.size() && sekunden > 0 ? sekunden
                                                                                        : 0;
}

// What helps when a limit ended the search without an answer.
std::string ausweg(Grenze grenze, const Loeseroptionen& optionen) {
    if (grenze == Grenze::zeit)
        return "; mehr Zeit mit --zeit " + std::to_string(laengereZeit(optionen));
    if (grenze == Grenze::speicher && !optionen.schnell)
        return "; eine Lösung ohne Beweis, dass sie die kürzeste ist, sucht --schnell";
    return "";
}

struct Befehl {
    char art = 0;
    int nummer = 0; // bookmark number for S and A
};

std::optional<std::vector<Befehl>> befehleLesen(const std::string& text) {
    std::vector<Befehl> befehle;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ' ')
            continue;
        if (c == 'S' || c == 'A') {
            if (i + 1 >= text.size() || text[i + 1] < '1' || text[i + 1] > '3')
                return std::nullopt;
            befehle.push_back({c, text[++i] - '0'});
        } else if (std::string_view("lrouxNTzy").find(c) != std::string_view::npos) {
            befehle.push_back({c, 0});
        } else {
            return std::nullopt;
        }
    }
    return befehle;
}

// The letters l r o u are the solver's own; any other letter stands for a key that
// is no cursor key.
int tastencode(char c) {
    const int taste = zugTaste(c);
    return taste != 0 ? taste : 65;
}

char zeichenFuer(const std::string& art) {
    if (art == "mauer")
        return '#';
    if (art == "rand")
        return '=';
    if (art == "box")
        return '$';
    if (art == "stell")
        return '.';
    if (art == "gestellt")
        return '*';
    if (art == "tnt")
        return 'T';
    if (art == "tntgestellt")
        return 't';
    return ' ';
}

void bildAusgeben(const Brett& brett, std::ostream& aus) {
    std::array<std::string, Brett::zeilen> bild;
    bild.fill(std::string(Brett::spalten, ' '));
    for (int zeile = 0; zeile < Brett::zeilen; ++zeile) {
        for (int spalte = 0; spalte < Brett::spalten; ++spalte)
            bild[zeile][spalte] =
                zeichenFuer(brett.suchen(spalte * Brett::zelle, zeile * Brett::zelle).art);
    }
    const double spalte = std::nearbyint(brett.spielerX / Brett::zelle);
    const double zeile = std::nearbyint(brett.spielerY / Brett::zelle);
    if (spalte >= 0 && spalte < Brett::spalten && zeile >= 0 && zeile < Brett::zeilen) {
        char& feld = bild[static_cast<int>(zeile)][static_cast<int>(spalte)];
        feld = feld == '.' ? '+' : '@';
    }
    for (const auto& z : bild)
        aus << z << '\n';
}

void zustandAusgeben(const Brett& brett, const std::string& autor, const Einstellungen& e,
                     std::ostream& aus) {
    aus << "autor " << autor << '\n'
        << "spieler " << zahlKurz(brett.spielerX) << ' ' << zahlKurz(brett.spielerY) << '\n'
        << "aufStellplatz " << brett.aufStellplatz << '\n'
        << "schritte " << brett.schritte << '\n'
        << "kistenAbgestellt " << brett.kistenAbgestellt << '\n'
        << "kistenGesamt " << brett.kistenGesamt << '\n'
        << "brettGesperrt " << brett.brettGesperrt << '\n'
        << "geschafft " << brett.geschafft << '\n'
        << "belegt " << brett.belegt << '\n'
        << "animationAn " << e.animationAn << '\n'
        << "soundAn " << e.soundAn << '\n'
        << "grafikset " << e.grafikset << '\n';
    for (int i = 0; i < Brett::feldAnzahl; ++i) {
        const auto& f = brett.felder[i];
        if (!f.art.empty())
            aus << "feld " << i << ' ' << f.x << ' ' << f.y << ' ' << f.partner << ' ' << f.art
                << '\n';
    }
}

class Lauf {
  public:
    // `levelDatei` is the level's whole path; `ordner` holds the configuration and the
    // bookmarks.
    Lauf(std::string ordner, std::string levelDatei)
        : ordner(std::move(ordner)), levelDatei(std::move(levelDatei)) {
        std::string meldung;
        einstellungen = konfigurationLesen(this->ordner + konfigurationsDatei, &meldung);
        if (!meldung.empty())
            fehlerMelden(meldung);
        brett->randAnlegen();
        starten(Startart::neu);
    }

    void ausfuehren(const Befehl& b) {
        // A level that could not be opened left nothing to play, nor to keep in a bookmark.
        if (!levelGelesen)
            return;
        switch (b.art) {
        case 'N':
            starten(Startart::neustart);
            break;
        case 'S':
            if (const auto meldung = lesezeichenSetzen(*brett, ordner + lesezeichenDatei(b.nummer)))
                fehlerMelden(*meldung);
            break;
        case 'A': {
            std::string meldung;
            lesezeichenAbrufen(*brett, ordner + lesezeichenDatei(b.nummer), &meldung);
            if (!meldung.empty())
                fehlerMelden(meldung);
            verlauf.leeren();
            break;
        }
        case 'T':
            abschlussPruefen(*brett);
            break;
        case 'z':
            verlauf.zurueck(*brett, flaeche);
            break;
        case 'y':
            verlauf.vor(*brett, flaeche);
            break;
        default:
            verlauf.ziehen(*brett, tastencode(b.art), flaeche);
        }
    }

    // `fortschritt`: where the progress line goes, when anywhere.
    int loesungAusgeben(bool schnell, int sekunden, std::ostream* fortschritt,
                        std::ostream& aus) const {
        // A level that was not read whole has no answer to search for.
        if (fehlerAusgeben(aus))
            return statusUnlesbar;
        Loeseroptionen optionen;
        optionen.schnell = schnell;
        optionen.zeitGrenze = std::chrono::seconds(sekunden);
        std::optional<Fortschrittszeile> zeile;
        if (fortschritt)
            zeile.emplace(*fortschritt, !schnell);
        const Loesung loesung = loesen(*brett, optionen, zeile ? &*zeile : nullptr);
        if (zeile)
            zeile->loeschen();
        switch (loesung.ergebnis) {
        case Ergebnis::geloest:
            aus << "loesung" << (loesung.zuege.empty() ? "" : " ") << loesung.zuege << '\n'
                << "schritte " << loesung.schritte() << '\n'
                << "zustaende " << loesung.zustaende << '\n';
            return 0;
        case Ergebnis::unloesbar:
            aus << "unloesbar\n";
            return statusUnloesbar;
        case Ergebnis::unbekannt:
            break;
        }
        aus << "unbekannt " << grenzeBenennen(loesung, optionen) << ausweg(loesung.grenze, optionen)
            << '\n';
        return statusUnbekannt;
    }

    int ausgeben(bool mitBild, std::ostream& aus) const {
        if (fehlerAusgeben(aus) && !levelGelesen)
            return statusUnlesbar;
        zustandAusgeben(*brett, autor, einstellungen, aus);
        if (mitBild)
            bildAusgeben(*brett, aus);
        return fehler.empty() ? 0 : statusUnlesbar;
    }

  private:
    // One line for each error; false when there was none.
    bool fehlerAusgeben(std::ostream& aus) const {
        for (const auto& f : fehler)
            aus << "fehler " << f << '\n';
        return !fehler.empty();
    }

    void starten(Startart art) {
        const auto ergebnis = levelStarten(*brett, "", levelDatei, flaeche, art);
        verlauf.leeren();
        // The author is known once the first line was read: a damaged level still shows
        // what became of the board, a missing one has nothing to show.
        levelGelesen = !ergebnis.autor.empty();
        if (ergebnis.gestartet)
            autor = ergebnis.autor;
        if (!ergebnis.fehler.empty())
            fehlerMelden(ergebnis.fehler);
    }

    void fehlerMelden(const std::string& text) { fehler.push_back(text); }

    std::string ordner;
    std::string levelDatei;
    Einstellungen einstellungen;
    std::unique_ptr<Brett> brett = std::make_unique<Brett>();
    OhneBild flaeche;
    Zugverlauf verlauf;
    std::string autor;
    bool levelGelesen = false;
    std::vector<std::string> fehler;
};

// A bare name lies in the program folder, as the level list shows it; a name with a
// folder is taken as written, so a level can be checked where it is being made.
std::string levelPfad(const std::string& ordner, const std::string& level) {
    return level.find('/') == std::string::npos ? ordner + level : level;
}

} // namespace

int pruefen(const std::vector<std::string>& argumente, std::ostream& aus, std::ostream& fehler,
            std::ostream* fortschritt) {
    // Asked for, the usage is the answer: on the output, with success.
    if (std::ranges::any_of(argumente, [](const auto& a) { return a == "--help" || a == "-h"; })) {
        aus << aufruf;
        return 0;
    }
    bool mitBild = false;
    bool loesenAn = false;
    bool schnell = false;
    bool zeitGesetzt = false;
    int sekunden = standardZeit;
    std::vector<std::string> werte;
    for (std::size_t i = 0; i < argumente.size(); ++i) {
        const std::string& a = argumente[i];
        if (a == "--zeit") {
            zeitGesetzt = true;
            sekunden = i + 1 < argumente.size() ? sekundenLesen(argumente[++i]) : 0;
        } else if (a == "--bild")
            mitBild = true;
        else if (a == "--loesen")
            loesenAn = true;
        else if (a == "--schnell")
            schnell = true;
        else
            werte.push_back(a);
    }
    if (werte.size() < 2 || (loesenAn && werte.size() != 2) ||
        ((schnell || zeitGesetzt) && !loesenAn) || sekunden == 0) {
        fehler << aufruf;
        return 2;
    }
    std::string befehlsText;
    for (std::size_t i = 2; i < werte.size(); ++i)
        befehlsText += werte[i];
    const auto befehle = befehleLesen(befehlsText);
    if (!befehle) {
        fehler << "Unbekannter Befehl in „" << befehlsText << "“.\n" << aufruf;
        return 2;
    }
    std::string ordner = werte[0];
    if (ordner.empty() || ordner.back() != '/')
        ordner += '/';

    Lauf lauf(ordner, levelPfad(ordner, werte[1]));
    if (loesenAn)
        return lauf.loesungAusgeben(schnell, sekunden, fortschritt, aus);
    for (const auto& b : *befehle)
        lauf.ausfuehren(b);
    return lauf.ausgeben(mitBild, aus);
}
