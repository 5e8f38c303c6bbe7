#pragma once

#include <string>

#include "words/cell_set.h"

// Whether every letter of the word with few cells on the board can have all its places in
// the word on distinct cells at once: two places k letters apart lie at most k king moves
// apart, and each place keeps only the cells whose neighbours can hold the letters beside
// it. Only a necessary condition, and one that gives up (answers true) when trying the
// placements would take long: trying them all is exponential in the letter's count.
bool LettersCanBePlaced(const LetterCells& cells, const std::string& word);
