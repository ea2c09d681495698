#include "tests/game/testhilfen.h"

#include "game/abschluss.h"

namespace {

// The board of start-up with index 0 and every entry after the border parked, as a start
// parks them when they are free.
std::unique_ptr<Brett> geparkt() {
    const Feldobjekt frei{Brett::abseits, Brett::abseits, "", 0};
    auto brett = neuesBrett();
    brett->felder[0] = frei;
    std::fill(brett->felder.begin() + 90, brett->felder.end(), frei);
    return brett;
}

// A level of boxes on storage places first, then walls, cell after cell.
std::vector<std::string> vieleObjekte(char format, int gestellt, int mauern) {
    std::vector<std::string> zeilen{std::string(1, format) + "Viel", "0", "0"};
    for (int k = 0; k < gestellt + mauern; ++k)
        zeilen.insert(zeilen.end(),
                      {k < gestellt ? "gestellt" : "mauer", einheiten(k % 23), einheiten(k / 23)});
    return zeilen;
}

using Levelstart = Bildtest;

TEST_F(Levelstart, liestDieArtenInFesterReihenfolgeUndZeichnetDieFigurZuletzt) {
    // The file lists the kinds in the opposite order of the passes; two pairs show
    // that every second half finds the first half of its own line.
    levelSchreiben("alle.lev",
                   {"fxyz",     "50",  "25", "stell",       "200", "0", "kiste",    "175", "0",
                    "mauer",    "150", "0",  "tnt",         "125", "0", "rand",     "100", "0",
                    "gestellt", "75",  "0",  "tntgestellt", "50",  "0", "gestellt", "25",  "0"});
    const auto ergebnis = starten(*brett, "alle.lev", flaeche);
    EXPECT_TRUE(ergebnis.gestartet);
    EXPECT_TRUE(ergebnis.ok);
    EXPECT_EQ(std::pair(brett->spielerX, brett->spielerY), std::pair(48.0, 24.0));
    // Free entries, index 0 included, are parked where no lookup can find them.
    EXPECT_EQ(geaendert(*geparkt(), *brett),
              "90: 72 0 gestellt 0, 91: 24 0 gestellt 0, 92: 72 0 gestellt 90, "
              "93: 24 0 gestellt 91, 94: 48 0 tntgestellt 0, 95: 48 0 tntgestellt 94, "
              "96: 96 0 rand 0, 97: 120 0 tnt 0, 98: 144 0 mauer 0, 99: 168 0 box 0, "
              "100: 192 0 stell 0");
    EXPECT_EQ(brett->belegt, 100);
    EXPECT_EQ(brett->kistenGesamt, 3);
    EXPECT_EQ(brett->kistenAbgestellt, 2);
    // The picture is cleared first, then every tile is drawn as it is read.
    EXPECT_EQ(flaeche.leerungen, 1);
    EXPECT_EQ(flaeche.bilderBeimLeeren, 0u);
    EXPECT_EQ(flaeche.gezeichnet(), "box2 72, box2 24, tntstell 48, rand 96, tnt 120, mauer 144, "
                                    "box 168, stell 192, smile 48,24");
}

TEST_F(Levelstart, ersteZeileGibtFormatUndAutor) {
    const struct {
        std::string kopf; // bytes of line 1, Windows-1252
        std::string autor;
        bool kleinesFeld;
    } faelle[] = {
        {"e", "unbekannt", true},
        {"Eabc", "abc", false},
        {"fJ\xFCrgen Gro\xDF", "Jürgen Groß", false},
        // A format character outside ASCII is still one character.
        {"\xE4Rolf", "Rolf", false},
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
    }
}

// 25 file units are one cell of 24 pixels; entries are rounded, halves to even, the
// figure keeps its fraction but is drawn rounded.
TEST_F(Levelstart, rechnetEinheitenInPixelUm) {
    const struct {
        std::string einheiten;
        std::int16_t eintrag;
        double figur;
    } faelle[] = {
        {"30", 29, 28.8},
        {"4.6875", 4, 4.5},
        {"34132", 32767, 32766.72},
        {"-34133", -32768, -32767.68},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.einheiten);
        levelSchreiben("raster.lev",
                       {"f", f.einheiten, f.einheiten, "mauer", f.einheiten, f.einheiten});
        flaeche.bilder.clear();
        ASSERT_TRUE(starten(*brett, "raster.lev", flaeche).ok);
        EXPECT_EQ(brett->felder[90], (Feldobjekt{f.eintrag, f.eintrag, "mauer", 0}));
        EXPECT_DOUBLE_EQ(brett->spielerX, f.figur);
        EXPECT_DOUBLE_EQ(brett->spielerY, f.figur);
        EXPECT_EQ(flaeche.bilder, (std::vector<Zeichnung>{{"mauer", f.eintrag, f.eintrag},
                                                          {"smile", f.eintrag, f.eintrag}}));
    }
}

TEST_F(Levelstart, kleinesFeldBekommtEinenZaunDerErstBeimNeuzeichnenErscheint) {
    levelSchreiben("klein.lev", {"eKlein", "25", "25", "mauer", "50", "50"});
    ASSERT_TRUE(starten(*brett, "klein.lev", flaeche).ok);
    EXPECT_EQ(brett->felder[90], (Feldobjekt{48, 48, "mauer", 0}));
    for (std::int16_t k = 0; k < 13; ++k) {
        EXPECT_EQ(brett->felder[91 + k], (Feldobjekt{288, std::int16_t(24 * k), "rand", 0}));
        if (k < 12) {
            EXPECT_EQ(brett->felder[104 + k], (Feldobjekt{std::int16_t(24 * k), 288, "rand", 0}));
        }
    }
    EXPECT_EQ(flaeche.bilder, (std::vector<Zeichnung>{{"mauer", 48, 48}, {"smile", 24, 24}}));
}

TEST_F(Levelstart, neustartGleichtEinemFrischenStartDerZuletztGestartetenDatei) {
    levelSchreiben("a.lev", levelAusBild({"=+$.*T#  ", "  t===   "}, "eErster"));
    levelSchreiben("b.lev", levelAusBild({"@#"}, "fZweiter"));
    const auto frischErgebnis = starten(*brett, "a.lev", flaeche);
    ASSERT_TRUE(frischErgebnis.ok);
    // The figure starts on a storage place and is drawn so.
    ASSERT_FALSE(flaeche.bilder.empty());
    EXPECT_EQ(flaeche.bilder.back(), (Zeichnung{"smilestell", 24, 0}));
    const auto frisch = std::make_unique<Brett>(*brett);
    const auto frischGezeichnet = flaeche.bilder;

    // Play off the storage place, solve, then restart while the list already selects the
    // next level.
    for (int taste : {tasteRechts, tasteUnten, tasteLinks})
        ASSERT_TRUE(tasteVerarbeiten(*brett, taste, flaeche).geschritten);
    ASSERT_EQ(brett->aufStellplatz, 0);
    brett->kistenAbgestellt = brett->kistenGesamt;
    ASSERT_TRUE(abschlussPruefen(*brett));
    flaeche.bilder.clear();
    const auto neu = levelStarten(*brett, ordnerText(), "b.lev", flaeche, Startart::neustart);
    EXPECT_TRUE(neu.ok);
    EXPECT_EQ(neu.autor, frischErgebnis.autor);
    EXPECT_TRUE(gleichesBrett(*brett, *frisch));
    EXPECT_EQ(flaeche.bilder, frischGezeichnet);
}

TEST_F(Levelstart, jederLesefehlerMeldetDateiUndZeileUndLaesstEinGesperrtesLeeresBrett) {
    struct Fall {
        std::string name;
        std::optional<std::vector<std::string>> zeilen; // none: the file does not exist
        std::string meldungTeil;
    };
    const auto mit = [](std::vector<std::string> rest) {
        rest.insert(rest.begin(), {"fA", "25", "25"});
        return std::optional(rest);
    };
    std::filesystem::create_directory(ordner / "ordner.lev");
    const std::vector<Fall> faelle{
        {"fehlt.lev", std::nullopt, "konnte nicht geöffnet werden"},
        {"ordner.lev", std::nullopt, "konnte nicht gelesen werden (an ihrer Stelle steht ein"},
        {"leer.lev", std::vector<std::string>{}, "Zeile 1 fehlt"},
        {"zwei.lev", std::vector<std::string>{"fA", "25"}, "Zeile 3 fehlt"},
        // The box pass starts at line 2 and still counts the lines from the top.
        {"wortvorletzt.lev", mit({"kiste", "0"}), "„kiste“ in Zeile 4"},
        {"eintragx.lev", mit({"mauer", "34133", "0"}), "„34133“ in Zeile 5"},
        {"eintragy.lev", mit({"kiste", "0", "-34135"}), "„-34135“ in Zeile 6"},
        {"figury.lev", std::vector<std::string>{"fA", "0", "-34135"}, "„-34135“ in Zeile 3"},
        {"figurknapp.lev", std::vector<std::string>{"fA", "34133", "0"}, "„34133“ in Zeile 2"},
        // 911 entries fit the table beside the border, 886 beside a small board's fence.
        {"912.lev", vieleObjekte('f', 0, 912), "Ab Zeile 2737 passen die Objekte nicht mehr"},
        {"456paare.lev", vieleObjekte('f', 456, 0), "Ab Zeile 1369 passen die Objekte nicht mehr"},
        {"887klein.lev", vieleObjekte('e', 0, 887), "zu viele Objekte für das kleine Spielfeld"},
    };
    // Each starts from a board in play, so that clearing shows.
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        bildStarten({"@$.", " *T"}, {tasteRechts});
        if (f.zeilen)
            levelSchreiben(f.name, *f.zeilen);

        const auto ergebnis = starten(*brett, f.name, flaeche);
        EXPECT_TRUE(ergebnis.gestartet);
        EXPECT_FALSE(ergebnis.ok);
        EXPECT_NE(ergebnis.fehler.find("Die Leveldatei „" + f.name + "“"), std::string::npos)
            << ergebnis.fehler;
        EXPECT_NE(ergebnis.fehler.find(f.meldungTeil), std::string::npos) << ergebnis.fehler;
        // The border of start-up and nothing of the file, free entries parked, locked.
        auto geleert = geparkt();
        geleert->brettGesperrt = true;
        geleert->levelDatei = pfad(f.name);
        EXPECT_TRUE(gleichesBrett(*brett, *geleert));
        EXPECT_EQ(flaeche.bilderBeimLeeren, flaeche.bilder.size()) << "Bild nicht geleert";
    }
}

TEST_F(Levelstart, einVollesLevelFuelltDieTabelleBisZumLetztenEintrag) {
    const struct {
        char format;
        int mauern;
        int gestellt;
    } faelle[] = {{'f', 911, 0}, {'e', 886, 0}, {'f', 1, 455}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.mauern);
        levelSchreiben("voll.lev", vieleObjekte(f.format, f.gestellt, f.mauern));
        const auto ergebnis = starten(*brett, "voll.lev", flaeche);
        EXPECT_TRUE(ergebnis.ok) << ergebnis.fehler;
        EXPECT_EQ(brett->belegt, 1000);
        EXPECT_EQ(brett->kistenGesamt, f.gestellt);
        EXPECT_FALSE(brett->felder[1000].art.empty());
    }
}

TEST_F(Levelstart, ohneAuswahlWerdenNurFreieEintraegeGeparkt) {
    // Nothing is started, cleared or drawn; only free entries are parked.
    const auto ohneAuswahl = [&](const Brett& erwartet) {
        const int leerungen = flaeche.leerungen;
        flaeche.bilder.clear();
        for (auto art : {Startart::neu, Startart::neustart}) {
            EXPECT_FALSE(levelStarten(*brett, ordnerText(), "", flaeche, art).gestartet);
            EXPECT_TRUE(gleichesBrett(*brett, erwartet));
        }
        EXPECT_EQ(flaeche.leerungen, leerungen);
        EXPECT_TRUE(flaeche.bilder.empty());
    };
    // Right after start-up free entries still sit at (0, 0); during play all is in place.
    ohneAuswahl(*geparkt());
    bildStarten({"@$ ."}, {tasteRechts});
    ohneAuswahl(*std::make_unique<Brett>(*brett));
}

} // namespace
