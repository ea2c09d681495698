#include "game/abschluss.h"

#include "game/brett.h"

bool abschlussPruefen(Brett& brett) {
    if (brett.kistenGesamt == 0 || brett.kistenAbgestellt != brett.kistenGesamt || brett.geschafft)
        return false;
    brett.brettGesperrt = true;
    brett.geschafft = true;
    return true;
}
