#include "game/scramble.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <vector>

#include "settings/game_settings.h"
#include "tests/scripted_random.h"

namespace {

using Script = ScriptedRandom;

int Letter(char c) { return c - 'A'; }
int Fragment(const char* text) {
  static const char* kAll[] = {"ERS", "ES",   "ER",   "ED",  "EDGE", "ANGE", "ING", "STR", "ACK",
                               "EST", "IEST", "TION", "AST", "ANT",  "ENT",  "ILL", "END", "AND",
                               "EAR", "EEN",  "EAN",  "INT", "ELL",  "ART",  "ARE", "ORE", "IRE",
                               "ATE", "EAT",  "APE",  "ANE", "ONE",  "OLD",  "OUR", "OUT", "AIN",
                               "AIL", "AGE",  "ACE",  "ICE", "EER",  "OAT",  "OAL", "ALE", "EAL"};
  for (int i = 0; i < 45; ++i)
    if (std::string(kAll[i]) == text) return i;
  ADD_FAILURE() << "no fragment " << text;
  return 0;
}

GameSettings Board(int height, int width, bool alternate, bool highFrequency) {
  GameSettings settings;
  settings.Height = height;
  settings.Width = width;
  settings.AlternateLetters = alternate;
  settings.HighFrequencyLetters = highFrequency;
  return settings;
}

LetterGrid GridFor(const GameSettings& settings) {
  LetterGrid grid;
  grid.ComputeCellOnBoard(settings.Height, settings.Width);
  return grid;
}

std::string Row(const LetterGrid& grid, int row) {
  return std::string(&grid.Letters[LetterGrid::CellIndex(row, 1)], 5);
}

TEST(LetterDraws, AcceptByWeightAndRestartAsStated) {
  // Q (weight 1) is refused by r = 1, then E (weight 10) is taken with r = 9.
  Script letter({Letter('Q'), 1, Letter('E'), 9});
  EXPECT_EQ(PickLetter(letter), 'E');
  EXPECT_EQ(letter.ranges, (std::vector<int>{26, 10, 26, 10}));

  // A drawn vowel is refused at once, with no weight draw.
  Script consonant({Letter('A'), Letter('B'), 2});
  EXPECT_EQ(PickConsonant(consonant), 'B');
  EXPECT_EQ(consonant.ranges, (std::vector<int>{26, 26, 10}));

  // U (index 4, weight 4) refused by r = 4, then O taken.
  Script vowel({4, 4, 3, 5});
  EXPECT_EQ(PickVowel(vowel), 'O');
  EXPECT_EQ(vowel.ranges, (std::vector<int>{5, 10, 5, 10}));
}

TEST(Scramble, PlainModeFillsExactlyTheOnBoardCellsInReadingOrder) {
  const GameSettings settings = Board(4, 4, false, false);
  std::deque<int> script;
  for (int i = 0; i < 16; ++i) {
    script.push_back(i % 26);  // A, B, C, ... P, each accepted by r = 0
    script.push_back(0);
  }
  Script random(script);
  LetterGrid grid = GridFor(settings);
  grid.Letters[25] = 'Z';  // an old letter off the board is blanked too
  ScrambleLetters(grid, settings, random);
  EXPECT_TRUE(random.Exhausted());
  EXPECT_EQ(Row(grid, 1), "ABCD ");
  EXPECT_EQ(Row(grid, 2), "EFGH ");
  EXPECT_EQ(Row(grid, 3), "IJKL ");
  EXPECT_EQ(Row(grid, 4), "MNOP ");
  EXPECT_EQ(Row(grid, 5), "     ");
  EXPECT_EQ(random.ranges.size(), 32u);
}

TEST(Scramble, FragmentModeSeedsOneFragmentPerGroupThatFitsTheBoard) {
  // 4 x 4: three groups. Group 1 "TION" from slot 3 wraps: T->6, I->7, O->1, N->2.
  Script random({Fragment("TION"), 2, Fragment("ES"), 0, Fragment("ING"), 3});
  const GameSettings settings = Board(4, 4, false, true);
  LetterGrid grid = GridFor(settings);
  ScrambleLetters(grid, settings, random);
  EXPECT_EQ(grid.Letters[6], 'T');
  EXPECT_EQ(grid.Letters[7], 'I');
  EXPECT_EQ(grid.Letters[1], 'O');
  EXPECT_EQ(grid.Letters[2], 'N');
  EXPECT_EQ(grid.Letters[3], 'E');
  EXPECT_EQ(grid.Letters[4], 'S');
  EXPECT_EQ(grid.Letters[17], 'I');  // ING from slot 4: 17, 11, 12
  EXPECT_EQ(grid.Letters[11], 'N');
  EXPECT_EQ(grid.Letters[12], 'G');
  // Group 4 is not seeded: after the six seeding draws come the letter draws.
  EXPECT_EQ(std::vector<int>(random.ranges.begin(), random.ranges.begin() + 7),
            (std::vector<int>{45, 4, 45, 4, 45, 4, 26}));
  for (int cell = 1; cell <= 25; ++cell)
    EXPECT_EQ(grid.Letters[cell] != ' ', grid.CellOnBoard[cell]) << cell;
}

TEST(Scramble, FragmentCountFollowsTheBoardSize) {
  EXPECT_EQ(FragmentCount(4, 4), 3);
  EXPECT_EQ(FragmentCount(4, 5), 4);
  EXPECT_EQ(FragmentCount(5, 4), 4);
  EXPECT_EQ(FragmentCount(5, 5), 5);
  // Only a 5 x 5 board seeds group 5, whose start slot is drawn from two.
  Script random({0, 0, 0, 0, 0, 0, 0, 0, 0, 1});
  const GameSettings settings = Board(5, 5, false, true);
  LetterGrid grid = GridFor(settings);
  ScrambleLetters(grid, settings, random);
  EXPECT_EQ(std::vector<int>(random.ranges.begin(), random.ranges.begin() + 10),
            (std::vector<int>{45, 4, 45, 4, 45, 4, 45, 4, 45, 2}));
  EXPECT_EQ(grid.Letters[23], 'E');  // "ERS" from slot 2 of group 5: 23, 24, 25
  EXPECT_EQ(grid.Letters[24], 'R');
  EXPECT_EQ(grid.Letters[25], 'S');
}

TEST(Scramble, AlternatingFragmentsPutStrPastItsGroup) {
  {  // Group 3 of a 4 x 4 board: S at 11, T at 17, R at 13, and 13 keeps the R.
    Script random({Fragment("ERS"), Fragment("ERS"), Fragment("STR")});
    const GameSettings settings = Board(4, 4, true, true);
    LetterGrid grid = GridFor(settings);
    ScrambleLetters(grid, settings, random);
    EXPECT_EQ(grid.Letters[2], 'E');  // ERS in group 1: vowel 2, consonants 1, 7
    EXPECT_EQ(grid.Letters[1], 'R');
    EXPECT_EQ(grid.Letters[7], 'S');
    EXPECT_EQ(grid.Letters[11], 'S');
    EXPECT_EQ(grid.Letters[17], 'T');
    EXPECT_EQ(grid.Letters[13], 'R');
  }
  {  // Group 4 of a 4-row, 5-column board: the R lands on cell 23, off the board.
    Script random({Fragment("ES"), Fragment("ES"), Fragment("ES"), Fragment("STR")});
    const GameSettings settings = Board(4, 5, true, true);
    LetterGrid grid = GridFor(settings);
    ScrambleLetters(grid, settings, random);
    EXPECT_EQ(grid.Letters[13], 'S');
    EXPECT_EQ(grid.Letters[19], 'T');
    EXPECT_EQ(grid.Letters[23], 'R');
    EXPECT_FALSE(grid.CellOnBoard[23]);
    for (int cell : {5, 10, 15, 20}) EXPECT_NE(grid.Letters[cell], ' ') << cell;
  }
  {  // Group 5: only S (23) and T (25); the R has nowhere to go.
    Script random({0, 0, 0, 0, Fragment("STR")});
    const GameSettings settings = Board(5, 5, true, true);
    LetterGrid grid = GridFor(settings);
    ScrambleLetters(grid, settings, random);
    EXPECT_EQ(grid.Letters[23], 'S');
    EXPECT_EQ(grid.Letters[25], 'T');
    EXPECT_EQ(random.ranges[5], 26);  // then the fill, from consonant cell 1
  }
}

TEST(Scramble, AlternatingModesKeepVowelsOnVowelCells) {
  XorShiftRandom random(7);
  for (const bool highFrequency : {false, true}) {
    for (int height : {4, 5}) {
      for (int width : {4, 5}) {
        const GameSettings settings = Board(height, width, true, highFrequency);
        for (int round = 0; round < 200; ++round) {
          LetterGrid grid = GridFor(settings);
          ScrambleLetters(grid, settings, random);
          for (int cell = 1; cell <= 25; ++cell) {
            if (!grid.CellOnBoard[cell]) continue;
            ASSERT_GE(grid.Letters[cell], 'A');
            ASSERT_LE(grid.Letters[cell], 'Z');
            ASSERT_EQ(IsVowel(grid.Letters[cell]), IsVowelCell(cell))
                << "cell " << cell << " holds " << grid.Letters[cell];
          }
        }
      }
    }
  }
}

TEST(Scramble, PlainLettersFollowTheirWeights) {
  const int weights[26] = {8, 3, 3, 4, 10, 2, 3, 3, 7, 1, 2, 5, 3,
                           5, 6, 3, 1, 4,  5, 5, 4, 2, 2, 1, 3, 1};
  XorShiftRandom random(2024);
  std::map<char, int> counts;
  const GameSettings settings = Board(5, 5, false, false);
  const int boards = 4000;
  for (int round = 0; round < boards; ++round) {
    LetterGrid grid = GridFor(settings);
    ScrambleLetters(grid, settings, random);
    for (int cell = 1; cell <= 25; ++cell) ++counts[grid.Letters[cell]];
  }
  const double total = boards * 25.0;
  double chiSquare = 0;
  for (int i = 0; i < 26; ++i) {
    const double expected = total * weights[i] / 96.0;
    const double seen = counts[static_cast<char>('A' + i)];
    chiSquare += (seen - expected) * (seen - expected) / expected;
  }
  // 25 degrees of freedom: 52.6 is the 0.1 % critical value.
  EXPECT_LT(chiSquare, 52.6);
}

TEST(Scramble, IsVowelCellChecksRowPlusColumn) {
  EXPECT_FALSE(IsVowelCell(1));
  EXPECT_TRUE(IsVowelCell(2));
  EXPECT_TRUE(IsVowelCell(6));
  EXPECT_FALSE(IsVowelCell(7));
  EXPECT_TRUE(IsVowelCell(22));
  EXPECT_FALSE(IsVowelCell(25));
  EXPECT_FALSE(IsVowel('Y'));
}

}  // namespace
