#include "history/history_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

HistoryRow Game(int64_t id, int64_t playedAt, int64_t score, int height, int seconds) {
  HistoryRow row;
  row.Id = id;
  row.PlayedAt = playedAt;
  row.TotalScore = score;
  row.Height = height;
  row.GameSeconds = seconds;
  return row;
}

TEST(HistoryListTest, EachColumnSortsByItsFigureThenByDate) {
  std::vector<HistoryRow> rows = {Game(1, 300, 10, 5, 180), Game(2, 100, -4, 4, 60),
                                  Game(3, 200, 10, 4, 180)};
  const auto order = [&](GameColumn column) {
    std::stable_sort(rows.begin(), rows.end(),
                     [&](const auto& a, const auto& b) { return GameLess(a, b, column); });
    std::vector<int64_t> ids;
    for (const HistoryRow& row : rows) ids.push_back(row.Id);
    return ids;
  };
  EXPECT_EQ(order(GameColumn::Date), (std::vector<int64_t>{2, 3, 1}));
  // A negative score sorts below zero, and ten points tie to the earlier game.
  EXPECT_EQ(order(GameColumn::Score), (std::vector<int64_t>{2, 3, 1}));
  EXPECT_EQ(order(GameColumn::Size), (std::vector<int64_t>{2, 3, 1}));
  EXPECT_EQ(order(GameColumn::Length), (std::vector<int64_t>{2, 3, 1}));
}

TEST(HistoryListTest, ARecordStoredAsARowReadsBackWhole) {
  GameRecord record;
  record.PlayedAt = 1765000000;
  record.Height = 5;
  record.Letters = std::string(25, 'Q');
  record.Guesses = {{"QUA:I|L", GuessVerdict::NotInPuzzle, -1}, {"QQQ", GuessVerdict::Valid, 1}};
  record.PossibleWords = {{"QQQ", 1}, {"QQQQ", 1}};
  record.TotalScore = 0;
  record.BoardOfTheDay = "2025-12-06";
  const HistoryRow row = RowFromRecord(record);
  EXPECT_EQ(row.FoundWords, 1);
  EXPECT_EQ(row.PossibleWordCount, 2);
  EXPECT_EQ(RecordFromRow(row), record);
  HistoryRow broken = row;
  broken.Guesses = "QQQ";
  EXPECT_FALSE(RecordFromRow(broken));
  EXPECT_EQ(GameLine(row)[static_cast<size_t>(GameColumn::Size)], "5 x 4 (board of 2025-12-06)");
  EXPECT_EQ(GameLine(row)[static_cast<size_t>(GameColumn::Percent)], "50.0");
}

// The history file is the player's to edit: a row no game could have left is refused as
// a puzzle file would be.
TEST(HistoryListTest, ARowNoGameCouldHaveLeftIsNotSound) {
  HistoryRow good;
  good.PlayedAt = 1765000000;
  good.Letters = "ABCD EFGH IJKL MNOP      ";
  ASSERT_TRUE(IsSoundRow(good));
  const struct {
    const char* what;
    std::function<void(HistoryRow&)> edit;
    bool sound;
  } cases[] = {
      {"9 x 9", [](HistoryRow& r) { r.Height = r.Width = 9; }, false},
      {"3 high", [](HistoryRow& r) { r.Height = 3; }, false},
      {"5 x 5", [](HistoryRow& r) { r.Height = r.Width = 5; }, true},
      {"date 9e15", [](HistoryRow& r) { r.PlayedAt = 9000000000000000; }, false},
      {"before 1970", [](HistoryRow& r) { r.PlayedAt = -1; }, false},
      {"last second of 9999", [](HistoryRow& r) { r.PlayedAt = kLatestPlayedAt; }, true},
      {"negative length", [](HistoryRow& r) { r.GameSeconds = -60; }, false},
      {"negative finds", [](HistoryRow& r) { r.FoundWords = -1; }, false},
      {"26 letters", [](HistoryRow& r) { r.Letters += "Z"; }, false},
      {"control byte on the board", [](HistoryRow& r) { r.Letters[2] = '\n'; }, false},
      {"control byte off the board", [](HistoryRow& r) { r.Letters[4] = '\n'; }, true},
      {"letters short of the board", [](HistoryRow& r) { r.Letters = "AB"; }, true},
      {"Latin-1 letter", [](HistoryRow& r) { r.Letters[0] = '\xC4'; }, true},
  };
  for (const auto& c : cases) {
    HistoryRow row = good;
    c.edit(row);
    EXPECT_EQ(IsSoundRow(row), c.sound) << c.what;
    EXPECT_EQ(RecordFromRow(row).has_value(), c.sound) << c.what;
  }
}

}  // namespace
