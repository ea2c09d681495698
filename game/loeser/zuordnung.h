#pragma once

#include <vector>

// The cheapest assignment of every row to a column of its own, by the Hungarian method
// in O(rows² · columns), most often far less: rows whose cheapest column no other row
// takes cost one pass. `kosten` is row-major, `spalten` wide. Costs at or above
// `unendlich` mean "not possible"; the result is `unendlich` when no assignment avoids
// them or there are more rows than columns. The solver asks for millions of them, so the working
// rows are kept from one call to the next.
class Zuordnung {
  public:
    int billigste(const std::vector<int>& kosten, int zeilen, int spalten, int unendlich);

  private:
    std::vector<long long> u, v, minimum;
    std::vector<int> zeileVon, vorgaenger, uebrig;
    std::vector<bool> benutzt;
};
