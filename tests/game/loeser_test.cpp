#include "nachspielen.h"
#include "testhilfen.h"

#include "game/abschluss.h"
#include "game/loeser/feld.h"
#include "game/loeser/lager.h"
#include "game/loeser/loeser.h"
#include "game/loeser/pferch.h"
#include "game/loeser/schlange.h"
#include "game/loeser/schluessel.h"
#include "game/loeser/wandzeilen.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <variant>

namespace {

class Mitschrift : public Fortschritt {
  public:
    void melden(const Suchstand& stand) override { staende.push_back(stand); }
    std::vector<Suchstand> staende;
};

class Loeser : public Bildtest {
  protected:
    Loesung loesenAus(const std::vector<std::string>& bild) {
        bildStarten(bild);
        return loesen(*brett, {}, nullptr);
    }
    // The bound on the start, as the first report of a search of one position gives it.
    int startschranke(const std::vector<std::string>& bild, bool schnell) {
        Mitschrift mitschrift;
        bildStarten(bild);
        loesen(*brett, {.schnell = schnell, .zustandsGrenze = 1}, &mitschrift);
        return mitschrift.staende.empty() ? -1 : mitschrift.staende.front().schranke;
    }
};

// A start position and the bound the search must give it.
struct Schrankenfall {
    const char* was;
    std::vector<std::string> bild;
    int schranke;
};

// Everything a later move can depend on: the figure and every object in play with its
// kind. Which of a pair's two entries carries the link does not change what the rule does.
using Vollzustand =
    std::pair<std::pair<double, double>, std::multiset<std::tuple<int, int, std::string>>>;

Vollzustand vollzustand(const Brett& brett) {
    Vollzustand z{{brett.spielerX, brett.spielerY}, {}};
    for (int i = brett.randAnzahl + 1; i <= brett.belegt; ++i) {
        const auto& f = brett.felder[i];
        if (f.x != Brett::geparkt)
            z.second.insert({f.x, f.y, f.art});
    }
    return z;
}

// Breadth-first over full positions with the game's own move rule: the fewest steps,
// nullopt when no reachable position completes the level, or -1 when there are more
// than `grenze` positions.
std::optional<int> breitensuche(const Brett& start, std::size_t grenze) {
    std::set<Vollzustand> gesehen{vollzustand(start)};
    std::vector<std::unique_ptr<Brett>> schicht;
    schicht.push_back(std::make_unique<Brett>(start));
    Aufzeichnung flaeche;
    for (int schritte = 0; !schicht.empty(); ++schritte) {
        std::vector<std::unique_ptr<Brett>> naechste;
        for (const auto& brett : schicht) {
            if (Brett kopie = *brett; abschlussPruefen(kopie))
                return schritte;
            for (const int taste : {tasteLinks, tasteOben, tasteRechts, tasteUnten}) {
                auto kind = std::make_unique<Brett>(*brett);
                flaeche.bilder.clear();
                if (tasteVerarbeiten(*kind, taste, flaeche).geschritten &&
                    gesehen.insert(vollzustand(*kind)).second)
                    naechste.push_back(std::move(kind));
            }
            if (gesehen.size() > grenze)
                return -1;
        }
        schicht = std::move(naechste);
    }
    return std::nullopt;
}

// Small closed rooms, drawn at random but the same on every run.
class Raumwuerfel {
  public:
    explicit Raumwuerfel(std::uint32_t saat) : zustand(saat) {}

    int zahl(int bis) {
        zustand = zustand * 1664525u + 1013904223u;
        return static_cast<int>((zustand >> 8) % static_cast<std::uint32_t>(bis));
    }

    // A room of 3 to 5 by 3 to 5 cells inside a ring of border, a corridor of floor
    // around the ring and border around that. In some TNT rooms a wall in the ring
    // leads into the corridor.
    std::vector<std::string> raum(bool mitTnt) {
        const int breite = 3 + zahl(3), hoehe = 3 + zahl(3);
        const int w = breite + 6, h = hoehe + 6;
        std::vector<std::string> bild(h, std::string(w, ' '));
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const int tiefe = std::min({x, y, w - 1 - x, h - 1 - y});
                if (tiefe == 0 || tiefe == 2)
                    bild[y][x] = '=';
            }
        }
        // Some TNT rooms are split by a wall: boxes on the left, storage places on the
        // right, so a box can only get through where a wall was blasted.
        const int trennung = mitTnt && breite >= 4 && zahl(3) == 0 ? 4 + zahl(breite - 2) : 0;
        for (int y = 3; trennung && y < 3 + hoehe; ++y)
            bild[y][trennung] = '#';
        // A few tries at a free cell left or right of the split; a full room takes no more.
        const auto setzen = [&](char c) {
            const bool rechts = c == '.' && trennung;
            const int von = rechts ? trennung + 1 : 3;
            const int bis = trennung && !rechts && c != '#' ? trennung : 3 + breite;
            for (int versuch = 0; versuch < 50; ++versuch) {
                char& feld = bild[3 + zahl(hoehe)][von + zahl(bis - von)];
                if (feld == ' ') {
                    feld = c;
                    return;
                }
            }
        };
        const int kisten = 1 + zahl(2);
        setzen('@');
        for (int i = 0; i < kisten; ++i)
            setzen(zahl(5) == 0 ? '*' : '$');
        for (int i = 0, stell = kisten + zahl(2); i < stell; ++i)
            setzen('.');
        for (int i = 0, mauern = zahl(3); i < mauern; ++i)
            setzen('#');
        for (int i = 0, tnt = mitTnt ? 1 + zahl(2) : 0; i < tnt; ++i)
            setzen(zahl(6) == 0 ? 't' : 'T');
        if (mitTnt && zahl(3) == 0)
            bild[3 + zahl(hoehe)][2] = '#';
        return bild;
    }

  private:
    std::uint32_t zustand;
};

TEST_F(Loeser, findetGenauSoVieleSchritteWieDieBreitensucheUeberAlleStellungen) {
    // The sanitizer build runs this about twenty times slower; it compares fewer rooms.
    constexpr int raeume = LAGERIX_LOESER_VERGLEICHE;
    Raumwuerfel wuerfel(2026);
    int verglichen = 0, geloest = 0, mitTnt = 0;
    for (int versuch = 0; versuch < 2 * raeume && verglichen < raeume; ++versuch) {
        const bool tnt = versuch % 2 == 1;
        const auto bild = wuerfel.raum(tnt);
        bildStarten(bild);
        const auto soll = breitensuche(*brett, 20000);
        if (soll == -1)
            continue;
        ++verglichen;
        mitTnt += tnt;
        SCOPED_TRACE(::testing::PrintToString(bild));
        const Loesung optimal = loesen(*brett, {}, nullptr);
        const Loesung schnell = loesen(*brett, {.schnell = true}, nullptr);
        if (!soll) {
            EXPECT_EQ(optimal.ergebnis, Ergebnis::unloesbar);
            EXPECT_EQ(schnell.ergebnis, Ergebnis::unloesbar);
            continue;
        }
        ++geloest;
        ASSERT_EQ(optimal.ergebnis, Ergebnis::geloest);
        EXPECT_TRUE(optimal.optimal);
        EXPECT_EQ(optimal.schritte(), *soll);
        EXPECT_TRUE(spieltSichDurch(*brett, optimal.zuege));
        ASSERT_EQ(schnell.ergebnis, Ergebnis::geloest);
        EXPECT_GE(schnell.schritte(), *soll);
        EXPECT_TRUE(spieltSichDurch(*brett, schnell.zuege));
    }
    EXPECT_GE(verglichen, raeume);
    // The rooms must exercise both answers and the blasts, or the comparison proves little.
    EXPECT_GE(geloest, raeume / 4);
    EXPECT_GE(verglichen - geloest, raeume / 10);
    EXPECT_GE(mitTnt, raeume * 4 / 10);
}

// Calls `pruefen` with every placement of `kisten` boxes on the cells marked '-' of
// `bild`; the other marked cells become floor.
template <typename Pruefen>
void jedeBelegung(const std::vector<std::string>& bild, int kisten, Pruefen pruefen) {
    std::vector<std::pair<std::size_t, std::size_t>> zellen;
    for (std::size_t y = 0; y < bild.size(); ++y)
        for (std::size_t x = 0; x < bild[y].size(); ++x)
            if (bild[y][x] == '-')
                zellen.emplace_back(x, y);
    std::vector<bool> gewaehlt(zellen.size(), false);
    std::fill(gewaehlt.begin(), gewaehlt.begin() + kisten, true);
    do {
        auto belegt = bild;
        for (std::size_t i = 0; i < zellen.size(); ++i)
            belegt[zellen[i].second][zellen[i].first] = gewaehlt[i] ? '$' : ' ';
        pruefen(belegt);
    } while (std::prev_permutation(gewaehlt.begin(), gewaehlt.end()));
}

// What the rule of rows along a wall, or that of fenced areas, answers on the started
// position; the fenced areas take every push into an area as open (the search also leaves
// out pushes that end in a known deadlock).
Pferch::Befund regelBefund(const Brett& brett, bool pferch) {
    const auto gelesen = lagerLesen(brett);
    const Lager& lager = std::get<Lager>(gelesen);
    const Schluessel form(lager.kisten.size(), lager.tntKisten.size());
    Feld feld(lager, form);
    feld.belegen(form.start(lager).data());
    if (pferch) {
        Gang gang(lager.fest.size());
        feld.laufen(gang, lager.figur);
        return Pferch(lager).pruefen(feld, gang.weg, !lager.tntKisten.empty(),
                                     [](Lager::Zelle, int) { return false; });
    }
    const Wandzeilen wandzeilen(lager);
    const auto ueberfuellt = [&](Lager::Zelle z) { return wandzeilen.ueberfuellt(feld, z); };
    return std::any_of(lager.kisten.begin(), lager.kisten.end(), ueberfuellt)
               ? Pferch::Befund::verloren
               : Pferch::Befund::offen;
}

// Every placement of the boxes on the cells marked '-' of small rooms: a position a rule
// calls lost has no solution by breadth-first search over the game's own moves, and where
// a rule answers on the start, the fast search, which takes only the pushes the rules
// allow, solves the position exactly when that search does.
TEST_F(Loeser, eineTotstellungsregelLaesstKeineLoesungAus) {
    struct Raum {
        const char* was;
        std::vector<std::string> bild;
        int kisten;
        int eingezaeunt, verloren; // positions the rule must answer so, at the least
    };
    // Rows along a wall. In the TNT rooms a blast opens the wall a row runs along or ends
    // at, and the boxes get off the row through the gap.
    const std::vector<Raum> wandzeilen{
        // The top row has one storage place, the left column one.
        {"zwei Kisten", {"=======", "=.--- =", "=-- . =", "=-  @ =", "======="}, 2, 0, 3},
        {"drei Kisten", {"=======", "=--.--=", "=-- --=", "=. @ .=", "======="}, 3, 0, 2},
        // A row under a blastable wall, open below: no row at all while TNT is left.
        {"Wand darüber sprengbar",
         {"=======", "=  .  =", "=#####=", "=-----=", "=  T  =", "=  @  =", "======="},
         1,
         0,
         0},
        // A row along the border that ends at a blastable wall with a place behind it.
        {"Ende sprengbar", {"========", "=.---#.=", "=    T =", "=  @   =", "========"}, 2, 0, 0},
    };
    // Fenced areas. The figure gets into the room behind the blastable wall by a blast
    // only: the rule must not count it as fenced.
    const std::vector<Raum> pferche{
        {"Nischen", {"=======", "=@    =", "= --- =", "=-=-=-=", "=-.-.-=", "======="}, 2, 4, 13},
        {"enger Gang", {"========", "=@ -- .=", "=-=--=.=", "=- -  .=", "========"}, 3, 22, 8},
        // A box before a hole can be pushed along the room, a box on its place in the
        // corner not at all: neither fences anything.
        {"Kiste vor dem Loch",
         {"========", "=*@    =", "=      =", "= ----.=", "==-=-===", "==-=-===", "========"},
         1,
         2,
         2},
        // A box that holds no box of the fence stays out of the area, however it may be
        // pushed: the hole in the top right corner is lost once fenced.
        {"Kiste neben dem Zaun",
         {"=======", "=  ---=", "=  ---=", "=@    =", "= ....=", "======="},
         4,
         6,
         9},
        // The box left of the hole's fence must make way before the fence's box is pushed
        // onto the place in the hole: it belongs to the area.
        {"Kiste hinter dem Zaun",
         {"=======", "=@ .  =", "=   =*=", "= --$.=", "=   =*=", "======="},
         1,
         1,
         0},
        {"Raum hinter der Mauer",
         {"=======", "=@    =", "=  T  =", "=#####=", "= --- =", "= -.- =", "======="},
         1,
         0,
         0},
    };
    for (const bool pferch : {false, true}) {
        for (const auto& raum : pferch ? pferche : wandzeilen) {
            SCOPED_TRACE(raum.was);
            std::map<Pferch::Befund, int> befunde;
            jedeBelegung(raum.bild, raum.kisten, [&](const std::vector<std::string>& bild) {
                bildStarten(bild);
                const auto befund = regelBefund(*brett, pferch);
                if (befund == Pferch::Befund::offen)
                    return;
                ++befunde[befund];
                const auto soll = breitensuche(*brett, 20000);
                ASSERT_NE(soll, -1) << ::testing::PrintToString(bild);
                EXPECT_FALSE(befund == Pferch::Befund::verloren && soll)
                    << ::testing::PrintToString(bild);
                const bool geloest =
                    loesen(*brett, {.schnell = true}, nullptr).ergebnis == Ergebnis::geloest;
                EXPECT_EQ(geloest, soll.has_value()) << ::testing::PrintToString(bild);
            });
            EXPECT_GE(befunde[Pferch::Befund::eingezaeunt], raum.eingezaeunt);
            EXPECT_GE(befunde[Pferch::Befund::verloren], raum.verloren);
        }
    }
}

TEST_F(Loeser, einBrettOhneRasterWirdNichtDurchsucht) {
    struct Fall {
        std::vector<std::string> zeilen;
        std::string grund;
    };
    const std::vector<Fall> faelle{
        {{"fT", "30", "0", "kiste", "50", "0", "stell", "75", "0"}, "Die Figur steht nicht"},
        {{"fT", "0", "0", "kiste", "30", "0", "stell", "75", "0"}, "nicht im Raster"},
        {{"fT", "0", "0", "kiste", "50", "0", "mauer", "50", "0", "stell", "75", "0"},
         "Auf dem Feld (48, 0) liegen mehrere Objekte"},
        {{"fT", "50", "0", "kiste", "50", "0", "stell", "75", "0"}, "Die Figur steht auf"},
        {{"fT", "-50", "0", "kiste", "50", "0", "stell", "75", "0"}, "nicht geschlossen"},
        // A start that failed leaves a locked board.
        {{"fT", "0", "0", "kiste", "50"}, "Es läuft kein Level"},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.grund);
        levelSchreiben("roh.lev", fall.zeilen);
        starten(*brett, "roh.lev", flaeche);
        const Loesung l = loesen(*brett, {}, nullptr);
        EXPECT_EQ(l.ergebnis, Ergebnis::unbekannt);
        EXPECT_NE(l.grund.find(fall.grund), std::string::npos) << l.grund;
    }
}

// Where the boxes get home without a blast, the fast search leaves the TNT boxes where
// they stand, though blasting the wall would shorten the boxes' way.
TEST_F(Loeser, dieSchnelleSucheVersuchtEsZuerstOhneTnt) {
    bildStarten(
        {"===========", "=   #T    =", "= $ # $ $ =", "=   #     =", "=  ...   @=", "==========="});
    const auto tntKisten = [](const Brett& b) {
        auto objekte = vollzustand(b).second;
        std::erase_if(objekte, [](const auto& o) { return std::get<2>(o) != "tnt"; });
        return objekte;
    };
    const Loesung schnell = loesen(*brett, {.schnell = true}, nullptr);
    ASSERT_TRUE(spieltSichDurch(*brett, schnell.zuege));
    Brett nachher = *brett;
    Aufzeichnung flaeche;
    for (const char zug : schnell.zuege)
        tasteVerarbeiten(nachher, zugTaste(zug), flaeche);
    EXPECT_EQ(tntKisten(nachher), tntKisten(*brett));
}

TEST_F(Loeser, zaehlerEntscheidenWieImSpiel) {
    // Nothing to place never counts as solved; all placed is solved without a step.
    EXPECT_EQ(loesenAus({"@ ."}).ergebnis, Ergebnis::unloesbar);
    // More boxes than storage places can never all stand on one.
    EXPECT_EQ(loesenAus({"@$$ ."}).ergebnis, Ergebnis::unloesbar);
    const Loesung fertig = loesenAus({"@*"});
    EXPECT_EQ(fertig.ergebnis, Ergebnis::geloest);
    EXPECT_EQ(fertig.zuege, "");
    // One step of walking, then two pushes.
    const Loesung gelaufen = loesenAus({"@ $ ."});
    EXPECT_EQ(gelaufen.zuege, "rrr");
    EXPECT_EQ(gelaufen.schuebe, 2);
    // A box walled in beyond the figure's reach can never be placed.
    EXPECT_EQ(loesenAus({"@$.  ===", "     =$=", "   . ==="}).ergebnis, Ergebnis::unloesbar);
    // ... but one already placed there counts.
    EXPECT_EQ(loesenAus({"@$.  ===", "     =*=", "     ==="}).zuege, "r");
}

// The first report carries the bound on the start position, worked out here by hand.
// Each row makes one term decide: a bound too low costs time, one too high a wrong count.
TEST_F(Loeser, dieSchrankeAmStartRechnetSchuebeRueckwegTntUndPackordnung) {
    const std::vector<Schrankenfall> voll{
        // Pushes 3 + 2; the boxes move 5 to the right together, the figure ends at most
        // 3 to the right of where it starts, so it walks back 2 at the least.
        {"Rückweg", {"=======", "=@$  .=", "=  $ .=", "======="}, 7},
        // The box gets through only once the TNT box has blasted the wall: 4 pushes of the
        // box and 2 of the TNT box. The figure ends 4 to the right, the box moves 4 to the
        // right and the TNT box 2 to the left, so the figure walks 2 back.
        {"TNT", {"==========", "=        =", "=  @$# T.=", "=        =", "=========="}, 8},
        // The same with the TNT box next to the wall: 3 + 1 + 1 back, and the only end
        // cell lies an odd number of steps away.
        {"Parität", {"=========", "=       =", "=  @$#T.=", "=       =", "========="}, 5},
        // The figure further left: it ends 5 to the right, the box goes 3 to the right and
        // the TNT box 1 to the left, so 3 back on top of 3 + 1 pushes.
        {"TNT von weiter links",
         {"=========", "=       =", "=@  $#T.=", "=       =", "========="},
         7},
        // Two walls, two TNT boxes that blast 1 + 2 pushes away, 5 box pushes and a walk
        // back of 2: which wall each TNT box takes is left open, so only the larger extra
        // counts, 5 + 3, then rounded up to the odd distance of the end cell.
        {"zwei TNT-Kisten",
         {"===========", "=         =", "=@  $##TT.=", "=         =", "==========="},
         9},
    };
    // The fast search's bound: pushes on the walls standing; where a box needs a blast, the
    // pushes with the best wall gone plus those of the TNT box to it; and a detour for each
    // box placed before a place behind it is filled, and for each box off its place that
    // the figure cannot touch.
    const std::vector<Schrankenfall> schnell{
        // The box goes round the wall, 7 pushes, though a blast would save 2.
        {"ohne Sprengung",
         {"=========", "=       =", "=     T =", "=@$ #  .=", "=       =", "=       =",
          "========="},
         7},
        // Only through the wall: 4 box pushes and 2 TNT pushes to blast it.
        {"mit Sprengung",
         {"==========", "=        =", "=  @$# T.=", "=        =", "=========="},
         6},
        // The wall next to the TNT box opens nothing, the TNT box above blasts nothing: 3
        // box pushes, and 4 TNT pushes to the wall in the box's way.
        {"die Mauer, die den Weg öffnet",
         {"===========", "=    T    =", "=#@T  $# .=", "=         =", "==========="},
         7},
        // The last TNT box reaches no wall that opens the box's way: lost at the start,
        // so there is no report.
        {"die letzte TNT-Kiste kommt nicht hin",
         {"==========", "=        =", "=#T @$# .=", "=        =", "=========="},
         -1},
        // The front place of the dead end is taken while the back one is free: 4 pushes
        // in all plus the detour of 2.
        {"außer der Reihe", {"========", "=@$  *.=", "========"}, 6},
        {"in der Reihe", {"========", "=@$  .*=", "========"}, 3},
        // The figure cannot touch the second box: 3 + 3 pushes and its detour of 2.
        {"außer Reichweite", {"========", "=@$$ ..=", "========"}, 8},
    };
    for (const bool istSchnell : {false, true}) {
        for (const auto& fall : istSchnell ? schnell : voll)
            EXPECT_EQ(startschranke(fall.bild, istSchnell), fall.schranke) << fall.was;
    }
}

// The search's exactness hangs on the order: the least rank always first, whatever came in
// later; among equal ranks the least bound, then the latest.
TEST(Schlange, gibtDenKleinstenRangZuerstUndDarinDieTiefsteStellung) {
    Schlange schlange;
    const std::vector<Schlange::Eintrag> hinein{{7, 3, 1}, {5, 2, 2}, {5, 1, 3},
                                                {9, 0, 4}, {5, 1, 5}, {6, 4, 6}};
    for (const auto& e : hinein)
        schlange.hinein(e);
    std::vector<std::uint32_t> folge;
    for (int i = 0; i < 3; ++i)
        folge.push_back(schlange.heraus().knoten);
    // A rank below the ones taken so far comes first again.
    schlange.hinein({4, 2, 7});
    while (!schlange.leer())
        folge.push_back(schlange.heraus().knoten);
    EXPECT_EQ(folge, (std::vector<std::uint32_t>{5, 3, 2, 7, 6, 1, 4}));
}

// Enough room and boxes that the search runs for thousands of positions.
const std::vector<std::string> weitesLager{
    "===========", "=   .     =", "= $  $ .  =", "=  . $  $ =",
    "= $    .  =", "=   @   . =", "==========="};

TEST_F(Loeser, grenzenUndAbbruchEndenDieSucheMitUnbekannt) {
    bildStarten(weitesLager);
    Mitschrift mitschrift;
    const Loesung begrenzt = loesen(*brett, {.zustandsGrenze = 500}, &mitschrift);
    EXPECT_EQ(begrenzt.ergebnis, Ergebnis::unbekannt);
    EXPECT_NE(begrenzt.grund.find("Grenze"), std::string::npos);
    EXPECT_LT(begrenzt.zustaende, 2000u);
    ASSERT_FALSE(mitschrift.staende.empty());
    EXPECT_EQ(mitschrift.staende.back().zustaende, begrenzt.zustaende);
    EXPECT_GT(mitschrift.staende.back().schranke, 0);

    // Past a limit the fast search still answers whether the level can be solved; a
    // cancelled search stays cancelled.
    const std::atomic<bool> abbrechen{true};
    EXPECT_EQ(loesenOderBeispiel(*brett, {.abbrechen = &abbrechen}, nullptr).grenze,
              Grenze::abbruch);
    const Loesung beispiel = loesenOderBeispiel(*brett, {.zustandsGrenze = 500}, nullptr);
    EXPECT_EQ(beispiel.ergebnis, Ergebnis::geloest);
    EXPECT_FALSE(beispiel.optimal);
    EXPECT_TRUE(spieltSichDurch(*brett, beispiel.zuege));
}

} // namespace
