#pragma once

#include <array>

// The board: 25 cells indexed 1..25 with a row stride of 5, whatever the board's width.
// index = (row - 1) * 5 + column. A blank letter means no letter yet.
struct LetterGrid {
  static constexpr int kCells = 25;
  static constexpr int kStride = 5;

  // Element 0 is unused so that the code can index 1..25 like the board is numbered.
  std::array<char, kCells + 1> Letters{};
  std::array<bool, kCells + 1> CellOnBoard{};

  LetterGrid();
  bool operator==(const LetterGrid&) const = default;

  static int CellIndex(int row, int column) { return (row - 1) * kStride + column; }

  void Blank();
  // Cells with row <= height and column <= width lie on the board.
  void ComputeCellOnBoard(int height, int width);
};
