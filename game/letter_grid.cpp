#include "game/letter_grid.h"

LetterGrid::LetterGrid() {
  Blank();
  CellOnBoard.fill(false);
}

void LetterGrid::Blank() { Letters.fill(' '); }

void LetterGrid::ComputeCellOnBoard(int height, int width) {
  CellOnBoard[0] = false;
  for (int row = 1; row <= kStride; ++row)
    for (int column = 1; column <= kStride; ++column)
      CellOnBoard[CellIndex(row, column)] = row <= height && column <= width;
}

std::string LetterGrid::Rows(int height, int width) const {
  std::string rows;
  for (int row = 1; row <= height; ++row)
    for (int column = 1; column <= width; ++column) rows += Letters[CellIndex(row, column)];
  return rows;
}

LetterGrid LetterGrid::FromRows(std::string_view rows, int height, int width) {
  LetterGrid grid;
  for (int row = 1; row <= height; ++row)
    for (int column = 1; column <= width; ++column)
      grid.Letters[CellIndex(row, column)] =
          rows[static_cast<std::size_t>((row - 1) * width + column - 1)];
  grid.ComputeCellOnBoard(height, width);
  return grid;
}
