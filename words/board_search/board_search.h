#pragma once

#include <string>

#include "game/letter_grid.h"

// Whether `word` can be spelled on the board: start on a cell holding its first letter
// and step, letter by letter, to one of the eight cells around the current one that
// holds the next letter. With `repeatingLettersAllowed` a cell may serve again, also for
// two letters in a row; without it a path never uses a cell twice. Only cells on the
// board take part, and letters are compared byte for byte. A word of fewer than two
// letters is never found: a path has to step at least once.
//
// With repeats a walk is followed in linear time. Without them the search is exact but
// exponential at worst: three depth-first path searches (from the word's rarest letter,
// its first and its last) take turns under a growing budget, and once the first round
// of 64 states each has not settled it, a max-flow bound on the steps between each pair
// of letters and a constraint search over the cells each letter may take join them. A
// dealt board's word is settled in about 2 µs; a 5 × 5 board of A and B with a
// 21-letter word of both, `ABBAB/BBABA/BBBAB/ABABA/BABAB` and `AAABBBBBBABBABBABBABB`,
// the slowest known, takes about 9 ms (bench/README.md).
bool InPuzzle(const LetterGrid& grid, const std::string& word, bool repeatingLettersAllowed);
