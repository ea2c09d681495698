#include "tests/game/testhilfen.h"

#include "game/abschluss.h"
#include "game/brett.h"
#include "game/levelstart.h"
#include "game/zug.h"

#include <gtest/gtest.h>

namespace {

class Levelstart : public Ordnertest {
  protected:
    // The board after a level that failed to load: nothing of the file may stay in play.
    static void erwarteGeleertUndGesperrt(const Brett& brett, const Brett& nachStart) {
        for (int i = 1; i <= 89; ++i)
            EXPECT_EQ(brett.felder[i], nachStart.felder[i]) << "Randeintrag " << i;
        for (int i : {0, 90, 500, 1000})
            EXPECT_EQ(brett.felder[i], (Feldobjekt{-2000, -2000, "", 0})) << "Eintrag " << i;
        for (int i = 90; i < Brett::feldAnzahl; ++i)
            ASSERT_TRUE(brett.felder[i].art.empty()) << "Eintrag " << i;
        EXPECT_EQ(brett.belegt, 89);
        EXPECT_EQ(brett.spielerX, -2000);
        EXPECT_EQ(brett.spielerY, -2000);
        EXPECT_EQ(brett.aufStellplatz, 0);
        EXPECT_EQ(brett.schritte, 0);
        EXPECT_EQ(brett.kistenAbgestellt, 0);
        EXPECT_EQ(brett.kistenGesamt, 0);
        EXPECT_TRUE(brett.brettGesperrt);
        EXPECT_FALSE(brett.geschafft);
    }

    std::unique_ptr<Brett> brett = neuesBrett();
    Aufzeichnung flaeche;
};

TEST_F(Levelstart, liestEinBeispiellevelVollstaendig) {
    levelSchreiben("beispiel.lev", {"fxyz", "50", "25", "mauer", "0", "0", "kiste", "75", "25",
                                    "stell", "100", "25", "gestellt", "125", "25"});
    const auto ergebnis = starten(*brett, "beispiel.lev", flaeche);

    EXPECT_TRUE(ergebnis.gestartet);
    EXPECT_TRUE(ergebnis.ok);
    EXPECT_EQ(ergebnis.fehler, "");
    EXPECT_EQ(ergebnis.autor, "xyz");
    EXPECT_EQ(brett->levelDatei, pfad("beispiel.lev"));
    EXPECT_EQ(brett->spielerX, 48);
    EXPECT_EQ(brett->spielerY, 24);
    EXPECT_EQ(brett->felder[90], (Feldobjekt{120, 24, "gestellt", 0}));
    EXPECT_EQ(brett->felder[91], (Feldobjekt{120, 24, "gestellt", 90}));
    EXPECT_EQ(brett->felder[92], (Feldobjekt{0, 0, "mauer", 0}));
    EXPECT_EQ(brett->felder[93], (Feldobjekt{72, 24, "box", 0}));
    EXPECT_EQ(brett->felder[94], (Feldobjekt{96, 24, "stell", 0}));
    EXPECT_EQ(brett->belegt, 94);
    EXPECT_EQ(brett->kistenGesamt, 2);
    EXPECT_EQ(brett->kistenAbgestellt, 1);
    EXPECT_EQ(brett->schritte, 0);
    EXPECT_EQ(brett->aufStellplatz, 0);
    EXPECT_FALSE(brett->brettGesperrt);
    EXPECT_FALSE(brett->geschafft);
    // Free entries, index 0 included, are parked where no lookup can find them.
    for (int i : {0, 95, 1000})
        EXPECT_EQ(brett->felder[i], (Feldobjekt{-2000, -2000, "", 0}));
    // The picture is cleared first, then every tile is drawn as it is read.
    EXPECT_EQ(flaeche.leerungen, 1);
    EXPECT_EQ(flaeche.bilderBeimLeeren, 0u);
    EXPECT_EQ(flaeche.bilder, (std::vector<Zeichnung>{{"box2", 120, 24},
                                                      {"mauer", 0, 0},
                                                      {"box", 72, 24},
                                                      {"stell", 96, 24},
                                                      {"smile", 48, 24}}));
}

TEST_F(Levelstart, ersteZeileGibtFormatUndAutor) {
    struct Fall {
        std::string kopf; // bytes of line 1, Windows-1252
        std::string autor;
        bool kleinesFeld;
    };
    const std::vector<Fall> faelle{
        {"e", "unbekannt", true},
        {"f", "unbekannt", false},
        {"", "unbekannt", false},
        {"eAnna", "Anna", true},
        {"Eabc", "abc", false},
        {" e", "e", false},
        {"fJ\xFCrgen Gro\xDF", "Jürgen Groß", false},
        // A format character outside ASCII is still one character.
        {"\xE4Rolf", "Rolf", false},
        {"\xDF", "unbekannt", false},
        // The box pass never looks at line 1, so this header adds no box.
        {"kiste", "iste", false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.kopf);
        levelSchreiben("kopf.lev", {f.kopf, "0", "0"});
        const auto ergebnis = starten(*brett, "kopf.lev", flaeche);
        ASSERT_TRUE(ergebnis.ok) << ergebnis.fehler;
        EXPECT_EQ(ergebnis.autor, f.autor);
        EXPECT_EQ(brett->belegt, f.kleinesFeld ? 89 + 25 : 89);
        EXPECT_EQ(brett->kistenGesamt, 0);
    }
}

TEST_F(Levelstart, rechnetEinheitenInPixelUm) {
    struct Fall {
        std::string einheiten;
        std::int16_t eintrag; // rounded, halves to even
        double figur;         // kept unrounded
    };
    const std::vector<Fall> faelle{
        {"30", 29, 28.8},          {"25", 24, 24},        {"550", 528, 528},
        {"12.5", 12, 12},          {"1.5625", 2, 1.5},    {"4.6875", 4, 4.5},
        {"7.8125", 8, 7.5},        {"10.9375", 10, 10.5}, {"-4.6875", -4, -4.5},
        {" 50 Einheiten", 48, 48}, {"abc", 0, 0},         {"-25", -24, -24},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.einheiten);
        levelSchreiben("raster.lev",
                       {"f", f.einheiten, f.einheiten, "mauer", f.einheiten, f.einheiten});
        flaeche.bilder.clear();
        ASSERT_TRUE(starten(*brett, "raster.lev", flaeche).ok);
        EXPECT_EQ(brett->felder[90].x, f.eintrag);
        EXPECT_EQ(brett->felder[90].y, f.eintrag);
        EXPECT_DOUBLE_EQ(brett->spielerX, f.figur);
        EXPECT_DOUBLE_EQ(brett->spielerY, f.figur);
        // The figure is drawn at its position rounded the same way.
        ASSERT_FALSE(flaeche.bilder.empty());
        EXPECT_EQ(flaeche.bilder.back(), (Zeichnung{"smile", f.eintrag, f.eintrag}));
    }
}

TEST_F(Levelstart, zeichnetInDerReihenfolgeDerDurchgaengeUndDieFigurZuletzt) {
    // The file lists the kinds in the opposite order of the passes; two pairs show
    // that every second half finds the first half of its own line.
    levelSchreiben("alle.lev",
                   {"fA",       "0",   "0", "stell",       "200", "0", "kiste",    "175", "0",
                    "mauer",    "150", "0", "tnt",         "125", "0", "rand",     "100", "0",
                    "gestellt", "75",  "0", "tntgestellt", "50",  "0", "gestellt", "25",  "0"});
    ASSERT_TRUE(starten(*brett, "alle.lev", flaeche).ok);
    const std::vector<Feldobjekt> erwartet{
        {72, 0, "gestellt", 0},  {24, 0, "gestellt", 0},    {72, 0, "gestellt", 90},
        {24, 0, "gestellt", 91}, {48, 0, "tntgestellt", 0}, {48, 0, "tntgestellt", 94},
        {96, 0, "rand", 0},      {120, 0, "tnt", 0},        {144, 0, "mauer", 0},
        {168, 0, "box", 0},      {192, 0, "stell", 0},
    };
    for (std::size_t k = 0; k < erwartet.size(); ++k)
        EXPECT_EQ(brett->felder[90 + k], erwartet[k]) << "Eintrag " << 90 + k;
    EXPECT_EQ(brett->kistenGesamt, 3);
    EXPECT_EQ(brett->kistenAbgestellt, 2);
    EXPECT_EQ(flaeche.bilder, (std::vector<Zeichnung>{{"box2", 72, 0},
                                                      {"box2", 24, 0},
                                                      {"tntstell", 48, 0},
                                                      {"rand", 96, 0},
                                                      {"tnt", 120, 0},
                                                      {"mauer", 144, 0},
                                                      {"box", 168, 0},
                                                      {"stell", 192, 0},
                                                      {"smile", 0, 0}}));
}

TEST_F(Levelstart, kleinesFeldBekommtEinenZaunDerErstBeimNeuzeichnenErscheint) {
    levelSchreiben("klein.lev", {"eKlein", "25", "25", "mauer", "50", "50"});
    ASSERT_TRUE(starten(*brett, "klein.lev", flaeche).ok);
    EXPECT_EQ(brett->belegt, 90 + 25);
    EXPECT_EQ(brett->felder[90], (Feldobjekt{48, 48, "mauer", 0}));
    for (int k = 0; k < 13; ++k)
        EXPECT_EQ(brett->felder[91 + k],
                  (Feldobjekt{288, static_cast<std::int16_t>(24 * k), "rand", 0}));
    for (int k = 0; k < 12; ++k)
        EXPECT_EQ(brett->felder[104 + k],
                  (Feldobjekt{static_cast<std::int16_t>(24 * k), 288, "rand", 0}));
    EXPECT_EQ(flaeche.bilder, (std::vector<Zeichnung>{{"mauer", 48, 48}, {"smile", 24, 24}}));
}

TEST_F(Levelstart, figurAufEinemStellplatzStehtDortAuchNachDemNeustart) {
    levelSchreiben("stell.lev", levelAusBild({"  $+"}));
    ASSERT_TRUE(starten(*brett, "stell.lev", flaeche).ok);
    EXPECT_EQ(brett->aufStellplatz, -1);
    EXPECT_EQ(flaeche.bilder.back(), (Zeichnung{"smilestell", 72, 0}));

    ASSERT_TRUE(tasteVerarbeiten(*brett, tasteLinks, flaeche).geschritten); // pushes the box
    EXPECT_EQ(flaeche.bilder[flaeche.bilder.size() - 3], (Zeichnung{"stell", 72, 0}));
    EXPECT_EQ(brett->aufStellplatz, 0);

    flaeche.bilder.clear();
    ASSERT_TRUE(levelStarten(*brett, ordnerText(), "stell.lev", flaeche, Startart::neustart).ok);
    EXPECT_EQ(brett->aufStellplatz, -1);
    EXPECT_EQ(flaeche.bilder.back(), (Zeichnung{"smilestell", 72, 0}));
}

TEST_F(Levelstart, neustartGleichtEinemFrischenStartDerZuletztGestartetenDatei) {
    levelSchreiben("a.lev", levelAusBild({"=@$.*T#  ", "  t===   "}, "eErster"));
    levelSchreiben("b.lev", levelAusBild({"@#"}, "fZweiter"));
    const auto frischErgebnis = starten(*brett, "a.lev", flaeche);
    ASSERT_TRUE(frischErgebnis.ok);
    const auto frisch = std::make_unique<Brett>(*brett);
    const auto frischGezeichnet = flaeche.bilder;

    // Play, solve, then restart while the list already selects the next level.
    for (int taste : {tasteRechts, tasteRechts, tasteUnten})
        tasteVerarbeiten(*brett, taste, flaeche);
    brett->kistenAbgestellt = brett->kistenGesamt;
    ASSERT_TRUE(abschlussPruefen(*brett));
    flaeche.bilder.clear();
    const auto neu = levelStarten(*brett, ordnerText(), "b.lev", flaeche, Startart::neustart);

    EXPECT_TRUE(neu.ok);
    EXPECT_EQ(neu.autor, frischErgebnis.autor);
    EXPECT_TRUE(gleichesBrett(*brett, *frisch));
    EXPECT_EQ(brett->felder[94].art, "rand"); // the file's border lines are read again
    EXPECT_EQ(flaeche.bilder, frischGezeichnet);
}

TEST_F(Levelstart, jederLesefehlerMeldetDateiUndZeileUndLaesstEinGesperrtesLeeresBrett) {
    struct Fall {
        std::string name;
        std::optional<std::vector<std::string>> zeilen; // none: the file does not exist
        std::string meldungTeil;
    };
    const std::vector<std::string> kopf{"fA", "25", "25"};
    const auto mit = [&](std::vector<std::string> rest) {
        auto z = kopf;
        z.insert(z.end(), rest.begin(), rest.end());
        return std::optional(z);
    };
    const std::vector<Fall> faelle{
        {"fehlt.lev", std::nullopt, "konnte nicht geöffnet werden"},
        {"leer.lev", std::vector<std::string>{}, "Zeile 1 fehlt"},
        {"eine.lev", std::vector<std::string>{"fA"}, "Zeile 2 fehlt"},
        {"zwei.lev", std::vector<std::string>{"fA", "25"}, "Zeile 3 fehlt"},
        {"wortzuletzt.lev", mit({"mauer", "0", "0", "kiste"}), "„kiste“ in Zeile 7"},
        {"wortvorletzt.lev", mit({"stell", "0"}), "„stell“ in Zeile 4"},
        {"eintragx.lev", mit({"mauer", "34133", "0"}), "„34133“ in Zeile 5"},
        {"eintragy.lev", mit({"kiste", "0", "-34135"}), "„-34135“ in Zeile 6"},
        {"riesig.lev", mit({"tnt", "1" + std::string(400, '0'), "0"}), "in Zeile 5"},
        {"figurx.lev", std::vector<std::string>{"fA", "40000", "0"}, "„40000“ in Zeile 2"},
        {"figury.lev", std::vector<std::string>{"fA", "0", "-34135"}, "„-34135“ in Zeile 3"},
        {"figurknapp.lev", std::vector<std::string>{"fA", "34133", "0"}, "in Zeile 2"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        // Start from a board in play, so that clearing shows.
        levelSchreiben("gut.lev", levelAusBild({"@$.", " *T"}));
        const auto nachStart = std::make_unique<Brett>(*brett);
        ASSERT_TRUE(starten(*brett, "gut.lev", flaeche).ok);
        tasteVerarbeiten(*brett, tasteRechts, flaeche);
        if (f.zeilen)
            levelSchreiben(f.name, *f.zeilen);

        const auto ergebnis = starten(*brett, f.name, flaeche);
        EXPECT_TRUE(ergebnis.gestartet);
        EXPECT_FALSE(ergebnis.ok);
        EXPECT_NE(ergebnis.fehler.find("Die Leveldatei „" + f.name + "“"), std::string::npos)
            << ergebnis.fehler;
        EXPECT_NE(ergebnis.fehler.find(f.meldungTeil), std::string::npos) << ergebnis.fehler;
        EXPECT_EQ(brett->levelDatei, pfad(f.name));
        erwarteGeleertUndGesperrt(*brett, *nachStart);
        EXPECT_EQ(flaeche.bilderBeimLeeren, flaeche.bilder.size()) << "Bild nicht geleert";
        EXPECT_FALSE(tasteVerarbeiten(*brett, tasteRechts, flaeche).geschritten);
        EXPECT_FALSE(abschlussPruefen(*brett));
    }
}

TEST_F(Levelstart, koordinatenAnDerGrenzeVon16BitSindErlaubt) {
    levelSchreiben("grenze.lev", {"fA", "34132", "-34133", "mauer", "34132.3", "-34133.8"});
    ASSERT_TRUE(starten(*brett, "grenze.lev", flaeche).ok);
    EXPECT_EQ(brett->felder[90].x, 32767);
    EXPECT_EQ(brett->felder[90].y, -32768);
}

TEST_F(Levelstart, hoechstens911EintraegePassenInDieTabelle) {
    struct Fall {
        std::string name;
        char format;
        int mauern;
        int gestellt;
        std::string meldungTeil; // empty when the level fits
    };
    const std::vector<Fall> faelle{
        {"911.lev", 'f', 911, 0, ""},
        {"912.lev", 'f', 912, 0, "Ab Zeile 2737 passen die Objekte nicht mehr"},
        {"886klein.lev", 'e', 886, 0, ""},
        {"887klein.lev", 'e', 887, 0, "zu viele Objekte für das kleine Spielfeld"},
        {"paare.lev", 'f', 1, 455, ""},
        {"zuvielepaare.lev", 'f', 0, 456, "Ab Zeile 1369 passen die Objekte nicht mehr"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        std::vector<std::string> zeilen{std::string(1, f.format) + "Viel", "0", "0"};
        for (int k = 0; k < f.gestellt + f.mauern; ++k)
            zeilen.insert(zeilen.end(), {k < f.gestellt ? "gestellt" : "mauer", einheiten(k % 23),
                                         einheiten(k / 23)});
        levelSchreiben(f.name, zeilen);
        const auto nachStart = std::make_unique<Brett>(*brett);
        const auto ergebnis = starten(*brett, f.name, flaeche);
        if (f.meldungTeil.empty()) {
            EXPECT_TRUE(ergebnis.ok) << ergebnis.fehler;
            EXPECT_EQ(brett->belegt, 1000);
            EXPECT_EQ(brett->kistenGesamt, f.gestellt);
            EXPECT_FALSE(brett->felder[1000].art.empty());
        } else {
            EXPECT_FALSE(ergebnis.ok);
            EXPECT_NE(ergebnis.fehler.find("„" + f.name + "“"), std::string::npos);
            EXPECT_NE(ergebnis.fehler.find(f.meldungTeil), std::string::npos) << ergebnis.fehler;
            erwarteGeleertUndGesperrt(*brett, *nachStart);
            EXPECT_EQ(flaeche.bilderBeimLeeren, flaeche.bilder.size());
        }
        brett = neuesBrett();
    }
}

TEST_F(Levelstart, ohneAuswahlWerdenNurFreieEintraegeGeparkt) {
    // Right after start-up free entries still sit at (0, 0).
    const auto vorher = std::make_unique<Brett>(*brett);
    for (auto art : {Startart::neu, Startart::neustart}) {
        const auto ergebnis = levelStarten(*brett, ordnerText(), "", flaeche, art);
        EXPECT_FALSE(ergebnis.gestartet);
        EXPECT_TRUE(flaeche.bilder.empty());
        EXPECT_EQ(flaeche.leerungen, 0);
        auto erwartet = std::make_unique<Brett>(*vorher);
        erwartet->felder[0].x = erwartet->felder[0].y = -2000;
        for (int i = 90; i < Brett::feldAnzahl; ++i)
            erwartet->felder[i].x = erwartet->felder[i].y = -2000;
        EXPECT_TRUE(gleichesBrett(*brett, *erwartet));
    }

    // During play nothing changes at all.
    levelSchreiben("a.lev", levelAusBild({"@$ ."}));
    ASSERT_TRUE(starten(*brett, "a.lev", flaeche).ok);
    tasteVerarbeiten(*brett, tasteRechts, flaeche);
    const auto imSpiel = std::make_unique<Brett>(*brett);
    flaeche.bilder.clear();
    for (auto art : {Startart::neu, Startart::neustart}) {
        EXPECT_FALSE(levelStarten(*brett, ordnerText(), "", flaeche, art).gestartet);
        EXPECT_TRUE(gleichesBrett(*brett, *imSpiel));
        EXPECT_TRUE(flaeche.bilder.empty());
    }
}

} // namespace
