#pragma once

#include <cstdint>

#include "game/letter_grid.h"

// Where the board lies in the client area, from the board size and the window scale
// alone, so painting and picking always agree.
struct BoardGeometry {
  int32_t TileSize = 60;
  int32_t BoardTop = 44;
  int32_t BoardLeft = 56;
  int32_t Height = 4;
  int32_t Width = 4;
};

BoardGeometry GeometryFor(int32_t height, int32_t width, double scaleFactor);

struct CellBounds {
  int32_t Left, Top, Size;
};
CellBounds CellRect(const BoardGeometry& geometry, int cell);

// The on-board cell under a point of the client area, or -1.
int GetLetterIndex(const BoardGeometry& geometry, const LetterGrid& grid, int x, int y);

// Strictly inside the board's outline: where the grid cursor shows.
bool InsideBoard(const BoardGeometry& geometry, int x, int y);
