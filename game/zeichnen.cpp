#include "game/zeichnen.h"

#include "game/brett.h"
#include "game/zahlen.h"
#include "game/zeichenflaeche.h"

std::string kachelFuerArt(const std::string& art) {
    if (art == "gestellt")
        return "box2";
    if (art == "tntgestellt")
        return "tntstell";
    if (art == "box" || art == "mauer" || art == "stell" || art == "tnt" || art == "rand")
        return art;
    return {};
}

void figurZeichnen(const Brett& brett, Zeichenflaeche& flaeche) {
    flaeche.copypic(brett.aufStellplatz == -1 ? "smilestell" : "smile", gerundet(brett.spielerX),
                    gerundet(brett.spielerY));
}

void brettZeichnen(const Brett& brett, Zeichenflaeche& flaeche, Rand rand) {
    flaeche.copypic("smile", gerundet(brett.spielerX), gerundet(brett.spielerY));
    for (const auto& f : brett.felder) {
        if (rand == Rand::auslassen && f.art == "rand")
            continue;
        const std::string kachel = kachelFuerArt(f.art);
        if (!kachel.empty())
            flaeche.copypic(kachel, f.x, f.y);
    }
    if (brett.aufStellplatz == -1)
        flaeche.copypic("smilestell", gerundet(brett.spielerX), gerundet(brett.spielerY));
}
