#include "sammlung.h"

#include "leveldatei.h"
#include "pruefung.h"

#include <filesystem>

namespace {

std::string dateiNameFuer(const std::string& name, std::size_t nummer) {
    const std::string ziffern = std::to_string(nummer);
    return name + (ziffern.size() < 2 ? "-0" : "-") + ziffern + ".lev";
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
        const std::string datei = dateiNameFuer(name, i + 1);
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
    std::string text = std::to_string(bericht.geschrieben.size()) + " Level geschrieben";
    if (!bericht.geschrieben.empty())
        text += " (" + bericht.geschrieben.front() +
                (bericht.geschrieben.size() > 1 ? " bis " + bericht.geschrieben.back() : "") + ")";
    text += ", " + std::to_string(bericht.uebersprungen.size()) + " übersprungen.";
    for (const auto& u : bericht.uebersprungen)
        text += "\n" + u;
    return text;
}
