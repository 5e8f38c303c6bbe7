#include "words/board_search/constraint_search.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "tests/words/board_search/hunted_cases.h"
#include "tests/words/board_search/plain_path_search.h"
#include "tests/words/board_search/test_board.h"

namespace {

using Outcome = ConstraintSearch::Outcome;

// Letters row by row, five to a row whatever the board's size; '.' is off the board.
struct Board {
  std::string letters;
  int height = 5;
  int width = 5;

  LetterGrid Grid() const { return MakeGrid(letters, height, width); }

  LetterCells Cells() const { return CellsByLetter(Grid()); }

  bool PlainAnswer(const std::string& word) const {
    const LetterGrid grid = Grid();
    return PlainSearch(grid, word, height, width, false).InPuzzle();
  }
};

// The search takes only words the board has enough cells for; the others are refused
// before it starts.
bool FitsTheBoard(const LetterCells& cells, const std::string& word) {
  std::array<int, 256> needed{};
  for (const char letter : word) ++needed[static_cast<unsigned char>(letter)];
  for (int letter = 0; letter < 256; ++letter)
    if (needed[letter] > CellCount(cells[letter])) return false;
  return word.size() >= 2 && word.size() <= static_cast<size_t>(LetterGrid::kCells);
}

// Runs the search in turns of a growing budget until it answers, as the path search
// runs it.
bool Solve(const LetterCells& cells, const std::string& word, int64_t budget) {
  ConstraintSearch search(cells, word);
  for (;; budget += budget / 2 + 1) {
    const Outcome outcome = search.Run(budget);
    if (outcome != Outcome::OutOfBudget) return outcome == Outcome::Found;
  }
}

// What the narrowing at the root decides, before any choice is made.
Outcome RootOutcome(const Board& board, const std::string& word) {
  return ConstraintSearch(board.Cells(), word).Run(0);
}

// Boards of one to three letters in every size; half the words read along a path and
// then changed here and there, half random, up to two letters longer than the board.
// Small budgets make the search resume many times over its remembered failures.
TEST(ConstraintSearchTest, AgreesWithThePlainSearchOnRandomBoards) {
  std::mt19937 random(1515);
  const int sizes[4][2] = {{4, 4}, {4, 5}, {5, 4}, {5, 5}};
  int judged = 0;
  int found = 0;
  for (int round = 0; round < 4000; ++round) {
    Board board{std::string(25, '.'), sizes[round % 4][0], sizes[round % 4][1]};
    const int alphabet = 1 + static_cast<int>(random() % 3);
    for (char& letter : board.letters) letter = static_cast<char>('A' + random() % alphabet);
    const int cells = board.height * board.width;
    std::string word;
    if (round % 2 == 0) {
      word = RandomPathWord(board.Grid(), board.height, board.width, random);
      for (int change = 1 + static_cast<int>(random() % 3); change > 0; --change) {
        const size_t at = random() % word.size();
        if (random() % 2 == 0 && static_cast<int>(word.size()) < cells + 2)
          word.insert(word.begin() + at, word[random() % word.size()]);
        else
          word[at] = static_cast<char>('A' + random() % alphabet);
      }
    } else {
      const int length = 2 + static_cast<int>(random() % (cells + 1));
      for (int i = 0; i < length; ++i) word += static_cast<char>('A' + random() % alphabet);
    }
    const LetterCells letterCells = board.Cells();
    if (!FitsTheBoard(letterCells, word)) continue;
    const LetterGrid grid = board.Grid();
    PlainSearch plain(grid, word, board.height, board.width, false, 2'000'000);
    const bool expected = plain.InPuzzle();
    if (plain.GaveUp()) continue;
    const int64_t budget = round % 3 == 0 ? 1 : 1'000'000;
    ASSERT_EQ(Solve(letterCells, word, budget), expected)
        << board.letters << " " << board.height << "x" << board.width << " " << word;
    ++judged;
    found += expected;
  }
  EXPECT_GT(judged, 2000);
  EXPECT_GT(judged - found, 150);
}

TEST(ConstraintSearchTest, AgreesWithThePlainSearchOnTheHuntsSlowestCases) {
  for (const HuntedCase& hunted : kSlowestHuntedCases) {
    const Board board{hunted.letters, hunted.height, hunted.width};
    EXPECT_EQ(Solve(board.Cells(), hunted.word, 50), board.PlainAnswer(hunted.word))
        << hunted.letters << " " << hunted.word;
  }
}

// Each board below is refuted by one rule of the narrowing at the root, where a walk
// that may reuse cells still spells the word.

TEST(ConstraintSearchTest, ALetterInsideTheWordNeedsTwoDistinctNeighbours) {
  // ABA: the one B touches only one A.
  const Board board{
      "ABDDD"
      "DDDDD"
      "DDDDD"
      "DDDDD"
      "DDDDA"};
  EXPECT_EQ(RootOutcome(board, "ABA"), Outcome::NotFound);
  EXPECT_FALSE(board.PlainAnswer("ABA"));
}

TEST(ConstraintSearchTest, PositionsTakeDistinctCellsAllAtOnce) {
  // The A of ABACA before B, between B and C and after C all need one of the two A
  // cells that touch both; the third A is far away. Each pair of them fits.
  const Board board{
      "DADDD"
      "BDCDD"
      "DADDD"
      "DDDDD"
      "DDDDA"};
  EXPECT_EQ(RootOutcome(board, "ABACA"), Outcome::NotFound);
  EXPECT_FALSE(board.PlainAnswer("ABACA"));
  EXPECT_TRUE(board.PlainAnswer("ABAC"));
}

TEST(ConstraintSearchTest, OccurrencesOfARareLetterLieWithinReachOfEachOther) {
  // BAAB: the two B are three steps apart in the word but four king moves on the board.
  const Board board{
      "BAAAA"
      "AAAAA"
      "AAAAA"
      "AAAAA"
      "AAAAB"};
  EXPECT_EQ(RootOutcome(board, "BAAB"), Outcome::NotFound);
  EXPECT_FALSE(board.PlainAnswer("BAAB"));
  EXPECT_TRUE(board.PlainAnswer("BAAAB"));
}

TEST(ConstraintSearchTest, ResumesWhereItRanOutOfBudget) {
  const Board board{
      "BBBBB"
      "AAAAA"
      "BABAB"
      "AAAAA"
      "AAAAA"};
  const std::string word = "AAAAABABABAAAABABABABAA";
  ConstraintSearch search(board.Cells(), word);
  int turns = 0;
  Outcome outcome = Outcome::OutOfBudget;
  for (int64_t budget = 10; outcome == Outcome::OutOfBudget; budget += budget / 2, ++turns)
    outcome = search.Run(budget);
  EXPECT_GT(turns, 3);
  EXPECT_EQ(outcome == Outcome::Found, board.PlainAnswer(word));
}

}  // namespace
