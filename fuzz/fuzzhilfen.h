#pragma once

// Shared by the fuzz harnesses: a folder of their own and the checks that stop a run
// when an invariant breaks. They draw on the core's `OhneBild`.

#include "game/brett.h"
#include "game/zeichenflaeche.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

// A broken invariant is a finding: libFuzzer keeps the input that led to it.
#define FUZZ_PRUEFEN(bedingung)                                                                    \
    do {                                                                                           \
        if (!(bedingung)) {                                                                        \
            std::fprintf(stderr, "Invariante verletzt: %s (%s:%d)\n", #bedingung, __FILE__,        \
                         __LINE__);                                                                \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// One program folder for the whole fuzzing process, ending in '/'.
inline const std::string& fuzzOrdner() {
    static const std::string ordner = [] {
        std::string vorlage =
            (std::filesystem::temp_directory_path() / "lagerix-fuzz-XXXXXX").string();
        if (::mkdtemp(vorlage.data()) == nullptr)
            std::abort();
        return vorlage + '/';
    }();
    return ordner;
}

inline void dateiAnlegen(const std::string& pfad, std::string_view bytes) {
    std::ofstream(pfad, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The board as start-up leaves it: the border laid, nothing else.
inline const Brett& leeresBrett() {
    static const Brett brett = [] {
        Brett b;
        b.randAnlegen();
        return b;
    }();
    return brett;
}

// The border stays as start-up laid it, and no free entry can be found on the board.
inline void randUndFreieEintraegePruefen(const Brett& brett) {
    const Brett& leer = leeresBrett();
    FUZZ_PRUEFEN(brett.randAnzahl == leer.randAnzahl);
    for (int i = 1; i <= leer.randAnzahl; ++i)
        FUZZ_PRUEFEN(brett.felder[i] == leer.felder[i]);
    for (const auto& f : brett.felder) {
        if (f.art.empty())
            FUZZ_PRUEFEN(f.x == Brett::abseits && f.y == Brett::abseits);
    }
}
