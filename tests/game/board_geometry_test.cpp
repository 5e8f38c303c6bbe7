#include "game/board_geometry.h"

#include <gtest/gtest.h>

namespace {

TEST(BoardGeometryTest, TilesAndOffsetsAtEveryScale) {
  struct Row {
    double scale;
    int tile, top5, top4, left5, left4;
  };
  for (const Row& row : {Row{1.0, 60, 14, 44, 26, 56}, Row{1.25, 75, 17, 55, 32, 70},
                         Row{1.6, 96, 22, 70, 41, 89}, Row{2.0, 120, 28, 88, 52, 112}}) {
    SCOPED_TRACE(row.scale);
    const BoardGeometry five = GeometryFor(5, 5, row.scale);
    const BoardGeometry four = GeometryFor(4, 4, row.scale);
    EXPECT_EQ(five.TileSize, row.tile);
    EXPECT_EQ(five.BoardTop, row.top5);
    EXPECT_EQ(four.BoardTop, row.top4);
    EXPECT_EQ(five.BoardLeft, row.left5);
    EXPECT_EQ(four.BoardLeft, row.left4);
  }
}

TEST(BoardGeometryTest, PicksOnlyCellsOnTheBoard) {
  LetterGrid grid;
  grid.ComputeCellOnBoard(5, 5);
  const BoardGeometry five = GeometryFor(5, 5, 1.0);
  EXPECT_EQ(GetLetterIndex(five, grid, 26, 14), 1);
  EXPECT_EQ(GetLetterIndex(five, grid, 325, 313), 25);
  EXPECT_EQ(GetLetterIndex(five, grid, 326, 100), -1);  // right edge excluded
  EXPECT_EQ(GetLetterIndex(five, grid, 330, 100), -1);
  EXPECT_EQ(GetLetterIndex(five, grid, 20, 100), -1);

  grid.ComputeCellOnBoard(5, 4);
  const BoardGeometry tall = GeometryFor(5, 4, 1.0);
  EXPECT_EQ(GetLetterIndex(tall, grid, 56 + 4 * 60 - 1, 14), 4);
  EXPECT_EQ(GetLetterIndex(tall, grid, 56 + 4 * 60, 14), -1);  // just right of column 4

  const BoardGeometry large = GeometryFor(5, 4, 2.0);
  EXPECT_EQ(GetLetterIndex(large, grid, 112 + 120, 28 + 240), 12);
}

TEST(BoardGeometryTest, GridCursorOnlyStrictlyInside) {
  const BoardGeometry four = GeometryFor(4, 4, 1.0);
  EXPECT_TRUE(InsideBoard(four, 57, 45));
  EXPECT_FALSE(InsideBoard(four, 56, 100));
  EXPECT_FALSE(InsideBoard(four, 296, 100));
  EXPECT_FALSE(InsideBoard(four, 100, 284));
  const CellBounds last = CellRect(four, 19);
  EXPECT_EQ(last.Left, 56 + 3 * 60);
  EXPECT_EQ(last.Top, 44 + 3 * 60);
}

}  // namespace
