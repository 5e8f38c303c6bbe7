#include "history/game_record.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A fake board and dictionary that count their look-ups: the board holds words without
// an X, the dictionary those without a Z.
struct CountingJudges {
  int lookUps = 0;
  WordTest InPuzzle() {
    return [this](const std::string& word) {
      ++lookUps;
      return word.find('X') == std::string::npos;
    };
  }
  WordTest InSpeller() {
    return [this](const std::string& word) {
      ++lookUps;
      return word.find('Z') == std::string::npos;
    };
  }
};

// The record is the score sheet's judgement: every guess looked up once, by the sheet,
// and the points of the record add up to the dialog's total whatever is charged.
TEST(GameRecordTest, TheRecordTakesTheSheetsVerdictsWithoutLookingAnythingUpAgain) {
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
    CountingJudges judges;
    const ScoreSheet sheet = ScoreGuesses(guesses, settings, judges.InPuzzle(), judges.InSpeller());
    // The board for the seven guesses that are neither short nor repeats, the dictionary
    // for the five of them on the board.
    EXPECT_EQ(judges.lookUps, 12);
    const GameRecord record = MakeGameRecord(0, PlayedBoard{}, settings, sheet.Guesses, {});
    EXPECT_EQ(record.Guesses, sheet.Guesses);
    EXPECT_EQ(record.TotalScore, sheet.TotalScore);
    EXPECT_EQ(record.FoundWords(), 4);
  }
  CountingJudges judges;
  const std::vector<JudgedGuess> judged =
      ScoreGuesses(guesses, GameSettings{}, judges.InPuzzle(), judges.InSpeller()).Guesses;
  ASSERT_EQ(judged.size(), guesses.size());
  EXPECT_EQ(judged[1], (JudgedGuess{"AT", GuessVerdict::TooShort, -1}));
  EXPECT_EQ(judged[4], (JudgedGuess{"CAT (DUP)", GuessVerdict::Repeat, 0}));
  EXPECT_EQ(judged[6].Word.size(), 255u);
  EXPECT_EQ(judged[9].Verdict, GuessVerdict::Repeat);
}

TEST(GameRecordTest, TheRecordKeepsOnlyTheBoardsTilesAndMeasuresFindsAgainstTheBoard) {
  LetterGrid grid;
  grid.Letters.fill('Q');
  grid.ComputeCellOnBoard(4, 5);
  GameSettings settings;
  settings.Minutes = 2;
  settings.Seconds = 30;
  const GameRecord record =
      MakeGameRecord(99, {grid, 4, 5}, settings,
                     {{"CAT", GuessVerdict::Valid, 1}, {"ZZZ", GuessVerdict::Misspelled, -1}},
                     PriceBoardWords({{"CAT", {}}, {"CATS", {}}, {"SCATTER", {}}}, settings));
  EXPECT_EQ(record.Letters, std::string(20, 'Q') + std::string(5, ' '));
  EXPECT_EQ(record.GameSeconds, 150);
  EXPECT_EQ(record.TotalScore, 0);
  EXPECT_EQ(record.PossiblePoints(), 7);
  EXPECT_NEAR(record.PercentOfPossible(), 100.0 / 7, 1e-9);
  EXPECT_EQ(GameRecord{}.PercentOfPossible(), 0.0);
}

// Records are kept per dictionary: in a language without a choice of dictionary, the
// English choice left in the settings must not split one language's records in two.
TEST(GameRecordTest, OnlyALanguageWithADictionaryChoiceRecordsIt) {
  for (const bool american : {true, false}) {
    GameSettings settings;
    settings.AmericanDictionary = american;
    EXPECT_EQ(MakeGameRecord(0, {}, settings, {}, {}).AmericanDictionary, american);
    settings.LanguageCode = "de";
    EXPECT_TRUE(MakeGameRecord(0, {}, settings, {}, {}).AmericanDictionary);
  }
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
