#include "history/todays_board.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "history/game_record.h"
#include "history/utc_time.h"
#include "words/language.h"

namespace {

std::string Letters(const PuzzleRecord& record) {
  return std::string(record.PuzzleLetters.begin(), record.PuzzleLetters.end());
}

TEST(TodaysBoardTest, EachDayHasItsOwnFullBoardThatNeverChanges) {
  const int64_t day = *ReadDate("2026-12-09");
  const PuzzleRecord board = TodaysBoard(day);
  EXPECT_EQ(board.PuzzleHeight, 5);
  EXPECT_EQ(board.PuzzleWidth, 5);
  EXPECT_EQ(Letters(board).find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), std::string::npos);
  // Every player on every machine gets this board on that day, in every later version too.
  EXPECT_EQ(Letters(board), "AEPRFEIWEVIEMNDNOWGNGIURK");
  std::set<std::string> boards;
  for (int64_t d = day; d < day + 365; ++d) boards.insert(Letters(TodaysBoard(d)));
  EXPECT_EQ(boards.size(), 365u);
}

TEST(TodaysBoardTest, EachLanguageHasItsOwnBoardOfItsOwnTiles) {
  const int64_t day = *ReadDate("2026-12-09");
  std::set<std::string> boards;
  for (const Language& language : Languages()) {
    const std::string letters = Letters(TodaysBoard(day, language));
    EXPECT_EQ(letters, Letters(TodaysBoard(day, language))) << language.Code;
    for (const char tile : letters) EXPECT_TRUE(IsTile(language, tile)) << language.Code;
    boards.insert(letters);
  }
  EXPECT_EQ(boards.size(), Languages().size());
  EXPECT_EQ(Letters(TodaysBoard(day, English())), Letters(TodaysBoard(day)));
}

TEST(TodaysBoardTest, AGameOnTheBoardOfTheDayIsMarkedWithItsDayUntilTheNextDayEnds) {
  const int64_t day = *ReadDate("2026-12-09");
  GameRecord game;
  game.Height = game.Width = 5;
  game.Letters = Letters(TodaysBoard(day));
  for (const auto& [playedOn, marked] :
       {std::pair{day, "2026-12-09"}, {day + 1, "2026-12-09"}, {day + 2, ""}, {day - 1, ""}}) {
    game.PlayedAt = playedOn * kSecondsPerDay + 3600;
    EXPECT_EQ(DayOfBoard(game), marked) << playedOn - day;
  }
  game.Letters[0] = game.Letters[0] == 'A' ? 'B' : 'A';
  game.PlayedAt = day * kSecondsPerDay;
  EXPECT_EQ(DayOfBoard(game), "");
}

}  // namespace
