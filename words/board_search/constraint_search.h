#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "words/board_search/cell_set.h"

// Whether the word can be traced without reusing a cell, decided as a small constraint
// problem: every position of the word keeps the set of cells it can still take, and
// each choice is followed by narrowing all sets as far as the rules of a path allow
// before the next choice. Much dearer per step than growing a path, but it sees how the
// whole word has to sit on the board at once, which is where growing a path from one
// letter loses its way on boards of two or three letters.
//
// The word has at most as many letters as the board has cells, and each letter of it
// at least as many cells as the word holds of it.
class ConstraintSearch {
 public:
  ConstraintSearch(const LetterCells& cells, const std::string& word);
  ~ConstraintSearch();
  ConstraintSearch(ConstraintSearch&&) noexcept;
  ConstraintSearch& operator=(ConstraintSearch&&) noexcept;

  enum class Outcome { Found, NotFound, OutOfBudget };

  // Searches on, past the failed states earlier calls remembered, until the answer is
  // known or `budget` more choices have been tried.
  Outcome Run(int64_t budget);

 private:
  class Solver;
  std::unique_ptr<Solver> solver_;
};
