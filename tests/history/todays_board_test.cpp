#include "history/todays_board.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "history/utc_time.h"

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

}  // namespace
