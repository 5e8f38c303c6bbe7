#pragma once

#include <array>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "game/letter_grid.h"

// Letters row by row, five to a row whatever the board's size; cells outside
// height x width keep their letter but are off the board.
inline LetterGrid MakeGrid(const std::string& letters, int height = 5, int width = 5) {
  LetterGrid grid;
  for (int cell = 1; cell <= LetterGrid::kCells; ++cell) grid.Letters[cell] = letters[cell - 1];
  grid.ComputeCellOnBoard(height, width);
  return grid;
}

// The letters along a random path that never reuses a cell, from a random start until
// it is stuck or `length` letters long.
inline std::string RandomPathWord(const LetterGrid& grid, int height, int width,
                                  std::mt19937& random, int length = LetterGrid::kCells) {
  std::array<bool, LetterGrid::kCells + 1> used{};
  int row = 1 + static_cast<int>(random() % height);
  int column = 1 + static_cast<int>(random() % width);
  std::string word;
  while (true) {
    const int cell = (row - 1) * 5 + column;
    used[cell] = true;
    word += grid.Letters[cell];
    std::vector<std::pair<int, int>> onward;
    for (int down = -1; down <= 1; ++down)
      for (int right = -1; right <= 1; ++right) {
        const int r = row + down, c = column + right;
        if (r >= 1 && r <= height && c >= 1 && c <= width && !used[(r - 1) * 5 + c])
          onward.emplace_back(r, c);
      }
    if (onward.empty() || static_cast<int>(word.size()) == length) return word;
    std::tie(row, column) = onward[random() % onward.size()];
  }
}
