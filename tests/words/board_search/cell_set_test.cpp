#include "words/board_search/cell_set.h"

#include <gtest/gtest.h>

#include <random>

namespace {

int NeighboursIn(int cell, CellSet cells) { return CellCount(kNeighboursOf[cell] & cells); }

TEST(CellSetTest, NeighboursStayOnTheirSideOfTheBoard) {
  EXPECT_EQ(Neighbours(Bit(1)), Bit(2) | Bit(6) | Bit(7));
  EXPECT_EQ(Neighbours(Bit(5)), Bit(4) | Bit(9) | Bit(10));
  EXPECT_EQ(Neighbours(Bit(21)), Bit(16) | Bit(17) | Bit(22));
  EXPECT_EQ(Neighbours(Bit(25)), Bit(19) | Bit(20) | Bit(24));
  EXPECT_EQ(CellCount(Neighbours(Bit(13))), 8);
  EXPECT_EQ(Neighbours(Bit(13)) & Bit(13), 0u);
}

// The bit-sliced count against counting each cell's neighbours one by one.
TEST(CellSetTest, NextToTwoFindsTheCellsWithTwoNeighboursInTheSet) {
  std::mt19937 random(5);
  for (int round = 0; round < 20000; ++round) {
    CellSet cells = random() & kAllCells;
    if (round % 2 == 0) cells &= random();  // sparse sets too
    const CellSet twice = NextToTwo(cells);
    for (int cell = 1; cell <= LetterGrid::kCells; ++cell)
      ASSERT_EQ((twice & Bit(cell)) != 0, NeighboursIn(cell, cells) >= 2) << cells << " " << cell;
  }
}

TEST(CellSetTest, ConnectedWithinGrowsOnlyThroughAllowedCells) {
  // Column 3 walls off the left two columns from the right two.
  const CellSet wall = Bit(3) | Bit(8) | Bit(13) | Bit(18) | Bit(23);
  const CellSet left =
      Bit(1) | Bit(2) | Bit(6) | Bit(7) | Bit(11) | Bit(12) | Bit(16) | Bit(17) | Bit(21) | Bit(22);
  EXPECT_EQ(ConnectedWithin(Bit(1), kAllCells & ~wall), left);
  EXPECT_EQ(ConnectedWithin(Bit(1) | Bit(5), kAllCells & ~wall), kAllCells & ~wall);
  EXPECT_EQ(ConnectedWithin(Bit(3), kAllCells & ~wall), 0u);
  // Diagonal steps connect.
  EXPECT_EQ(ConnectedWithin(Bit(1), Bit(1) | Bit(7) | Bit(13)), Bit(1) | Bit(7) | Bit(13));
}

}  // namespace
