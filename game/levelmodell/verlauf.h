#pragma once

#include "levelmodell.h"

#include <cstddef>
#include <deque>

// Undo and redo of the editor: whole snapshots of the level, which are small.
class Verlauf {
  public:
    static constexpr std::size_t tiefe = 500; // oldest steps are forgotten beyond it

    // Records the level as it was before a change; a new change forgets the redo steps.
    void merken(const Levelmodell& vorher);

    // Both swap `modell` with the snapshot; false when there is none.
    bool rueckgaengig(Levelmodell& modell);
    bool wiederherstellen(Levelmodell& modell);

    void leeren();

  private:
    std::deque<Levelmodell> zurueck;
    std::deque<Levelmodell> vor;
};
