#include "game/programmordner.h"

#include "game/textdatei.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Pruefsumme = std::uint64_t;
// Each listed name with the checksum of the shipped file its copy was made from; none for
// the names an earlier installation listed by their full paths.
using Liste = std::map<std::string, std::optional<Pruefsumme>, std::less<>>;

constexpr std::size_t summenStellen = 16;

// FNV-1a: enough to tell two versions of a shipped file apart.
Pruefsumme pruefsumme(std::string_view bytes) {
    Pruefsumme wert = 14695981039346656037ULL;
    for (const char c : bytes) {
        wert ^= static_cast<unsigned char>(c);
        wert *= 1099511628211ULL;
    }
    return wert;
}

// A file directly in the folder. Hidden names are our own: the list and the temporary
// files of a write.
bool einfacherName(std::string_view name) {
    return !name.empty() && name.front() != '.' && name.find('/') == std::string_view::npos;
}

bool vorhanden(const std::string& pfad) {
    struct stat info {};
    return ::lstat(pfad.c_str(), &info) == 0 || errno != ENOENT;
}

// Lines of 16 hexadecimal digits, a blank and the name. A damaged line names nothing, so
// a damaged list can only make us leave a file alone.
Liste listeLesen(const std::string& ordner) {
    Liste liste;
    const Textinhalt inhalt = textdateiLesen(ordner + installiertListe);
    Zeilenleser leser(inhalt.bytes);
    while (const auto zeile = leser.naechste()) {
        if (zeile->starts_with(ordner)) {
            if (const auto name = zeile->substr(ordner.size()); einfacherName(name))
                liste.emplace(name, std::nullopt);
            continue;
        }
        Pruefsumme summe = 0;
        const char* ende = zeile->data() + std::min(zeile->size(), summenStellen);
        const auto [stelle, fehler] = std::from_chars(zeile->data(), ende, summe, 16);
        const auto name = zeile->substr(std::min(zeile->size(), summenStellen + 1));
        if (fehler == std::errc() && stelle - zeile->data() == summenStellen &&
            zeile->size() > summenStellen && (*zeile)[summenStellen] == ' ' && einfacherName(name))
            liste.emplace(name, summe);
    }
    return liste;
}

std::string listenText(const std::string& ordner, const Liste& liste) {
    std::string text;
    for (const auto& [name, summe] : liste) {
        if (summe) {
            std::array<char, summenStellen + 1> stellen{};
            std::snprintf(stellen.data(), stellen.size(), "%016llx",
                          static_cast<unsigned long long>(*summe));
            text += std::string(stellen.data()) + ' ' + name + '\n';
        } else {
            text += ordner + name + '\n';
        }
    }
    return text;
}

std::set<std::string> mitgelieferteDateien(const std::string& mitgeliefert) {
    std::set<std::string> namen;
    std::error_code fehler;
    for (std::filesystem::directory_iterator eintrag(mitgeliefert, fehler), ende;
         !fehler && eintrag != ende; eintrag.increment(fehler)) {
        const std::string name = eintrag->path().filename().string();
        if (einfacherName(name) && eintrag->is_regular_file(fehler))
            namen.insert(name);
    }
    return namen;
}

} // namespace

std::vector<std::string> programmordnerEinrichten(const std::string& mitgeliefert,
                                                  const std::string& ordner) {
    std::error_code fehler;
    std::filesystem::create_directories(ordner, fehler);
    if (fehler) {
        const bool dateiImWeg =
            fehler == std::errc::file_exists || fehler == std::errc::not_a_directory;
        return {"Der Programmordner „" + ordner + "“ konnte nicht angelegt werden (" +
                (dateiImWeg ? "an seiner Stelle steht eine Datei" : fehlerGrund(fehler.value())) +
                ")."};
    }

    const Liste bisher = listeLesen(ordner);
    Liste neu;
    std::vector<std::string> meldungen;
    for (const std::string& name : mitgelieferteDateien(mitgeliefert)) {
        const auto alt = bisher.find(name);
        const bool gelistet = alt != bisher.end();
        const Textinhalt quelle = textdateiLesen(mitgeliefert + name);
        if (quelle.fehler != Dateifehler::keiner) {
            meldungen.push_back(
                lesefehlerMeldung("Die mitgelieferte Datei", mitgeliefert + name, quelle));
            if (gelistet)
                neu.insert(*alt);
            continue;
        }
        const Pruefsumme summe = pruefsumme(quelle.bytes);
        if (gelistet && alt->second == summe) {
            neu.insert(*alt);
            continue;
        }
        if (!gelistet && vorhanden(ordner + name))
            continue;
        if (const auto meldung = dateiSchreiben(ordner + name, quelle.bytes)) {
            meldungen.push_back(*meldung);
            if (gelistet)
                neu.insert(*alt);
            continue;
        }
        neu.emplace(name, summe);
    }

    // What is listed and no longer shipped goes, unless the player changed it.
    for (const auto& [name, summe] : bisher) {
        if (neu.contains(name))
            continue;
        const Textinhalt kopie = textdateiLesen(ordner + name);
        const bool unveraendert =
            kopie.fehler == Dateifehler::keiner && (!summe || pruefsumme(kopie.bytes) == *summe);
        if (unveraendert && ::unlink((ordner + name).c_str()) != 0)
            neu.emplace(name, summe);
    }

    if (neu != bisher)
        if (const auto meldung = dateiSchreiben(ordner + installiertListe, listenText(ordner, neu)))
            meldungen.push_back(*meldung);
    return meldungen;
}
