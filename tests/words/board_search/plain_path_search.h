#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/letter_grid.h"

// The search as first written: depth-first over every path, no pruning. Slow on boards
// of equal letters, which is why it lives only with the tests and the hunt, as the judge
// of the real one. With a step limit it gives up rather than run for minutes.
class PlainSearch {
 public:
  PlainSearch(const LetterGrid& grid, const std::string& word, int height, int width, bool repeats,
              int64_t stepLimit = INT64_MAX)
      : grid_(grid),
        word_(word),
        height_(height),
        width_(width),
        repeats_(repeats),
        stepsLeft_(stepLimit) {}

  bool InPuzzle() {
    visited_.fill(false);
    for (int row = 1; row <= height_; ++row)
      for (int column = 1; column <= width_; ++column) {
        const int cell = (row - 1) * 5 + column;
        if (grid_.Letters[cell] == Letter(1) && ExtendPath(cell, 2, Letter(2))) return true;
      }
    return false;
  }

  // True when the step limit cut the search short: the answer of InPuzzle is then void.
  bool GaveUp() const { return stepsLeft_ < 0; }

 private:
  char Letter(int position) const {
    return position <= static_cast<int>(word_.size()) ? word_[position - 1] : '\0';
  }

  bool ExtendPath(int cell, int position, char letter) {
    static constexpr int kMoves[9] = {-6, -5, -4, 1, 6, 5, 4, -1, 0};
    if (--stepsLeft_ < 0) return false;
    visited_[cell] = true;
    const bool column1 = cell % 5 == 1;
    const bool column5 = cell % 5 == 0;
    for (int move = 0; move < 9; ++move) {
      const int offset = kMoves[move];
      if (column1 && (offset == -6 || offset == 4 || offset == -1)) continue;
      if (column5 && (offset == -4 || offset == 1 || offset == 6)) continue;
      if (offset == 0 && !repeats_) continue;
      const int target = cell + offset;
      if (target < 1 || target > 25 || !grid_.CellOnBoard[target]) continue;
      if (visited_[target] && !repeats_) continue;
      if (grid_.Letters[target] != letter) continue;
      if (position == static_cast<int>(word_.size())) return true;
      if (position < static_cast<int>(word_.size()) &&
          ExtendPath(target, position + 1, Letter(position + 1)))
        return true;
    }
    visited_[cell] = false;
    return false;
  }

  const LetterGrid& grid_;
  const std::string& word_;
  int height_, width_;
  bool repeats_;
  int64_t stepsLeft_;
  std::array<bool, 26> visited_{};
};
