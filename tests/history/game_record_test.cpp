#include "history/game_record.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A fake board and dictionary: the board holds words without an X, the dictionary those
// without a Z.
const WordTest kInPuzzle = [](const std::string& word) {
  return word.find('X') == std::string::npos;
};
const WordTest kInSpeller = [](const std::string& word) {
  return word.find('Z') == std::string::npos;
};

TEST(GameRecordTest, TheGuessesAddUpToTheScoreDialogsTotalWhateverIsCharged) {
  const std::vector<std::string> guesses = {"CAT",
                                            "AT",
                                            "FOXES",
                                            "ZEBRA",
                                            "CAT (DUP)",
                                            "STRANGEST",
                                            std::string(300, 'A'),
                                            "DOGS",
                                            "ZAX",
                                            "A" + std::string(254, 'B') + " (DUP)"};
  for (int charged = 0; charged < 8; ++charged) {
    GameSettings settings;
    settings.WordTooShort = charged & 1;
    settings.WordNotInPuzzle = charged & 2;
    settings.WordMisspelled = charged & 4;
    settings.LengthPoints[9] = 40;
    const std::vector<JudgedGuess> judged = JudgeGuesses(guesses, settings, kInPuzzle, kInSpeller);
    const GameRecord record = MakeGameRecord(0, LetterGrid{}, settings, judged, {});
    EXPECT_EQ(record.TotalScore, ScoreGuesses(guesses, settings, kInPuzzle, kInSpeller).TotalScore);
    EXPECT_EQ(record.FoundWords(), 4);
  }
  const std::vector<JudgedGuess> judged =
      JudgeGuesses(guesses, GameSettings{}, kInPuzzle, kInSpeller);
  EXPECT_EQ(judged[1], (JudgedGuess{"AT", GuessVerdict::TooShort, -1}));
  EXPECT_EQ(judged[4].Verdict, GuessVerdict::Repeat);
  EXPECT_EQ(judged[6].Word.size(), 255u);
}

TEST(GameRecordTest, TheRecordKeepsOnlyTheBoardsTilesAndMeasuresFindsAgainstTheBoard) {
  LetterGrid grid;
  grid.Letters.fill('Q');
  grid.ComputeCellOnBoard(4, 5);
  GameSettings settings;
  settings.Height = 4;
  settings.Width = 5;
  settings.Minutes = 2;
  settings.Seconds = 30;
  const GameRecord record = MakeGameRecord(
      99, grid, settings, {{"CAT", GuessVerdict::Valid, 1}, {"ZZZ", GuessVerdict::Misspelled, -1}},
      PriceBoardWords({{"CAT", {}}, {"CATS", {}}, {"SCATTER", {}}}, settings));
  EXPECT_EQ(record.Letters, std::string(20, 'Q') + std::string(5, ' '));
  EXPECT_EQ(record.GameSeconds, 150);
  EXPECT_EQ(record.TotalScore, 0);
  EXPECT_EQ(record.PossiblePoints(), 7);
  EXPECT_NEAR(record.PercentOfPossible(), 100.0 / 7, 1e-9);
  EXPECT_EQ(GameRecord{}.PercentOfPossible(), 0.0);
}

TEST(GameRecordTest, ListsOfAnyWordsReadBackAndAnyOtherTextIsRefused) {
  const std::vector<JudgedGuess> guesses = {{"A:B|C%D", GuessVerdict::Misspelled, -1},
                                            {"", GuessVerdict::TooShort, 0},
                                            {"\x01\xE9\n", GuessVerdict::Repeat, 0},
                                            {"LONGEST", GuessVerdict::Valid, 5}};
  EXPECT_EQ(DecodeGuesses(EncodeGuesses(guesses)), guesses);
  EXPECT_EQ(DecodeGuesses(EncodeGuesses({})), std::vector<JudgedGuess>{});
  const std::vector<PossibleWord> words = {{"%41", 1}, {"X|Y", -3}};
  EXPECT_EQ(DecodePossibleWords(EncodePossibleWords(words)), words);
  for (const char* text : {"CAT", "CAT:V", "CAT:Q:1", "CAT:V:1|", "CAT:V:x", "%4:V:1", "%zz:V:1",
                           "CAT:VV:1", "CAT:V:1:2"})
    EXPECT_FALSE(DecodeGuesses(text)) << text;
  for (const char* text : {"CAT", "CAT:1:2", "CAT:", "CAT:1|"})
    EXPECT_FALSE(DecodePossibleWords(text)) << text;
}

}  // namespace
