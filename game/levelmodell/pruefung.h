#pragma once

#include <string>
#include <vector>

class Levelmodell;

struct Problem {
    std::string text; // German, one sentence
    bool sperrt;      // the game could not start the level: saving is refused
};

// What is wrong with the level, blocking problems first; empty when nothing is.
std::vector<Problem> levelPruefen(const Levelmodell& modell);

// True when one of the problems refuses saving.
bool speichernGesperrt(const std::vector<Problem>& probleme);
