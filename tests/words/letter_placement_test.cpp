#include "words/letter_placement.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

namespace {

// Letters row by row, five to a row; '.' is no letter.
LetterCells CellsOfBoard(const std::string& letters) {
  LetterCells cells{};
  for (int cell = 1; cell <= LetterGrid::kCells; ++cell)
    if (letters[cell - 1] != '.') cells[static_cast<unsigned char>(letters[cell - 1])] |= Bit(cell);
  return cells;
}

TEST(LetterPlacementTest, PlacesOfALetterNeedDistinctCellsWithinReach) {
  // Two B four king moves apart: a word may walk from one to the other, but not with
  // fewer than four steps, and not back to where it began.
  const LetterCells corners = CellsOfBoard("BAAAAAAAAAAAAAAAAAAAAAAAB");
  EXPECT_TRUE(LettersCanBePlaced(corners, "BAAAB"));
  EXPECT_FALSE(LettersCanBePlaced(corners, "BAAB"));
  // An A inside the word needs two neighbours for the letters on both sides of it.
  EXPECT_FALSE(LettersCanBePlaced(CellsOfBoard("BACCBCCCCCCCCCCCCCCCCCCCC"), "BAB"));
  EXPECT_TRUE(LettersCanBePlaced(CellsOfBoard("BABCCCCCCCCCCCCCCCCCCCCCC"), "BAB"));
}

// All ten A are needed, and no way of putting them all down keeps each within reach of
// the next; a search finds that out only after thousands of paths.
TEST(LetterPlacementTest, RefutesAHuntedBoardAtOnce) {
  EXPECT_FALSE(
      LettersCanBePlaced(CellsOfBoard("AABBABABAABABBBAABAB....."), "AABABABABBABBABABAA"));
}

// It only ever refuses what no path spells: every word read along a path fits.
TEST(LetterPlacementTest, NeverRefusesAWordReadAlongAPath) {
  std::mt19937 random(13);
  for (int round = 0; round < 3000; ++round) {
    const int letters = 1 + static_cast<int>(random() % 3);
    std::string board(25, '.');
    for (char& letter : board) letter = static_cast<char>('A' + random() % letters);
    CellSet used = 0;
    int cell = 1 + static_cast<int>(random() % 25);
    std::string word;
    for (int length = 2 + static_cast<int>(random() % 24);
         static_cast<int>(word.size()) < length;) {
      used |= Bit(cell);
      word += board[cell - 1];
      CellSet free = kNeighboursOf[cell] & ~used;
      if (free == 0) break;
      for (int skip = static_cast<int>(random() % CellCount(free)); skip > 0; --skip)
        free &= free - 1;
      cell = LowestCell(free);
    }
    ASSERT_TRUE(LettersCanBePlaced(CellsOfBoard(board), word)) << board << " " << word;
  }
}

}  // namespace
