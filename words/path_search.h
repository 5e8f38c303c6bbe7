#pragma once

#include <string>

#include "game/letter_grid.h"

// Whether `word` can be spelled on the board: start on a cell holding its first letter
// and step, letter by letter, to one of the eight cells around the current one that
// holds the next letter. With `repeatingLettersAllowed` a cell may serve again, also for
// two letters in a row; without it a path never uses a cell twice. Only cells on the
// board take part, and letters are compared byte for byte. A word of fewer than two
// letters is never found: a path has to step at least once.
bool InPuzzle(const LetterGrid& grid, const std::string& word, bool repeatingLettersAllowed);
