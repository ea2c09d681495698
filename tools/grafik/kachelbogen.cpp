#include "tools/grafik/kachelbogen.h"

#include "game/kachelsatz.h"

#include <QPainter>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <random>
#include <string_view>
#include <vector>

namespace {

constexpr QRgb schwarz = 0xff000000;
constexpr double mitte = kachelGroesse / 2.0;

// mt19937's sequence is the same with every compiler (its raw numbers are used, never a
// distribution), so every run draws the same sheet and the committed files only change
// when the drawing does.
using Zufall = std::mt19937;

double zufallsZahl(Zufall& zufall) {
    return static_cast<double>(zufall()) / 4294967296.0;
}

QImage leereKachel() {
    QImage kachel(kachelGroesse, kachelGroesse, QImage::Format_RGB32);
    kachel.fill(schwarz);
    return kachel;
}

void punkt(QImage& kachel, int x, int y, QRgb farbe) {
    if (kachel.valid(x, y))
        kachel.setPixel(x, y, farbe);
}

void flaeche(QImage& kachel, const QRect& r, QRgb farbe) {
    QPainter(&kachel).fillRect(r, QColor::fromRgb(farbe));
}

// Rows of '#' set a pixel: the TNT letters.
void muster(QImage& kachel, int x, int y, std::initializer_list<std::string_view> zeilen,
            QRgb farbe) {
    for (const auto zeile : zeilen) {
        for (int i = 0; i < static_cast<int>(zeile.size()); ++i) {
            if (zeile[i] == '#')
                punkt(kachel, x + i, y, farbe);
        }
        ++y;
    }
}

QImage mauer(const Farbsatz& f, Zufall& zufall) {
    QImage kachel = leereKachel();
    flaeche(kachel, kachel.rect(), f.mauerFuge);
    const int b = f.steinBreite;
    const int h = f.steinHoehe;
    for (int reihe = 0; reihe * h < kachelGroesse; ++reihe) {
        const int versatz = reihe % 2 == 0 ? 0 : b / 2;
        for (int x = -versatz; x < kachelGroesse; x += b) {
            const QRect stein(x, reihe * h, b - 1, h - 1);
            flaeche(kachel, stein, f.mauerMitte);
            flaeche(kachel, QRect(stein.left(), stein.top(), stein.width(), 1), f.mauerHell);
            flaeche(kachel, QRect(stein.left(), stein.top(), 1, stein.height()), f.mauerHell);
            flaeche(kachel, QRect(stein.left() + 1, stein.bottom(), stein.width() - 1, 1),
                    f.mauerDunkel);
            flaeche(kachel, QRect(stein.right(), stein.top() + 1, 1, stein.height() - 1),
                    f.mauerDunkel);
        }
    }
    // A few pores keep the bricks from looking like plastic.
    for (int i = 0; i < 14; ++i) {
        const int x = static_cast<int>(zufall() % kachelGroesse);
        const int y = static_cast<int>(zufall() % kachelGroesse);
        if (kachel.pixel(x, y) == f.mauerMitte)
            punkt(kachel, x, y, f.mauerDunkel);
    }
    return kachel;
}

// A crate filling `r`: a dark outline, a frame of boards and horizontal planks inside.
void kiste(QImage& kachel, const QRect& r, const Holzfarben& h, Zufall& zufall) {
    flaeche(kachel, r, h.rand);
    const QRect rahmen = r.adjusted(1, 1, -1, -1);
    flaeche(kachel, rahmen, h.hell);
    const QRect innen = rahmen.adjusted(3, 3, -3, -3);
    flaeche(kachel, innen.adjusted(-1, -1, 1, 1), h.dunkel);
    for (int y = innen.top(); y <= innen.bottom(); ++y) {
        const int imBrett = (y - innen.top()) % 4;
        const QRgb farbe = imBrett == 3 ? h.dunkel : imBrett == 0 ? h.hell : h.mitte;
        flaeche(kachel, QRect(innen.left(), y, innen.width(), 1), farbe);
    }
    for (int i = 0; i < 6; ++i) {
        const int x = innen.left() + static_cast<int>(zufall() % innen.width());
        const int y = innen.top() + static_cast<int>(zufall() % innen.height());
        if (kachel.pixel(x, y) == h.mitte)
            punkt(kachel, x, y, h.dunkel);
    }
    flaeche(kachel, QRect(rahmen.left(), rahmen.bottom(), rahmen.width(), 1), h.mitte);
    flaeche(kachel, QRect(rahmen.right(), rahmen.top(), 1, rahmen.height()), h.mitte);
    for (const QPoint nagel :
         {rahmen.topLeft(), rahmen.topRight(), rahmen.bottomLeft(), rahmen.bottomRight()})
        punkt(kachel, nagel.x() + (nagel.x() == rahmen.left() ? 1 : -1),
              nagel.y() + (nagel.y() == rahmen.top() ? 1 : -1), h.dunkel);
}

// The diagonal brace of the crate that stands on its place: a light board with a
// dark edge on either side.
void strebe(QImage& kachel, const QRect& r, const Holzfarben& h) {
    const QRect innen = r.adjusted(4, 4, -4, -4);
    for (int y = innen.top(); y <= innen.bottom(); ++y) {
        for (int x = innen.left(); x <= innen.right(); ++x) {
            const int abstand = (x - innen.left()) - (y - innen.top());
            if (std::abs(abstand) <= 1)
                kachel.setPixel(x, y, h.hell);
            else if (std::abs(abstand) == 2)
                kachel.setPixel(x, y, h.rand);
        }
    }
}

void etikett(QImage& kachel, const Farbsatz& f) {
    const QRect zettel(7, 8, 10, 8);
    flaeche(kachel, zettel.adjusted(1, 1, 1, 1), f.kiste.rand);
    flaeche(kachel, zettel, f.etikett);
    flaeche(kachel, QRect(9, 10, 6, 1), f.etikettSchrift);
    flaeche(kachel, QRect(9, 12, 4, 1), f.etikettSchrift);
    flaeche(kachel, QRect(9, 14, 5, 1), f.etikettSchrift);
}

void tntKiste(QImage& kachel, const QRect& r, const Farbsatz& f, Zufall& zufall) {
    kiste(kachel, r, f.tntKiste, zufall);
    const int bandOben = r.top() + (r.height() - 9) / 2;
    flaeche(kachel, QRect(r.left() + 1, bandOben, r.width() - 2, 9), f.tntBand);
    const int x = r.left() + (r.width() - 16) / 2;
    const int y = bandOben + 2;
    muster(kachel, x, y, {"#####", "..#..", "..#..", "..#..", "..#.."}, f.tntSchrift);
    muster(kachel, x + 6, y, {"#..#", "##.#", "#.##", "#..#", "#..#"}, f.tntSchrift);
    muster(kachel, x + 11, y, {"#####", "..#..", "..#..", "..#..", "..#.."}, f.tntSchrift);
}

// The storage place's mark: a square of dashes that turn round the corners, from
// (1, 1) to (22, 22), so that it stays symmetric on every side.
void gestrichelt(QImage& kachel, QRgb farbe) {
    constexpr int laenge = kachelGroesse - 2;
    for (int i = 0; i < laenge; ++i) {
        const int vomEck = std::min(i, laenge - 1 - i);
        if (vomEck % 5 >= 3)
            continue;
        punkt(kachel, 1 + i, 1, farbe);
        punkt(kachel, 1 + i, laenge, farbe);
        punkt(kachel, 1, 1 + i, farbe);
        punkt(kachel, laenge, 1 + i, farbe);
    }
}

void gesicht(QImage& kachel, double radius, const Farbsatz& f) {
    const double licht = radius * 0.3;
    for (int y = 0; y < kachelGroesse; ++y) {
        for (int x = 0; x < kachelGroesse; ++x) {
            const double dx = x + 0.5 - mitte;
            const double dy = y + 0.5 - mitte;
            const double d = std::hypot(dx, dy);
            if (d > radius)
                continue;
            QRgb farbe = f.gesichtMitte;
            if (d > radius - 1)
                farbe = f.gesichtRand;
            else if (std::hypot(dx + licht, dy + licht) > radius * 0.98)
                farbe = f.gesichtDunkel;
            else if (std::hypot(dx + radius * 0.5, dy + radius * 0.62) < radius * 0.2)
                farbe = f.gesichtHell;
            kachel.setPixel(x, y, farbe);
        }
    }
    const int augeBreite = std::max(1, static_cast<int>(std::lround(radius / 5)));
    const int augeHoehe = std::max(2, static_cast<int>(std::lround(radius / 3.5)));
    const int augeOben = static_cast<int>(std::lround(mitte - radius * 0.45));
    const int augeAbstand = static_cast<int>(std::lround(radius * 0.35));
    flaeche(
        kachel,
        QRect(static_cast<int>(mitte) - augeAbstand - augeBreite, augeOben, augeBreite, augeHoehe),
        f.gesichtZuege);
    flaeche(kachel, QRect(static_cast<int>(mitte) + augeAbstand, augeOben, augeBreite, augeHoehe),
            f.gesichtZuege);
    const double mundRadius = radius * 0.58;
    const double mundMitte = mitte - radius * 0.05;
    for (int y = 0; y < kachelGroesse; ++y) {
        for (int x = 0; x < kachelGroesse; ++x) {
            const double dx = x + 0.5 - mitte;
            const double dy = y + 0.5 - mundMitte;
            if (dy > radius * 0.2 && std::abs(std::hypot(dx, dy) - mundRadius) < 0.6)
                kachel.setPixel(x, y, f.gesichtZuege);
        }
    }
}

void rand(QImage& kachel, const Farbsatz& f) {
    flaeche(kachel, kachel.rect(), f.randMitte);
    flaeche(kachel, QRect(0, 0, kachelGroesse, 1), f.randHell);
    flaeche(kachel, QRect(0, 0, 1, kachelGroesse), f.randHell);
    flaeche(kachel, QRect(1, kachelGroesse - 1, kachelGroesse - 1, 1), f.randDunkel);
    flaeche(kachel, QRect(kachelGroesse - 1, 1, 1, kachelGroesse - 1), f.randDunkel);
}

// A fire blob with a ragged edge; `abkuehlung` from 0 (white hot) to 1 (embers) shifts
// every pixel towards the cooler colours.
void feuerball(QImage& kachel, double radius, double abkuehlung, const Farbsatz& f,
               Zufall& zufall) {
    const double phase1 = zufallsZahl(zufall) * 2 * std::numbers::pi;
    const double phase2 = zufallsZahl(zufall) * 2 * std::numbers::pi;
    for (int y = 0; y < kachelGroesse; ++y) {
        for (int x = 0; x < kachelGroesse; ++x) {
            const double dx = x + 0.5 - mitte;
            const double dy = y + 0.5 - mitte;
            const double winkel = std::atan2(dy, dx);
            const double kante = radius * (1 + 0.16 * std::sin(5 * winkel + phase1) +
                                           0.09 * std::sin(3 * winkel + phase2));
            const double anteil = std::hypot(dx, dy) / kante + (zufallsZahl(zufall) - 0.5) * 0.14;
            if (anteil > 1)
                continue;
            const int stufe = std::clamp(static_cast<int>((anteil * 0.8 + abkuehlung) * 6), 0,
                                         static_cast<int>(f.feuer.size()) - 1);
            kachel.setPixel(x, y, f.feuer[static_cast<std::size_t>(stufe)]);
        }
    }
}

void funken(QImage& kachel, int anzahl, double abstand, QRgb farbe) {
    for (int i = 0; i < anzahl; ++i) {
        const double winkel = (i + 0.5) * 2 * std::numbers::pi / anzahl;
        for (const double r : {abstand, abstand + 1}) {
            punkt(kachel, static_cast<int>(std::floor(mitte + r * std::cos(winkel))),
                  static_cast<int>(std::floor(mitte + r * std::sin(winkel))), farbe);
        }
    }
}

// The wall cut into 6 by 6 pieces that fly outwards by up to `weite` pixels; a piece is
// gone with probability `verlust`.
QImage mauerZerlegt(const QImage& ganz, double weite, double verlust, Zufall& zufall) {
    QImage kachel = leereKachel();
    QPainter maler(&kachel);
    constexpr int stueck = 6;
    for (int j = 0; j < kachelGroesse / stueck; ++j) {
        for (int i = 0; i < kachelGroesse / stueck; ++i) {
            if (zufallsZahl(zufall) < verlust)
                continue;
            const double dx = i * stueck + stueck / 2.0 - mitte;
            const double dy = j * stueck + stueck / 2.0 - mitte;
            const QPoint ziel(i * stueck + static_cast<int>(std::lround(dx / 9 * weite)),
                              j * stueck + static_cast<int>(std::lround(dy / 9 * weite)));
            maler.drawImage(ziel, ganz, QRect(i * stueck, j * stueck, stueck, stueck));
        }
    }
    return kachel;
}

// Fragments of the wall flying apart over black; they move on from frame to frame,
// shrink and cool down.
struct Splitter {
    double winkel;
    double tempo;
    int groesse;
    int farbe; // index into the fragment colours, brightest first
    int letztesBild;
};

std::vector<Splitter> splitterErzeugen(Zufall& zufall) {
    std::vector<Splitter> splitter(30);
    for (auto& s : splitter) {
        s.winkel = zufallsZahl(zufall) * 2 * std::numbers::pi;
        s.tempo = 0.3 + 0.7 * zufallsZahl(zufall);
        s.groesse = 1 + static_cast<int>(zufall() % 3);
        s.farbe = static_cast<int>(zufall() % 4);
        const double leben = zufallsZahl(zufall);
        s.letztesBild = leben < 0.45 ? 6 : leben < 0.8 ? 7 : 8;
    }
    return splitter;
}

QImage truemmer(int bildNummer, const std::vector<Splitter>& splitter, const Farbsatz& f) {
    const std::array<QRgb, 6> farben{f.feuer[3],    f.mauerHell, f.mauerMitte,
                                     f.mauerDunkel, f.rauch,     f.asche};
    QImage kachel = leereKachel();
    const int alter = bildNummer - 6;
    for (const auto& s : splitter) {
        if (s.letztesBild < bildNummer)
            continue;
        const double weg = s.tempo * (6 + 3 * alter);
        const int groesse = std::max(1, s.groesse - alter);
        const int x = static_cast<int>(std::floor(mitte + weg * std::cos(s.winkel)));
        const int y = static_cast<int>(std::floor(mitte + weg * std::sin(s.winkel)));
        const int farbe = std::min(static_cast<int>(farben.size()) - 1, s.farbe + alter);
        flaeche(kachel, QRect(x, y, groesse, groesse), farben[static_cast<std::size_t>(farbe)]);
    }
    return kachel;
}

// Frames 1 to 8: a flash grows on the wall, bursts it, and the pieces fly off into black.
QImage explosionsBild(int k, const QImage& wand, const std::vector<Splitter>& splitter,
                      const Farbsatz& f, Zufall& zufall) {
    QImage kachel = wand;
    switch (k) {
    case 1:
        feuerball(kachel, 4, 0, f, zufall);
        funken(kachel, 4, 5.5, f.feuer[2]);
        break;
    case 2:
        feuerball(kachel, 7.5, 0.05, f, zufall);
        funken(kachel, 8, 9, f.feuer[3]);
        break;
    case 3:
        kachel = mauerZerlegt(wand, 1.5, 0, zufall);
        feuerball(kachel, 10.5, 0.15, f, zufall);
        break;
    case 4:
        kachel = mauerZerlegt(wand, 3, 0.1, zufall);
        feuerball(kachel, 12.5, 0.35, f, zufall);
        break;
    case 5:
        kachel = mauerZerlegt(wand, 5, 0.4, zufall);
        feuerball(kachel, 6, 0.45, f, zufall);
        break;
    default:
        kachel = truemmer(k, splitter, f);
        break;
    }
    return kachel;
}

} // namespace

Farbsatz standardFarben() {
    return {
        .mauerFuge = 0xff9c928a,
        .mauerHell = 0xffd9603f,
        .mauerMitte = 0xffb23a24,
        .mauerDunkel = 0xff7c2216,
        .steinBreite = 12,
        .steinHoehe = 6,
        .kiste = {0xffe3b26a, 0xffc08a44, 0xff8a5a26, 0xff4e3014},
        .tntKiste = {0xffe8503c, 0xffc42a1c, 0xff861410, 0xff4a0a08},
        .etikett = 0xfff4ecd2,
        .etikettSchrift = 0xff7a7468,
        .tntBand = 0xff1a1210,
        .tntSchrift = 0xffffd84a,
        .gesichtHell = 0xfffff8c0,
        .gesichtMitte = 0xffffd21e,
        .gesichtDunkel = 0xffe09a00,
        .gesichtRand = 0xff7a4a00,
        .gesichtZuege = 0xff201000,
        .markierung = 0xffffffff,
        .randHell = 0xff2a3a9a,
        .randMitte = 0xff18237a,
        .randDunkel = 0xff0c1250,
        .feuer = {0xffffffff, 0xfffff3a0, 0xffffc830, 0xffff8a1a, 0xffe04a12, 0xff8e1c0a},
        .rauch = 0xff5c5450,
        .asche = 0xff34302e,
    };
}

Farbsatz nachtFarben() {
    return {
        .mauerFuge = 0xff141c2a,
        .mauerHell = 0xff7890b0,
        .mauerMitte = 0xff4a6080,
        .mauerDunkel = 0xff2c3a54,
        .steinBreite = 12,
        .steinHoehe = 12,
        .kiste = {0xff8fd8d0, 0xff3f9c98, 0xff23645f, 0xff0d2a2a},
        .tntKiste = {0xffffa060, 0xffe8641c, 0xff9a3a0c, 0xff3a1404},
        .etikett = 0xffffd84a,
        .etikettSchrift = 0xff6a4a00,
        .tntBand = 0xff101010,
        .tntSchrift = 0xffffffff,
        .gesichtHell = 0xffeaffd8,
        .gesichtMitte = 0xff9cf04a,
        .gesichtDunkel = 0xff5cb02a,
        .gesichtRand = 0xff1e5010,
        .gesichtZuege = 0xff0a200a,
        .markierung = 0xff40e0ff,
        .randHell = 0xff4a2a7a,
        .randMitte = 0xff32185a,
        .randDunkel = 0xff1c0c38,
        .feuer = {0xffffffff, 0xffd8f4ff, 0xff8ad8ff, 0xffc070ff, 0xff8a30d0, 0xff4a1070},
        .rauch = 0xff3c4458,
        .asche = 0xff242838,
    };
}

QImage kachelbogenZeichnen(const Farbsatz& f) {
    Zufall zufall(2000);
    QImage bogen(4 * kachelGroesse, 5 * kachelGroesse, QImage::Format_RGB32);
    bogen.fill(schwarz);
    QPainter maler(&bogen);
    const auto setzen = [&](Kachelursprung ursprung, const QImage& kachel) {
        maler.drawImage(ursprung.x, ursprung.y, kachel);
    };
    const auto alsKachel = [&](std::string_view wort, const QImage& kachel) {
        setzen(*kachelUrsprung(wort), kachel);
    };

    const QImage wand = mauer(f, zufall);
    alsKachel("mauer", wand);

    const QRect ganz(0, 0, kachelGroesse, kachelGroesse);
    QImage kachel = leereKachel();
    kiste(kachel, ganz, f.kiste, zufall);
    etikett(kachel, f);
    alsKachel("box", kachel);

    kachel = leereKachel();
    kiste(kachel, ganz, f.kiste, zufall);
    strebe(kachel, ganz, f.kiste);
    alsKachel("box2", kachel);

    kachel = leereKachel();
    tntKiste(kachel, ganz, f, zufall);
    alsKachel("tnt", kachel);

    kachel = leereKachel();
    flaeche(kachel, QRect(1, 1, 22, 22), f.markierung);
    flaeche(kachel, QRect(2, 2, 20, 20), schwarz);
    tntKiste(kachel, QRect(3, 3, 18, 18), f, zufall);
    alsKachel("tntstell", kachel);

    kachel = leereKachel();
    gestrichelt(kachel, f.markierung);
    for (int i = 0; i < 8; ++i) {
        punkt(kachel, 8 + i, 8 + i, f.markierung);
        punkt(kachel, 15 - i, 8 + i, f.markierung);
    }
    alsKachel("stell", kachel);

    kachel = leereKachel();
    gesicht(kachel, 10.5, f);
    alsKachel("smile", kachel);

    kachel = leereKachel();
    gestrichelt(kachel, f.markierung);
    gesicht(kachel, 8.5, f);
    alsKachel("smilestell", kachel);

    kachel = leereKachel();
    rand(kachel, f);
    alsKachel("rand", kachel);

    alsKachel("blank", leereKachel());

    const auto splitter = splitterErzeugen(zufall);
    for (int k = 1; k <= explosionsBilder; ++k)
        setzen(explosionsBildUrsprung(k), explosionsBild(k, wand, splitter, f, zufall));
    return bogen;
}
