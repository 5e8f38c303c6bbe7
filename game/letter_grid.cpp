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
