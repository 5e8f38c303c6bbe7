#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "tests/words/board_search/hunted_cases.h"
#include "tests/words/board_search/plain_path_search.h"
#include "tests/words/board_search/test_board.h"
#include "words/board_search/board_search.h"

namespace {

constexpr bool kRepeats = true;
constexpr bool kNoRepeats = false;

const std::string kAlphabetBoard =
    "ABCDE"
    "FGHIJ"
    "KLMNO"
    "PQRST"
    "UVWXY";

TEST(InPuzzleTest, FollowsNeighboursInAllEightDirections) {
  const LetterGrid grid = MakeGrid(kAlphabetBoard, 5, 5);
  EXPECT_TRUE(InPuzzle(grid, "AGMSY", kNoRepeats));  // the diagonal 1, 7, 13, 19, 25
  EXPECT_TRUE(InPuzzle(grid, "YSMGA", kNoRepeats));
  EXPECT_TRUE(InPuzzle(grid, "UQMIE", kNoRepeats));
  EXPECT_TRUE(InPuzzle(grid, "MHGLQRSN", kNoRepeats));  // all the way round M
  EXPECT_TRUE(InPuzzle(grid, "AB", kNoRepeats));
  EXPECT_FALSE(InPuzzle(grid, "AC", kNoRepeats));
  EXPECT_FALSE(InPuzzle(grid, "AM", kNoRepeats));
}

TEST(InPuzzleTest, NeverWrapsAcrossTheSideEdges) {
  const LetterGrid grid = MakeGrid(kAlphabetBoard, 5, 5);
  // Each pair is one cell number apart as a move would be, but on opposite edges.
  for (const char* word : {"EF", "FE", "EK", "KE", "FJ", "JF"}) {
    EXPECT_FALSE(InPuzzle(grid, word, kRepeats)) << word;
  }
  EXPECT_TRUE(InPuzzle(grid, "EJ", kNoRepeats));
  EXPECT_TRUE(InPuzzle(grid, "FA", kNoRepeats));
}

TEST(InPuzzleTest, CellsOffTheBoardNeverTakePart) {
  // On a 4 x 4 board, column 5 and row 5 hold the letters that would complete the words.
  const LetterGrid grid = MakeGrid(kAlphabetBoard, 4, 4);
  EXPECT_TRUE(InPuzzle(grid, "CDI", kNoRepeats));
  EXPECT_FALSE(InPuzzle(grid, "DE", kNoRepeats));
  EXPECT_FALSE(InPuzzle(grid, "IJ", kRepeats));
  EXPECT_FALSE(InPuzzle(grid, "QV", kRepeats));
  EXPECT_FALSE(InPuzzle(grid, "EJ", kRepeats));  // both off the board
  const LetterGrid wide = MakeGrid(kAlphabetBoard, 4, 5);
  EXPECT_TRUE(InPuzzle(wide, "DE", kNoRepeats));
  EXPECT_FALSE(InPuzzle(wide, "QV", kNoRepeats));
  const LetterGrid tall = MakeGrid(kAlphabetBoard, 5, 4);
  EXPECT_TRUE(InPuzzle(tall, "QV", kNoRepeats));
  EXPECT_FALSE(InPuzzle(tall, "DE", kNoRepeats));
}

TEST(InPuzzleTest, RepeatsDecideWhetherACellMayServeTwice) {
  const LetterGrid grid = MakeGrid(
      "ABXXX"
      "XXXXX"
      "XXLXX"
      "XXXXX"
      "XXXXX",
      5, 5);
  EXPECT_FALSE(InPuzzle(grid, "ABA", kNoRepeats));
  EXPECT_TRUE(InPuzzle(grid, "ABA", kRepeats));
  EXPECT_FALSE(InPuzzle(grid, "AA", kNoRepeats));
  EXPECT_TRUE(InPuzzle(grid, "AA", kRepeats));
  EXPECT_TRUE(InPuzzle(grid, "XLLX", kRepeats));  // a double L from a single L cell
  EXPECT_FALSE(InPuzzle(grid, "XLLX", kNoRepeats));
  EXPECT_TRUE(InPuzzle(grid, "ABABABABAB", kRepeats));
}

TEST(InPuzzleTest, WordsLongerThanTheBoardNeedRepeats) {
  const LetterGrid grid = MakeGrid(std::string(25, 'A'), 5, 5);
  EXPECT_TRUE(InPuzzle(grid, std::string(25, 'A'), kNoRepeats));
  EXPECT_FALSE(InPuzzle(grid, std::string(26, 'A'), kNoRepeats));
  EXPECT_TRUE(InPuzzle(grid, std::string(255, 'A'), kRepeats));
  const LetterGrid small = MakeGrid(std::string(25, 'A'), 4, 4);
  EXPECT_TRUE(InPuzzle(small, std::string(16, 'A'), kNoRepeats));
  EXPECT_FALSE(InPuzzle(small, std::string(17, 'A'), kNoRepeats));
}

TEST(InPuzzleTest, ComparesBytesExactly) {
  const LetterGrid grid = MakeGrid(kAlphabetBoard, 5, 5);
  EXPECT_FALSE(InPuzzle(grid, "ab", kRepeats));
  EXPECT_FALSE(InPuzzle(grid, "Ab", kRepeats));
  EXPECT_FALSE(InPuzzle(grid, std::string("A\0", 2), kRepeats));
  LetterGrid accented = MakeGrid(kAlphabetBoard, 5, 5);
  accented.Letters[2] = '\xC9';
  EXPECT_TRUE(InPuzzle(accented, "A\xC9", kNoRepeats));
  EXPECT_FALSE(InPuzzle(accented, "A\xE9", kNoRepeats));
}

TEST(InPuzzleTest, LettersOnTheBoardButNotInAChainAreNotEnough) {
  const LetterGrid grid = MakeGrid(kAlphabetBoard, 5, 5);
  EXPECT_FALSE(InPuzzle(grid, "AEY", kRepeats));
  EXPECT_FALSE(InPuzzle(grid, "CAT", kNoRepeats));
}

TEST(InPuzzleTest, OneLetterAndEmptyWordsAreNeverFound) {
  const LetterGrid grid = MakeGrid(std::string(25, 'A'), 5, 5);
  EXPECT_FALSE(InPuzzle(grid, "A", kRepeats));
  EXPECT_FALSE(InPuzzle(grid, "A", kNoRepeats));
  EXPECT_FALSE(InPuzzle(grid, "", kRepeats));
  EXPECT_FALSE(InPuzzle(grid, "", kNoRepeats));
}

TEST(InPuzzleTest, RefutesHardBoardsOfEqualLetters) {
  // B in the corner whose only A neighbour is cell 7: a path through B needs two.
  const LetterGrid trap = MakeGrid(
      "BCAAA"
      "CAAAA"
      "AAAAA"
      "AAAAA"
      "AAAAA",
      5, 5);
  EXPECT_FALSE(InPuzzle(trap, "AAAAAAAABAAAAAAAA", kNoRepeats));
  EXPECT_TRUE(InPuzzle(trap, "AAAAAAAABAAAAAAAA", kRepeats));
  EXPECT_TRUE(InPuzzle(trap, std::string(21, 'A') + "B", kNoRepeats));
  // A column of B cuts the A cells into halves of ten.
  const LetterGrid halves = MakeGrid(
      "AABAA"
      "AABAA"
      "AABAA"
      "AABAA"
      "AABAA",
      5, 5);
  EXPECT_TRUE(InPuzzle(halves, std::string(10, 'A') + "B" + std::string(10, 'A'), kNoRepeats));
  EXPECT_FALSE(InPuzzle(halves, std::string(11, 'A') + "B" + std::string(9, 'A'), kNoRepeats));
  EXPECT_FALSE(
      InPuzzle(MakeGrid(std::string(25, 'A'), 5, 5), std::string(24, 'A') + "B", kNoRepeats));
}

TEST(InPuzzleTest, RunsOfOneLetterMustFitTheCellsTheyCanReach) {
  // Cells 4 and 5 hold A but touch only B and C: a run of A there is at most two long.
  const LetterGrid pocket = MakeGrid(
      "AACAA"
      "AABBB"
      "AAAAA"
      "AAAAA"
      "AAAAA",
      5, 5);
  const std::string eight(8, 'A');
  EXPECT_FALSE(InPuzzle(pocket, eight + "BAAAAB" + eight, kNoRepeats));
  EXPECT_TRUE(InPuzzle(pocket, eight + "BAAB" + eight, kNoRepeats));
}

TEST(InPuzzleTest, RareLettersMustBeOnDistinctCellsWithinReach) {
  // The two B cells, 1 and 10, are four king moves apart.
  const LetterGrid farPair = MakeGrid(
      "BAAAA"
      "AAAAB"
      "AAAAA"
      "AAAAA"
      "AAAAA",
      5, 5);
  const std::string eight(8, 'A');
  EXPECT_FALSE(InPuzzle(farPair, eight + "BAAB" + std::string(11, 'A'), kNoRepeats));
  EXPECT_TRUE(InPuzzle(farPair, eight + "BAAAB" + std::string(10, 'A'), kNoRepeats));
  EXPECT_FALSE(InPuzzle(farPair, "ABAAB", kNoRepeats));   // three moves are too few
  EXPECT_FALSE(InPuzzle(farPair, "AABBAA", kNoRepeats));  // both B, side by side
  EXPECT_FALSE(InPuzzle(farPair, "BAB", kNoRepeats));     // one B cell twice
  const LetterGrid nearPair = MakeGrid(
      "BAAAA"
      "ABAAA"
      "AAAAA"
      "AAAAA"
      "AAAAA",
      5, 5);
  EXPECT_TRUE(InPuzzle(nearPair, "AABBAA", kNoRepeats));
  EXPECT_TRUE(InPuzzle(nearPair, "AAABAB", kNoRepeats));
}

TEST(InPuzzleTest, CellsTouchingOneLetterCellAreLeftOutOrEndThePath) {
  // Corner cells 1, 5 and 21 each touch a single A. A path over every A cell starts on
  // one of them and ends on another, so a third is one too many; one cell to spare
  // lets the path leave it out.
  const LetterGrid threeCorners = MakeGrid(
      "ABABA"
      "BAAAB"
      "AAAAA"
      "BAAAA"
      "ABAAA",
      5, 5);
  EXPECT_FALSE(InPuzzle(threeCorners, std::string(19, 'A'), kNoRepeats));
  EXPECT_TRUE(InPuzzle(threeCorners, std::string(18, 'A'), kNoRepeats));
  const LetterGrid twoCorners = MakeGrid(
      "ABABA"
      "BAAAB"
      "AAAAA"
      "AAAAA"
      "AAAAA",
      5, 5);
  EXPECT_TRUE(InPuzzle(twoCorners, std::string(21, 'A'), kNoRepeats));
  // Four such corners among 17 A cells: one cell to spare is not enough, two are.
  const LetterGrid fourCorners = MakeGrid(
      "ABABA"
      "BAAAB"
      "AAAAA"
      "BAAAB"
      "ABABA",
      5, 5);
  EXPECT_FALSE(InPuzzle(fourCorners, std::string(16, 'A'), kNoRepeats));
  EXPECT_TRUE(InPuzzle(fourCorners, std::string(15, 'A'), kNoRepeats));
  // Slowest of a random search over boards of two letters: a path over every cell.
  const LetterGrid twoLetters = MakeGrid(
      "AAABA"
      "ABBBA"
      "AABAA"
      "AABAA"
      "AABCB",
      5, 5);
  EXPECT_FALSE(InPuzzle(twoLetters, "BBAAAAABAAAAAAABABACBABBA", kNoRepeats));
}

TEST(InPuzzleTest, PlacesOfALetterNeedDistinctCellsWithinReach) {
  // Two B four king moves apart: a word may walk from one to the other, but not with
  // fewer than four steps, and not back to where it began.
  const LetterGrid corners = MakeGrid("BAAAAAAAAAAAAAAAAAAAAAAAB", 5, 5);
  EXPECT_TRUE(InPuzzle(corners, "BAAAB", kNoRepeats));
  EXPECT_FALSE(InPuzzle(corners, "BAAB", kNoRepeats));
  // An A inside the word needs two neighbours for the letters on both sides of it.
  EXPECT_FALSE(InPuzzle(MakeGrid("BACCBCCCCCCCCCCCCCCCCCCCC", 5, 5), "BAB", kNoRepeats));
  EXPECT_TRUE(InPuzzle(MakeGrid("BABCCCCCCCCCCCCCCCCCCCCCC", 5, 5), "BAB", kNoRepeats));
  // All ten A are needed, and no way of putting them all down keeps each within reach of
  // the next.
  EXPECT_FALSE(
      InPuzzle(MakeGrid("AABBABABAABABBBAABAB.....", 4, 5), "AABABABABBABBABABAA", kNoRepeats));
}

TEST(InPuzzleTest, LettersWithFewCellsNeedACellEach) {
  // With D on cell 10, letters 1 and 3 of the word sit on the A cells next to it (4, 9,
  // 15) and letters 9 and 11 on those next to B (4, 9): four letters, three cells.
  // With D on cell 6, the second D of the word is on cell 10 and the same holds for
  // the letters around it.
  const LetterGrid board = MakeGrid(
      "AAAAB"
      "DAAAD"
      "AAACA"
      "AAAAA"
      "AAAAA",
      5, 5);
  EXPECT_FALSE(InPuzzle(board, "ADAAAAAAABAAAADAAAAA", kNoRepeats));
  EXPECT_TRUE(InPuzzle(board, "ADAAAAAAAAAAAADAAAAA", kNoRepeats));
  // The rarest letter, C, lies in the middle of the path: it grows both ways from it.
  EXPECT_TRUE(InPuzzle(board, "AAAAAAAAAACAAAAAAAAA", kNoRepeats));
  EXPECT_TRUE(InPuzzle(board, "AAABAAAAAACAAADAAAAA", kNoRepeats));
  EXPECT_TRUE(InPuzzle(board, "AAAAABACAAAAA", kNoRepeats));
  EXPECT_FALSE(InPuzzle(board, "AAAAABCAAAAA", kNoRepeats));  // B and C are not neighbours
}

// Random boards over small alphabets (many equal letters), words both traced on the
// board and made at random, every board size, both repeat modes: the answers must be
// those of the plain search.
TEST(InPuzzleTest, AgreesWithThePlainSearchOnRandomBoards) {
  std::mt19937 random(20240611);
  const int sizes[4][2] = {{4, 4}, {4, 5}, {5, 4}, {5, 5}};
  int found = 0, refused = 0;
  for (int round = 0; round < 20000; ++round) {
    const int height = sizes[round % 4][0], width = sizes[round % 4][1];
    const int alphabet = 1 + static_cast<int>(random() % 4);
    std::string letters(25, ' ');
    for (char& letter : letters) letter = static_cast<char>('A' + random() % alphabet);
    const LetterGrid grid = MakeGrid(letters, height, width);
    const bool repeats = random() % 2 == 0;
    const int length = 2 + static_cast<int>(random() % 10);
    std::string word;
    if (random() % 2 == 0) {
      for (int i = 0; i < length; ++i) word += static_cast<char>('A' + random() % (alphabet + 1));
    } else {
      // A walk on the board, which often is a path.
      int row = 1 + static_cast<int>(random() % height);
      int column = 1 + static_cast<int>(random() % width);
      for (int i = 0; i < length; ++i) {
        word += grid.Letters[(row - 1) * 5 + column];
        row = std::clamp(row + static_cast<int>(random() % 3) - 1, 1, height);
        column = std::clamp(column + static_cast<int>(random() % 3) - 1, 1, width);
      }
    }
    const bool expected = PlainSearch(grid, word, height, width, repeats).InPuzzle();
    ASSERT_EQ(InPuzzle(grid, word, repeats), expected)
        << letters << " " << height << "x" << width << " " << word << " repeats " << repeats;
    (expected ? found : refused)++;
  }
  // Both answers must have been put to the test often.
  EXPECT_GT(found, 4000);
  EXPECT_GT(refused, 4000);
}

// Words spelled along a path over nearly every cell, some with a letter or two changed:
// where the pruning rules decide most, and where the plain search is still quick on
// 4 x 4 boards. The last three boards cost the pruned search the most states.
TEST(InPuzzleTest, AgreesWithThePlainSearchOnPathsOverNearlyEveryCell) {
  std::mt19937 random(7031);
  int found = 0;
  for (int round = 0; round < 1500; ++round) {
    const char* alphabet = round % 2 == 0 ? "AB" : "AAAAAABBC";
    const int alphabetSize = round % 2 == 0 ? 2 : 9;
    std::string letters(25, ' ');
    for (char& letter : letters) letter = alphabet[random() % alphabetSize];
    const LetterGrid grid = MakeGrid(letters, 4, 4);
    std::string word = RandomPathWord(grid, 4, 4, random, 16 - static_cast<int>(random() % 4));
    for (int change = static_cast<int>(random() % 3); change > 0; --change)
      word[random() % word.size()] = static_cast<char>('A' + random() % 3);
    const bool expected = PlainSearch(grid, word, 4, 4, kNoRepeats).InPuzzle();
    ASSERT_EQ(InPuzzle(grid, word, kNoRepeats), expected) << letters << " " << word;
    found += expected;
  }
  EXPECT_GT(found, 300);
  EXPECT_LT(found, 1200);
  const struct {
    const char* letters;
    const char* word;
    int height, width;
  } hardest[] = {{"ABAAAAAABBAAAABAAABABAAAA", "AABAABAAAABAABAABAAAAABA", 5, 5},
                 {"BAAAABAABABABBAABABBBBBAB", "ABBBAABBAABBABAABAB", 5, 4},
                 {"AAAAABAAAABBAAAAAAAAAAAAA", "AABAAABAAAAAAAABAAA", 4, 5}};
  for (const auto& board : hardest) {
    const LetterGrid grid = MakeGrid(board.letters, board.height, board.width);
    EXPECT_EQ(InPuzzle(grid, board.word, kNoRepeats),
              PlainSearch(grid, board.word, board.height, board.width, kNoRepeats).InPuzzle())
        << board.letters << " " << board.word;
  }
}

TEST(InPuzzleTest, AgreesWithThePlainSearchOnTheHuntsSlowestCases) {
  for (const HuntedCase& board : kSlowestHuntedCases) {
    const LetterGrid grid = MakeGrid(board.letters, board.height, board.width);
    EXPECT_EQ(InPuzzle(grid, board.word, kNoRepeats),
              PlainSearch(grid, board.word, board.height, board.width, kNoRepeats).InPuzzle())
        << board.letters << " " << board.word;
  }
}

// Where the hunt looks: boards of one to three letters in every size, words up to two
// letters longer than the board, traced along a path and then changed here and there.
// The plain search gives up on a few of them; those are skipped.
TEST(InPuzzleTest, AgreesWithThePlainSearchOnLongWordsOnEveryBoardSize) {
  std::mt19937 random(915);
  const int sizes[4][2] = {{4, 4}, {4, 5}, {5, 4}, {5, 5}};
  int judged = 0;
  int found = 0;
  for (int round = 0; round < 400; ++round) {
    const int height = sizes[round % 4][0], width = sizes[round % 4][1];
    const int alphabet = 1 + static_cast<int>(random() % 3);
    std::string letters(25, '.');
    for (char& letter : letters) letter = static_cast<char>('A' + random() % alphabet);
    const LetterGrid grid = MakeGrid(letters, height, width);
    std::string word = RandomPathWord(grid, height, width, random,
                                      height * width - static_cast<int>(random() % 4));
    for (int change = 1 + static_cast<int>(random() % 3); change > 0; --change) {
      const size_t at = random() % word.size();
      if (random() % 2 == 0 && static_cast<int>(word.size()) < height * width + 2)
        word.insert(word.begin() + at, word[random() % word.size()]);
      else
        std::swap(word[at], word[random() % word.size()]);
    }
    PlainSearch plain(grid, word, height, width, kNoRepeats, 2'000'000);
    const bool expected = plain.InPuzzle();
    if (plain.GaveUp()) continue;
    ASSERT_EQ(InPuzzle(grid, word, kNoRepeats), expected)
        << letters << " " << height << "x" << width << " " << word;
    ++judged;
    found += expected;
  }
  EXPECT_GT(judged, 300);
  EXPECT_GT(found, 60) << judged;
  EXPECT_LT(found, judged - 60);
}

}  // namespace
