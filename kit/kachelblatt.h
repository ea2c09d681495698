#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>
#include <string>

class Brettbild;

// The tile sheet `grafiksetpic` of a graphics set: 96 by 120 pixels of 24 by 24 tiles.
// It starts as the sheet built into the program, so there is always something to draw.
class Kachelblatt {
  public:
    static constexpr int breite = 96;
    static constexpr int hoehe = 120;
    static constexpr const char* standardset = "standardset.gif";

    Kachelblatt();

    // Loads a graphics set of the program folder `ordner` (ending in '/'). A file that is
    // missing, unreadable or smaller than a sheet, and a name that leads out of the
    // folder, change nothing and give false.
    bool laden(const QString& ordner, const QString& name);

    // Start-up: the set `name`, else the standard set, else the built-in sheet. Returns the
    // German message for the player when `name` could not be used, else an empty string.
    QString mitErsatzLaden(const QString& ordner, const QString& name);

    // Copies the tile named `bild` to (x, y) of the picture; an unknown word draws nothing.
    void kachelZeichnen(Brettbild& bild, const std::string& wort, int x, int y) const;

    // Explosion frame k (1 to 8) on a picture one pixel higher than a tile, whose bottom row
    // stays black; frame 0 is all black.
    QPixmap explosionsBild(int k) const;

    const QImage& bild() const { return blatt; }

  private:
    QImage blatt;
};
