#pragma once

#include <array>
#include <string>
#include <string_view>

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

  // The letters of a board of `height` x `width` cells, row by row.
  std::string Rows(int height, int width) const;
  // A board of `height` x `width` cells holding `rows` (as Rows gives them), the cells
  // off it blank. `rows` holds height x width letters.
  static LetterGrid FromRows(std::string_view rows, int height, int width);
};
