#include "history/history_csv.h"

#include <gtest/gtest.h>

namespace {

std::vector<GameRecord> VariedGames(int count) {
  std::vector<GameRecord> games;
  for (int i = 0; i < count; ++i) {
    GameRecord game;
    game.PlayedAt = 1765000000 + i * 4000;
    game.Height = 4 + i % 2;
    game.Width = 4 + i / 2 % 2;
    game.Letters = std::string(25, ' ');
    for (int row = 0; row < game.Height; ++row)
      for (int column = 0; column < game.Width; ++column)
        game.Letters[static_cast<size_t>(row * 5 + column)] =
            "AB-,\"C\xE9"[static_cast<size_t>(row + column + i) % 8];
    game.AmericanDictionary = i % 3 != 0;
    game.MinimumWordLength = 3 + i % 2;
    game.RepeatingLettersAllowed = i % 4 == 0;
    game.GameSeconds = 60 * (i % 5);
    game.Guesses = {{"CAT", GuessVerdict::Valid, 1},
                    {"a,\"b\"\r\nc", GuessVerdict::NotInPuzzle, -1}};
    game.TotalScore = i - 7;
    if (i % 2) game.PossibleWords = {{"CAT", 1}, {"SCATTER", 5}};
    if (i % 7 == 0) game.BoardOfTheDay = "2026-12-09";
    game.Mode = GameModes()[static_cast<size_t>(i) % GameModes().size()].Code;
    game.WithHints = i % 3 == 1;
    game.LanguageCode = i % 4 == 1 ? "de" : "en";
    game.Match = i % 5 == 2;
    games.push_back(game);
  }
  return games;
}

TEST(HistoryCsvTest, FiftyGamesReadBackAsTheSameGames) {
  const std::vector<GameRecord> games = VariedGames(50);
  const std::string csv = HistoryCsv(games);
  EXPECT_EQ(csv.substr(0, 17), "Date (UTC),Height");
  EXPECT_EQ(ReadHistoryCsv(csv), games);
  EXPECT_EQ(ReadHistoryCsv(HistoryCsv({})), std::vector<GameRecord>{});
}

TEST(HistoryCsvTest, AnyOtherTextIsRefused) {
  const std::string good = HistoryCsv(VariedGames(2));
  const std::string row = good.substr(good.find("\r\n") + 2);
  for (const std::string& text :
       {std::string(), std::string("Date,Height\r\n"), good.substr(0, good.size() - 40),
        good + "\"open", good + "1,2,3\r\n",
        good + row.substr(0, row.find(',')) + "x" + row.substr(row.find(','))})
    EXPECT_FALSE(ReadHistoryCsv(text)) << text;
}

TEST(HistoryCsvTest, PercentsHaveOneDecimalAndAPoint) {
  EXPECT_EQ(PercentText(0), "0.0");
  EXPECT_EQ(PercentText(100.0 / 7), "14.3");
  EXPECT_EQ(PercentText(99.96), "100.0");
  EXPECT_EQ(PercentText(-0.25), "-0.3");
}

}  // namespace
