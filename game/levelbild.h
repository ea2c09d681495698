#pragma once

// Level files from a picture of the board, for the tests and the benchmarks.

#include <string>
#include <vector>

// File units of cell c: the editor's raster of 25 units per cell.
inline std::string einheiten(int zelle) {
    return std::to_string(25 * zelle);
}

// A level file from a picture of the board, one string per row:
// '#' wall, '$' box, '.' storage place, '*' box on a storage place, 'T' TNT box,
// 't' TNT box on a storage place, '=' border, '@' figure, '+' figure on a storage place.
// Entries follow in reading order, so within a kind the table indices do too.
inline std::vector<std::string> levelAusBild(const std::vector<std::string>& bild,
                                             const std::string& kopf = "fTester") {
    std::vector<std::string> zeilen{kopf, "0", "0"};
    for (int r = 0; r < static_cast<int>(bild.size()); ++r) {
        for (int c = 0; c < static_cast<int>(bild[r].size()); ++c) {
            const auto eintrag = [&](const char* wort) {
                zeilen.insert(zeilen.end(), {wort, einheiten(c), einheiten(r)});
            };
            switch (bild[r][c]) {
            case '#':
                eintrag("mauer");
                break;
            case '$':
                eintrag("kiste");
                break;
            case '.':
                eintrag("stell");
                break;
            case '*':
                eintrag("gestellt");
                break;
            case 'T':
                eintrag("tnt");
                break;
            case 't':
                eintrag("tntgestellt");
                break;
            case '=':
                eintrag("rand");
                break;
            case '+':
                eintrag("stell");
                [[fallthrough]];
            case '@':
                zeilen[1] = einheiten(c);
                zeilen[2] = einheiten(r);
                break;
            default:
                break;
            }
        }
    }
    return zeilen;
}
