#include "words/scoring.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Board and dictionary stand-ins that remember what they were asked.
struct FakeJudges {
  std::set<std::string> onBoard;
  std::set<std::string> inDictionary;
  std::vector<std::string> asked;  // "board:WORD" / "speller:WORD", in order

  WordTest InPuzzle() {
    return [this](const std::string& word) {
      asked.push_back("board:" + word);
      return onBoard.contains(word);
    };
  }
  WordTest InSpeller() {
    return [this](const std::string& word) {
      asked.push_back("speller:" + word);
      return inDictionary.contains(word);
    };
  }
  ScoreSheet Score(const std::vector<std::string>& guesses, const GameSettings& settings) {
    return ScoreGuesses(guesses, settings, InPuzzle(), InSpeller());
  }
};

TEST(ScoringTest, EmptyGuessListGivesZeroEverywhere) {
  FakeJudges judges;
  const ScoreSheet sheet = judges.Score({}, GameSettings{});
  const ScoreTexts texts = MakeScoreTexts(sheet);
  EXPECT_EQ(texts.LetterLabels[0], "3 Letter Words: 0");
  EXPECT_EQ(texts.LetterLabels[8], "11 Letter Words: 0");
  EXPECT_EQ(texts.LetterLabels[9], "Larger Words: 0");
  for (const std::string& score : texts.LineScores) EXPECT_EQ(score, "0");
  EXPECT_EQ(texts.NotInPuzzleLabel, "Words Not In Puzzle: 0");
  EXPECT_EQ(texts.MisspelledLabel, "Misspelled Words: 0");
  EXPECT_EQ(texts.TooShortLabel, "Words Too Short: 0");
  // Penalties are on by default; none charged must still read 0, not -0.
  EXPECT_EQ(texts.NotInPuzzleScore, "0");
  EXPECT_EQ(texts.MisspelledScore, "0");
  EXPECT_EQ(texts.TooShortScore, "0");
  EXPECT_EQ(texts.FinalScore, "0");
  EXPECT_THAT(judges.asked, IsEmpty());
}

TEST(ScoringTest, ValidWordsArePricedByLengthAndPenaltiesTakenOff) {
  FakeJudges judges;
  judges.onBoard = {"CAT", "HOUSE"};
  judges.inDictionary = {"CAT", "HOUSE"};
  GameSettings settings;
  settings.WordMisspelled = false;
  settings.WordTooShort = false;
  const ScoreSheet sheet = judges.Score({"HOUSE", "XQZ", "CAT"}, settings);
  EXPECT_THAT(sheet.ValidWords, ElementsAre("CAT", "HOUSE"));
  EXPECT_THAT(sheet.NotInPuzzle, ElementsAre("XQZ"));
  EXPECT_EQ(sheet.LengthCounts[0], 1);
  EXPECT_EQ(sheet.LengthCounts[2], 1);
  EXPECT_EQ(sheet.NotInPuzzlePenalty, -1);
  EXPECT_EQ(sheet.TotalScore, 1 + 2 - 1);
  const ScoreTexts texts = MakeScoreTexts(sheet);
  EXPECT_EQ(texts.LetterLabels[2], "5 Letter Words: 1");
  EXPECT_EQ(texts.LineScores[2], "2");
  EXPECT_EQ(texts.NotInPuzzleScore, "-1");
  EXPECT_EQ(texts.FinalScore, "2");
}

TEST(ScoringTest, EachKindOfBadGuessCostsAPointOnlyWhenSwitchedOn) {
  FakeJudges judges;
  judges.onBoard = {"TEN", "NET", "TENT"};
  judges.inDictionary = {"TEN"};
  const std::vector<std::string> guesses = {"TEN", "NET", "TENT", "QQQ", "ZZZ", "TE"};
  GameSettings settings;
  ScoreSheet sheet = judges.Score(guesses, settings);
  EXPECT_EQ(sheet.NotInPuzzlePenalty, -2);
  EXPECT_EQ(sheet.MisspelledPenalty, -2);
  EXPECT_EQ(sheet.TooShortPenalty, -1);
  EXPECT_EQ(sheet.TotalScore, 1 - 5);
  EXPECT_EQ(MakeScoreTexts(sheet).NotInPuzzleScore, "-2");
  EXPECT_EQ(MakeScoreTexts(sheet).FinalScore, "-4");
  // A screen reader hears each row and the total as one sentence, one point singular.
  const ScoreTexts spoken = MakeScoreTexts(sheet);
  EXPECT_EQ(spoken.SpokenRows[0], "3 Letter Words: 1, 1 point");
  EXPECT_EQ(spoken.SpokenRows[1], "4 Letter Words: 0, 0 points");
  EXPECT_EQ(spoken.SpokenRows[10], "Words Not In Puzzle: 2, -2 points");
  EXPECT_EQ(spoken.SpokenRows[12], "Words Too Short: 1, -1 point");
  EXPECT_EQ(spoken.SpokenTotal, "Total Score -4 points: 1 valid word, 5 penalties");

  settings.WordNotInPuzzle = settings.WordMisspelled = settings.WordTooShort = false;
  sheet = judges.Score(guesses, settings);
  EXPECT_EQ(sheet.NotInPuzzlePenalty, 0);
  EXPECT_EQ(sheet.TotalScore, 1);
  const ScoreTexts texts = MakeScoreTexts(sheet);
  EXPECT_EQ(texts.NotInPuzzleLabel, "Words Not In Puzzle: 2");  // still counted
  EXPECT_EQ(texts.MisspelledScore, "0");
  EXPECT_EQ(texts.SpokenTotal, "Total Score 1 point: 1 valid word, 0 penalties");
}

TEST(ScoringTest, TooShortIsDecidedFirstAndTheDictionaryOnlyAfterTheBoard) {
  FakeJudges judges;
  judges.onBoard = {"AT", "CAT", "DOGZ"};
  judges.inDictionary = {"AT", "CAT"};
  GameSettings settings;
  settings.MinimumWordLength = 3;
  const ScoreSheet sheet = judges.Score({"AT", "QX", "CAT", "XYZW", "DOGZ"}, settings);
  EXPECT_THAT(sheet.TooShort, ElementsAre("AT", "QX"));
  EXPECT_THAT(sheet.NotInPuzzle, ElementsAre("XYZW"));
  EXPECT_THAT(sheet.Misspelled, ElementsAre("DOGZ"));
  EXPECT_THAT(sheet.ValidWords, ElementsAre("CAT"));
  EXPECT_THAT(judges.asked,
              ElementsAre("board:CAT", "speller:CAT", "board:XYZW", "board:DOGZ", "speller:DOGZ"));
}

TEST(ScoringTest, RepeatsAreSkippedWhereverTheMarkStands) {
  FakeJudges judges;
  judges.onBoard = judges.inDictionary = {"CAT"};
  const ScoreSheet sheet = judges.Score({"CAT", "CAT (DUP)", "(DUP)", "X(DUP)Y"}, GameSettings{});
  EXPECT_THAT(sheet.ValidWords, ElementsAre("CAT"));
  EXPECT_THAT(sheet.TooShort, IsEmpty());
  EXPECT_THAT(sheet.NotInPuzzle, IsEmpty());
  EXPECT_THAT(judges.asked, ElementsAre("board:CAT", "speller:CAT"));
  EXPECT_EQ(sheet.TotalScore, 1);
}

TEST(ScoringTest, LongWordsShareTheLargerLineAndShortValidWordsNone) {
  FakeJudges judges;
  const std::string twelve = "ABCDEFGHIJKL";
  const std::string long255(255, 'L');
  judges.onBoard = judges.inDictionary = {"AT", "ELEVENLETTR", twelve, long255};
  GameSettings settings;
  settings.MinimumWordLength = 2;
  settings.LengthPoints[9] = 40;
  const ScoreSheet sheet = judges.Score({"AT", "ELEVENLETTR", twelve, long255 + "MORE"}, settings);
  EXPECT_EQ(sheet.ValidWords.size(), 4u);  // the 259-letter guess is judged by 255 letters
  EXPECT_EQ(sheet.LengthCounts[8], 1);
  EXPECT_EQ(sheet.LengthCounts[9], 2);
  int sum = 0;
  for (const int16_t count : sheet.LengthCounts) sum += count;
  EXPECT_EQ(sum, 3);  // "AT" counts on no line
  EXPECT_EQ(sheet.TotalScore, 11 + 80);
  EXPECT_EQ(MakeScoreTexts(sheet).LetterLabels[9], "Larger Words: 2");
}

TEST(ScoringTest, ListsAreSortedIgnoringCaseAndBigFiguresGetSeparators) {
  FakeJudges judges;
  judges.onBoard = judges.inDictionary = {"pear", "APPLE", "Banana", "cherry"};
  GameSettings settings;
  settings.LengthPoints[1] = 1000;
  settings.LengthPoints[2] = 2000000000;  // a hand-edited settings file
  const ScoreSheet sheet = judges.Score({"pear", "cherry", "APPLE", "Banana"}, settings);
  EXPECT_THAT(sheet.ValidWords, ElementsAre("APPLE", "Banana", "cherry", "pear"));
  const ScoreTexts texts = MakeScoreTexts(sheet);
  EXPECT_EQ(texts.LineScores[1], "1,000");
  EXPECT_EQ(texts.LineScores[2], "2,000,000,000");
}

TEST(ScoringTest, WithPenaltiesOffTheTotalIsTheSumOfTheLines) {
  FakeJudges judges;
  judges.onBoard = {"CAT", "HOUSE", "MOUSES", "TREASURE", "BAD"};
  judges.inDictionary = {"CAT", "HOUSE", "MOUSES", "TREASURE"};
  GameSettings settings;
  settings.WordNotInPuzzle = settings.WordMisspelled = settings.WordTooShort = false;
  const ScoreSheet sheet =
      judges.Score({"CAT", "HOUSE", "MOUSES", "TREASURE", "BAD", "NOPE", "NO"}, settings);
  int64_t sum = 0;
  for (const int64_t line : sheet.LineScores) sum += line;
  EXPECT_EQ(sheet.TotalScore, sum);
  EXPECT_EQ(sum, 1 + 2 + 3 + 8);
}

TEST(ScoringTest, LongRepeatIsRecognisedBeforeTheCut) {
  FakeJudges judges;
  const std::string guess(250, 'Q');
  const ScoreSheet sheet = judges.Score({guess, guess + " (DUP)"}, GameSettings{});
  EXPECT_THAT(sheet.NotInPuzzle, ElementsAre(guess));
  EXPECT_EQ(sheet.NotInPuzzlePenalty, -1);
  EXPECT_EQ(judges.asked.size(), 1u);
}

TEST(ScoringTest, TotalIsTheExactSumOfHugeLines) {
  FakeJudges judges;
  judges.onBoard = judges.inDictionary = {"CAT", "DOG", "HOUSE"};
  GameSettings settings;
  settings.LengthPoints[0] = 2147483647;  // a hand-edited settings file
  settings.LengthPoints[2] = 999999999;
  const ScoreSheet sheet = judges.Score({"CAT", "DOG", "HOUSE"}, settings);
  const ScoreTexts texts = MakeScoreTexts(sheet);
  EXPECT_EQ(texts.LineScores[0], "4,294,967,294");
  EXPECT_EQ(texts.LineScores[2], "999,999,999");
  EXPECT_EQ(texts.FinalScore, "5,294,967,293");

  settings.LengthPoints[0] = -2147483647 - 1;
  EXPECT_EQ(MakeScoreTexts(judges.Score({"CAT", "DOG"}, settings)).FinalScore, "-4,294,967,296");
}

}  // namespace
