#pragma once

// The solver: finds the fewest steps that complete a started level, following the move
// rule to the letter (pushes, storage places, TNT boxes blasting walls).
//
// Use from a window: copy the board, run `loesen` on a worker thread with a
// `Fortschritt` that posts its reports to the window, and set `abbrechen` from the
// Cancel button; the call returns soon after with `Ergebnis::unbekannt`.
//
//     Loeseroptionen optionen;
//     optionen.abbrechen = &abbruchFlagge;
//     const Loesung l = loesen(brettKopie, optionen, &fortschritt);
//     if (l.ergebnis == Ergebnis::geloest) ... l.zuege, l.schritte()

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

class Brett;

struct Loeseroptionen {
    // Any solution, found fast, without the proof that none is shorter.
    bool schnell = false;
    // Limits; the search ends with `unbekannt` when one is reached. Zero: no limit.
    std::chrono::milliseconds zeitGrenze{0};
    std::uint64_t zustandsGrenze = 0;
    std::size_t speicherGrenze = std::size_t{1} << 30; // bytes of the search's own tables
    // Polled during the search; true ends it.
    const std::atomic<bool>* abbrechen = nullptr;
};

// A report during the search: one before the first position is expanded, with the
// bound on the start, then a few times a second at most.
struct Suchstand {
    std::uint64_t zustaende = 0; // positions stored so far
    int schranke = 0;            // lower bound on the steps of any solution not yet ruled out
    std::size_t speicher = 0;    // bytes in use by the search
};

class Fortschritt {
  public:
    virtual ~Fortschritt() = default;
    // Called on the searching thread.
    virtual void melden(const Suchstand& stand) = 0;
};

enum class Ergebnis {
    geloest,   // `zuege` completes the level
    unloesbar, // every reachable position has been searched: nothing completes it
    unbekannt, // a limit or the caller ended the search, or the board is no grid (`grund`)
};

// What ended a search without an answer, so that the answer can name it and say how to
// raise it.
enum class Grenze {
    keine,    // an answer, or a board the solver cannot read (`Loesung::grund`)
    abbruch,  // `Loeseroptionen::abbrechen`
    zeit,     // `Loeseroptionen::zeitGrenze`
    speicher, // the memory cap, the cap on positions, or more positions than can be counted
};

struct Loesung {
    Ergebnis ergebnis = Ergebnis::unbekannt;
    // Cursor keys as the checker takes them: l r o u (left, right, up, down), one a step.
    std::string zuege;
    int schuebe = 0;               // the steps of `zuege` that push a box or a TNT box
    bool optimal = false;          // no shorter solution exists
    std::string grund;             // for `unbekannt`: a German sentence
    Grenze grenze = Grenze::keine; // for `unbekannt`: the limit that ended the search
    std::uint64_t zustaende = 0;
    std::size_t spitzenSpeicher = 0; // bytes, peak of the search's own tables

    int schritte() const { return static_cast<int>(zuege.size()); }
};

// The cursor key code of one letter of `Loesung::zuege`; 0 for any other character.
int zugTaste(char zug);

// `brett` is a started board as the level start leaves it (or any later position).
Loesung loesen(const Brett& brett, const Loeseroptionen& optionen, Fortschritt* fortschritt);

// The fewest steps when their proof ends within the limits; when a limit ends it first,
// any solution found fast within the same limits (not `optimal`), so that whether the
// level can be solved is still answered. A cancelled search stays cancelled.
Loesung loesenOderBeispiel(const Brett& brett, Loeseroptionen optionen, Fortschritt* fortschritt);
