#include "sammlung.h"

#include "leveldatei.h"
#include "pruefung.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string_view>

namespace {

// A report lists this many reasons; a box with thousands of lines would not fit a screen.
constexpr std::size_t gezeigteGruende = 5;
// Bytes of a title in a file name: enough to tell levels apart, far below any limit.
constexpr std::size_t titelLaenge = 60;

bool imDateinamen(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80; // a part of a letter beyond ASCII
}

// The title as a part of a file name: letters and digits stay, every run of other
// characters (a blank, a slash, a dot) becomes one '-'.
std::string titelFuerDatei(std::string_view titel) {
    std::string teil;
    for (const char c : titel) {
        if (imDateinamen(c))
            teil += c;
        else if (!teil.empty() && teil.back() != '-')
            teil += '-';
    }
    if (teil.size() > titelLaenge) {
        std::size_t ende = titelLaenge;
        while (ende > 0 && (static_cast<unsigned char>(teil[ende]) & 0xC0) == 0x80)
            --ende; // not inside a letter
        teil.resize(ende);
    }
    while (teil.ends_with('-'))
        teil.pop_back();
    return teil;
}

std::string dateiNameFuer(const std::string& name, std::size_t nummer, std::size_t anzahl,
                          std::string_view titel) {
    const std::size_t stellen = std::max<std::size_t>(2, std::to_string(anzahl).size());
    std::string ziffern = std::to_string(nummer);
    ziffern.insert(0, stellen - ziffern.size(), '0');
    const std::string titelTeil = titelFuerDatei(titel);
    return name + "-" + ziffern + (titelTeil.empty() ? "" : "-" + titelTeil) + ".lev";
}

// Why the level cannot be written; empty when it can.
std::string hinderungsgrund(const TextUmwandlung& umwandlung) {
    if (!umwandlung.modell)
        return umwandlung.fehler;
    std::string grund;
    for (const auto& p : levelPruefen(*umwandlung.modell))
        if (p.sperrt)
            grund += (grund.empty() ? "" : " ") + p.text;
    return grund;
}

} // namespace

Importbericht sammlungImportieren(const std::vector<TextLevel>& levels, const std::string& ordner,
                                  const std::string& name) {
    Importbericht bericht;
    for (std::size_t i = 0; i < levels.size(); ++i) {
        const std::string datei = dateiNameFuer(name, i + 1, levels.size(), levels[i].titel);
        const auto umwandlung = ausText(levels[i], Brettgroesse::voll);
        std::string grund = hinderungsgrund(umwandlung);
        std::error_code fehler;
        if (grund.empty() && std::filesystem::exists(ordner + datei, fehler))
            grund = "Die Datei „" + datei + "“ gibt es schon.";
        if (grund.empty()) {
            if (const auto meldung = levelSpeichern(*umwandlung.modell, ordner + datei))
                grund = *meldung;
        }
        if (grund.empty())
            bericht.geschrieben.push_back(datei);
        else
            bericht.uebersprungen.push_back("Level " + std::to_string(i + 1) + ": " + grund);
    }
    return bericht;
}

std::string berichtText(const Importbericht& bericht) {
    const auto& uebersprungen = bericht.uebersprungen;
    if (bericht.geschrieben.empty() && uebersprungen.empty())
        return "Keine Level gefunden.";
    std::string text = std::to_string(bericht.geschrieben.size()) + " Level geschrieben";
    if (!bericht.geschrieben.empty())
        text += " (" + bericht.geschrieben.front() +
                (bericht.geschrieben.size() > 1 ? " bis " + bericht.geschrieben.back() : "") + ")";
    text += ", " + std::to_string(uebersprungen.size()) + " übersprungen.";
    const std::size_t gezeigt = std::min(uebersprungen.size(), gezeigteGruende);
    for (std::size_t i = 0; i < gezeigt; ++i)
        text += "\n" + uebersprungen[i];
    if (uebersprungen.size() > gezeigt)
        text += "\n… und " + std::to_string(uebersprungen.size() - gezeigt) + " weitere";
    return text;
}
