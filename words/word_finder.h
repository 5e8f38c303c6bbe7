#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/letter_grid.h"
#include "words/check_session.h"

struct SessionWords;

// A word traced on the board: its letters as the board holds them, and the cells
// (1..25) of one path that spells it, in order.
struct BoardWord {
  std::string Word;
  std::vector<int> Path;
};

// Every word of at least `minimumWordLength` letters that the board search finds on the
// board and the session accepts: exactly the words for which InPuzzle and InSpeller
// both answer true. The walk follows only beginnings the dictionary holds, so it stays
// small also when a cell may serve more than once. Each word comes once, with the first
// path in the order the board search tries start cells and moves.
std::vector<BoardWord> FindWords(const LetterGrid& grid, const CheckSession& session,
                                 int32_t minimumWordLength, bool repeatingLettersAllowed);
// The same over the words of a session already taken from it.
std::vector<BoardWord> FindWords(const LetterGrid& grid, const SessionWords& words,
                                 int32_t minimumWordLength, bool repeatingLettersAllowed);
