#pragma once

#include <QImage>
#include <array>

// The colours of one graphics set. A sheet is pixel art drawn from these colours only,
// so it fits a GIF palette without losing a pixel.
struct Holzfarben {
    QRgb hell;
    QRgb mitte;
    QRgb dunkel;
    QRgb rand;
};

struct Farbsatz {
    QRgb mauerFuge;
    QRgb mauerHell;
    QRgb mauerMitte;
    QRgb mauerDunkel;
    // Stone size with its joint. Both divide 24, and the courses per tile are even, so
    // that the bond runs on across tile edges.
    int steinBreite;
    int steinHoehe;
    Holzfarben kiste;
    Holzfarben tntKiste;
    QRgb etikett;
    QRgb etikettSchrift;
    QRgb tntBand;
    QRgb tntSchrift;
    QRgb gesichtHell;
    QRgb gesichtMitte;
    QRgb gesichtDunkel;
    QRgb gesichtRand;
    QRgb gesichtZuege; // eyes and mouth
    QRgb markierung;   // the storage place's square
    QRgb randHell;
    QRgb randMitte;
    QRgb randDunkel;
    std::array<QRgb, 6> feuer; // hottest first
    QRgb rauch;
    QRgb asche;
};

// Red bricks, wooden crates, a yellow face: the set the game starts with.
Farbsatz standardFarben();
// Slate stones, teal steel crates, a green face and a violet blast.
Farbsatz nachtFarben();

// The 96 by 120 tile sheet, every tile in the cell the game reads it from.
QImage kachelbogenZeichnen(const Farbsatz& farben);
