#pragma once

// Shared by the solver tests: a solution played on the board as the checker plays it.

#include "testhilfen.h"

#include "game/abschluss.h"
#include "game/loeser/loeser.h"

#include <string>

// Plays the keys the way the checker does and polls completion once at the end.
inline ::testing::AssertionResult spieltSichDurch(Brett brett, const std::string& zuege) {
    Aufzeichnung flaeche;
    for (std::size_t i = 0; i < zuege.size(); ++i) {
        if (!tasteVerarbeiten(brett, zugTaste(zuege[i]), flaeche).geschritten)
            return ::testing::AssertionFailure()
                   << "Zug " << i << " von " << zuege << " geht nicht";
    }
    if (!abschlussPruefen(brett))
        return ::testing::AssertionFailure() << zuege << " löst das Level nicht";
    return ::testing::AssertionSuccess();
}
