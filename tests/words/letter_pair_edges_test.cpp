#include "words/letter_pair_edges.h"

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

// The bottom row of B can only step to the four A above it, and no A in the word has a
// B on both sides: 4 steps there and 6 around the other three B, 11 wanted.
TEST(LetterPairEdgesTest, EachLetterTakesNoMoreStepsToTheOtherThanTheWordGivesIt) {
  const LetterCells cells = CellsOfBoard("AAAA.BBAB.AAAA.AAAA.BBBB.");
  EXPECT_FALSE(LetterPairEdgesFit(cells, "BAABAABAAABAABAABA"));
  // With an A between two B the same board has room.
  EXPECT_TRUE(LetterPairEdgesFit(cells, "BABAABAAABAABAABA"));
}

TEST(LetterPairEdgesTest, StepsBetweenEqualLettersNeedNeighbouringCells) {
  EXPECT_FALSE(LetterPairEdgesFit(CellsOfBoard("A.A......................"), "AA"));
  EXPECT_TRUE(LetterPairEdgesFit(CellsOfBoard("AA......................."), "AA"));
  // Each step counted from both of its cells: a square of four A takes a word of four.
  EXPECT_TRUE(LetterPairEdgesFit(CellsOfBoard("AA...AA.................."), "AAAA"));
}

// It only ever refuses what no path spells: every word read along a path fits.
TEST(LetterPairEdgesTest, NeverRefusesAWordReadAlongAPath) {
  std::mt19937 random(11);
  for (int round = 0; round < 3000; ++round) {
    const int letters = 1 + static_cast<int>(random() % 3);
    std::string board(25, '.');
    for (char& letter : board) letter = static_cast<char>('A' + random() % letters);
    std::array<bool, LetterGrid::kCells + 1> used{};
    int cell = 1 + static_cast<int>(random() % 25);
    std::string word;
    for (int length = 2 + static_cast<int>(random() % 24);
         static_cast<int>(word.size()) < length;) {
      used[cell] = true;
      word += board[cell - 1];
      CellSet free = kNeighboursOf[cell];
      for (int other = 1; other <= LetterGrid::kCells; ++other)
        if (used[other]) free &= ~Bit(other);
      if (free == 0) break;
      for (int skip = static_cast<int>(random() % CellCount(free)); skip > 0; --skip)
        free &= free - 1;
      cell = LowestCell(free);
    }
    ASSERT_TRUE(LetterPairEdgesFit(CellsOfBoard(board), word)) << board << " " << word;
  }
}

}  // namespace
