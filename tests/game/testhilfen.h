#pragma once

// Shared by the core tests, and their one include of GoogleTest, the board, the move rule
// and the level start: a drawing surface that records, a temporary program folder per
// test, and level files written from a picture of the board.

#include "game/brett.h"
#include "game/levelbild.h"
#include "game/levelstart.h"
#include "game/zeichenflaeche.h"
#include "game/zug.h"
#include "tests/schreibgrenze.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

struct Zeichnung {
    std::string bild;
    int x = 0;
    int y = 0;
    bool operator==(const Zeichnung&) const = default;
};

inline std::ostream& operator<<(std::ostream& aus, const Zeichnung& z) {
    return aus << z.bild << '@' << z.x << ',' << z.y;
}

inline std::ostream& operator<<(std::ostream& aus, const Sprengung& s) {
    return aus << "explosion@" << s.x << ',' << s.y;
}

class Aufzeichnung : public Zeichenflaeche {
  public:
    void copypic(const std::string& bild, int positionx, int positiony) override {
        bilder.push_back({bild, positionx, positiony});
    }
    void leeren() override {
        ++leerungen;
        bilderBeimLeeren = bilder.size();
    }

    // The tiles drawn, "tile x" in order; "tile x,y" off the top row.
    std::string gezeichnet() const {
        std::string text;
        for (const auto& z : bilder) {
            text += (text.empty() ? "" : ", ") + z.bild + ' ' + std::to_string(z.x);
            if (z.y != 0)
                text += ',' + std::to_string(z.y);
        }
        return text;
    }

    std::vector<Zeichnung> bilder;
    int leerungen = 0;
    std::size_t bilderBeimLeeren = 0; // tiles drawn before the last clear of the picture
};

inline std::ostream& operator<<(std::ostream& aus, const Feldobjekt& f) {
    return aus << '{' << f.x << ',' << f.y << ',' << '"' << f.art << "\"," << f.partner << '}';
}

// The entries of `nachher` that differ from `vorher`, as "index: x y kind partner".
inline std::string geaendert(const Brett& vorher, const Brett& nachher) {
    std::string text;
    for (int i = 0; i < Brett::feldAnzahl; ++i) {
        const Feldobjekt& f = nachher.felder[i];
        if (!(f == vorher.felder[i])) {
            text += (text.empty() ? "" : ", ") + std::to_string(i) + ": " + std::to_string(f.x) +
                    ' ' + std::to_string(f.y) + ' ' + f.art + ' ' + std::to_string(f.partner);
        }
    }
    return text;
}

// The board as the main window has it after start-up: border laid, nothing else.
inline std::unique_ptr<Brett> neuesBrett() {
    auto brett = std::make_unique<Brett>();
    brett->randAnlegen();
    return brett;
}

// The words of `text`, split at blanks.
inline std::vector<std::string> woerter(const std::string& text) {
    std::istringstream strom(text);
    return {std::istream_iterator<std::string>(strom), std::istream_iterator<std::string>()};
}

// Raw bytes of a file with CR LF line ends, as the editor writes them.
inline std::string crlf(const std::vector<std::string>& zeilen) {
    std::string text;
    for (const auto& z : zeilen)
        text += z + "\r\n";
    return text;
}

// A fresh program folder per test, removed afterwards.
class Ordnertest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string vorlage = (std::filesystem::temp_directory_path() / "lagerix-XXXXXX").string();
        ASSERT_NE(::mkdtemp(vorlage.data()), nullptr);
        ordner = vorlage;
    }
    void TearDown() override { std::filesystem::remove_all(ordner); }

    // The program folder as the core takes it: ending in a separator.
    std::string ordnerText() const { return ordner.string() + "/"; }
    std::string pfad(const std::string& name) const { return (ordner / name).string(); }

    void schreiben(const std::string& name, const std::string& bytes) const {
        std::ofstream(ordner / name, std::ios::binary) << bytes;
    }
    void levelSchreiben(const std::string& name, const std::vector<std::string>& zeilen) const {
        schreiben(name, crlf(zeilen));
    }
    std::string lesen(const std::string& name) const {
        std::ifstream datei(ordner / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(datei), std::istreambuf_iterator<char>()};
    }
    std::vector<std::string> dateienImOrdner() const {
        std::vector<std::string> namen;
        for (const auto& e : std::filesystem::directory_iterator(ordner))
            namen.push_back(e.path().filename().string());
        std::sort(namen.begin(), namen.end());
        return namen;
    }

    // Starts `name` as a fresh level on the board; the drawing goes to `flaeche`.
    Levelstart starten(Brett& brett, const std::string& name, Zeichenflaeche& flaeche) const {
        return levelStarten(brett, ordnerText(), name, flaeche, Startart::neu);
    }

    std::filesystem::path ordner;
};

// Every value of the board, entry by entry; names the first difference.
inline ::testing::AssertionResult gleichesBrett(const Brett& ist, const Brett& soll) {
    for (int i = 0; i < Brett::feldAnzahl; ++i) {
        if (!(ist.felder[i] == soll.felder[i]))
            return ::testing::AssertionFailure() << "Eintrag " << i << " ist " << ist.felder[i]
                                                 << ", erwartet " << soll.felder[i];
    }
    const auto wert = [](const Brett& b) {
        return std::tuple(b.spielerX, b.spielerY, b.aufStellplatz, b.schritte, b.kistenAbgestellt,
                          b.kistenGesamt, b.belegt, b.randAnzahl, b.brettGesperrt, b.geschafft,
                          b.levelDatei);
    };
    if (wert(ist) != wert(soll))
        return ::testing::AssertionFailure() << "Figur, Zähler oder Schalter weichen ab";
    return ::testing::AssertionSuccess();
}

// A level drawn as a picture (see levelAusBild), started on a fresh board and played with
// `tasten`, each of them a step.
class Bildtest : public Ordnertest {
  protected:
    void bildStarten(const std::vector<std::string>& bild, const std::vector<int>& tasten = {},
                     const std::string& kopf = "fTester") {
        brett = neuesBrett();
        levelSchreiben("bild.lev", levelAusBild(bild, kopf));
        ASSERT_TRUE(starten(*brett, "bild.lev", flaeche).ok);
        for (int taste : tasten)
            ASSERT_TRUE(tasteVerarbeiten(*brett, taste, flaeche).geschritten) << taste;
    }

    std::unique_ptr<Brett> brett = neuesBrett();
    Aufzeichnung flaeche;
};
