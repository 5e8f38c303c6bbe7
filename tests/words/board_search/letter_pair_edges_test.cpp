#include "words/board_search/letter_pair_edges.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tests/words/board_search/test_board.h"

namespace {

// Letters row by row, five to a row; '.' holds no letter of the words tried.
LetterCells CellsOfBoard(const std::string& letters) { return CellsByLetter(MakeGrid(letters)); }

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
    const std::string word =
        RandomPathWord(MakeGrid(board), 5, 5, random, 2 + static_cast<int>(random() % 24));
    ASSERT_TRUE(LetterPairEdgesFit(CellsOfBoard(board), word)) << board << " " << word;
  }
}

}  // namespace
