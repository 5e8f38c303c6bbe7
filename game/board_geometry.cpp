#include "game/board_geometry.h"

#include "presentation/layout_scaling.h"

BoardGeometry GeometryFor(int32_t height, int32_t width, double scaleFactor) {
  BoardGeometry geometry;
  geometry.TileSize = Scaled(60, scaleFactor);
  geometry.BoardTop = Scaled(height == 5 ? 14 : 44, scaleFactor);
  geometry.BoardLeft = Scaled(width == 5 ? 26 : 56, scaleFactor);
  geometry.Height = height;
  geometry.Width = width;
  return geometry;
}

CellBounds CellRect(const BoardGeometry& geometry, int cell) {
  const int row0 = (cell - 1) / LetterGrid::kStride;
  const int column0 = (cell - 1) % LetterGrid::kStride;
  return {geometry.BoardLeft + column0 * geometry.TileSize,
          geometry.BoardTop + row0 * geometry.TileSize, geometry.TileSize};
}

int GetLetterIndex(const BoardGeometry& geometry, const LetterGrid& grid, int x, int y) {
  const int32_t right = geometry.BoardLeft + geometry.Width * geometry.TileSize;
  const int32_t bottom = geometry.BoardTop + geometry.Height * geometry.TileSize;
  if (x < geometry.BoardLeft || x >= right || y < geometry.BoardTop || y >= bottom) return -1;
  const int row0 = (y - geometry.BoardTop) / geometry.TileSize;
  const int column0 = (x - geometry.BoardLeft) / geometry.TileSize;
  const int cell = row0 * LetterGrid::kStride + column0 + 1;
  if (cell < 1 || cell > LetterGrid::kCells) return -1;
  return grid.CellOnBoard[cell] ? cell : -1;
}

bool InsideBoard(const BoardGeometry& geometry, int x, int y) {
  return geometry.BoardLeft < x && x < geometry.BoardLeft + geometry.TileSize * geometry.Width &&
         geometry.BoardTop < y && y < geometry.BoardTop + geometry.TileSize * geometry.Height;
}
