#pragma once

#include <vector>

// The cheapest assignment of every row to a column of its own (rows ≤ columns), by the
// Hungarian method in O(rows² · columns). `kosten` is row-major, `spalten` wide. Costs
// at or above `unendlich` mean "not possible"; the result is `unendlich` when no
// assignment avoids them.
int billigsteZuordnung(const std::vector<int>& kosten, int zeilen, int spalten, int unendlich);
