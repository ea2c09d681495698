#pragma once

#include "game/levelmodell/pruefung.h"

#include <QString>
#include <vector>

class QWidget;

// What the editor's window and its file work tell the author, under one title.
inline const QString fensterTitel = QStringLiteral("Lagerix 2000 - Level Editor");

// A warning box over `fenster`.
void warnen(QWidget* fenster, const QString& text);

// One line "• …" for each problem.
QString problemListe(const std::vector<Problem>& probleme);
