#include "tools/grafik/kachelbogen.h"
#include "tools/grafik/programmbilder.h"

#include <QDir>
#include <QGuiApplication>
#include <QList>
#include <QSet>
#include <algorithm>
#include <iostream>
#include <optional>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// A GIF holds at most 256 colours. The sheet is written as a palette picture, so the
// conversion to GIF has nothing to merge; a sheet with more colours is refused.
std::optional<QImage> alsPalettenbild(const QImage& bogen) {
    QSet<QRgb> farben;
    for (int y = 0; y < bogen.height(); ++y) {
        for (int x = 0; x < bogen.width(); ++x)
            farben.insert(bogen.pixel(x, y));
    }
    if (farben.size() > 256)
        return std::nullopt;
    // Sorted, because the set's order changes from run to run and the files must not.
    QList<QRgb> palette(farben.begin(), farben.end());
    std::sort(palette.begin(), palette.end());
    return bogen.convertToFormat(QImage::Format_Indexed8, palette,
                                 Qt::ThresholdDither | Qt::AvoidDither);
}

} // namespace

// Draws the pictures that ship with the game into one folder. tools/assets-erzeugen
// turns the two tile sheets into GIFs and puts every file in its place.
int main(int argc, char** argv) {
    QGuiApplication anwendung(argc, argv);
    if (argc != 2) {
        std::cerr << "Aufruf: lagerix-grafik ZIELORDNER\n";
        return 2;
    }
    const auto standard = alsPalettenbild(kachelbogenZeichnen(standardFarben()));
    const auto nacht = alsPalettenbild(kachelbogenZeichnen(nachtFarben()));
    if (!standard || !nacht) {
        std::cerr << "Ein Grafikset hat mehr als 256 Farben.\n";
        return 1;
    }
    const std::vector<std::pair<QString, QImage>> bilder{
        {u"standardset.png"_s, *standard},
        {u"eingebaut.png"_s, *standard},
        {u"nachtset.png"_s, *nacht},
        {u"gewonnen.png"_s, gewonnenZeichnen()},
        {u"pin.png"_s, pinZeichnen()},
        {u"logo.png"_s, logoZeichnen({77, 24})},
        {u"logo-gross.png"_s, logoZeichnen({165, 52})},
        {u"lagerix.png"_s, symbolZeichnen()},
    };
    const QDir ziel(QString::fromLocal8Bit(argv[1]));
    for (const auto& [name, bild] : bilder) {
        if (!bild.save(ziel.filePath(name))) {
            std::cerr << "Kann " << ziel.filePath(name).toStdString() << " nicht schreiben.\n";
            return 1;
        }
    }
    return 0;
}
