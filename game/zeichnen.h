#pragma once

#include <string>

class Brett;
class Zeichenflaeche;

// The tile an entry of this kind is drawn with; empty for free entries and unknown kinds.
std::string kachelFuerArt(const std::string& art);

// The figure as it shows: "smilestell" on a storage place, else "smile".
void figurZeichnen(const Brett& brett, Zeichenflaeche& flaeche);

// Draws every entry of the table and the figure. Floor is not drawn: it shows what was
// painted there last. The border lies outside the picture; the explosion leaves it out.
enum class Rand { zeichnen, auslassen };
void brettZeichnen(const Brett& brett, Zeichenflaeche& flaeche, Rand rand);
