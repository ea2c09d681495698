#pragma once

class Brett;

// One poll of the completion test. The first time every ordinary box stands on a
// storage place, the board is locked and marked as handled, and true is returned:
// the caller announces it. Later polls return false until the next level start.
bool abschlussPruefen(Brett& brett);
