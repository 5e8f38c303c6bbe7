#include "history/best_ten.h"

#include <gtest/gtest.h>

namespace {

TEST(BestTenTest, HighestFirstTheEarlierGameKeepsATieAndOnlyTenStay) {
  std::vector<ScoreEntry> entries;
  for (int64_t id = 1; id <= 14; ++id) entries.push_back({id, 1000 - id, id % 5});
  // Scores 4 and 3 tie thrice; the earliest of each tie leads it.
  const std::vector<ScoreEntry> best = BestTen(entries);
  ASSERT_EQ(best.size(), 10u);
  std::vector<int64_t> ids;
  for (const ScoreEntry& entry : best) ids.push_back(entry.GameId);
  EXPECT_EQ(ids, (std::vector<int64_t>{14, 9, 4, 13, 8, 3, 12, 7, 2, 11}));
  EXPECT_EQ(RecordPlace(entries, 14), 1);
  EXPECT_EQ(RecordPlace(entries, 11), 10);
  EXPECT_EQ(RecordPlace(entries, 6), 0);
  // Only a score that beat an earlier one is a record: not the first, nor the last.
  EXPECT_EQ(RecordPlace({{1, 10, 5}}, 1), 0);
  EXPECT_EQ(RecordPlace({{1, 10, 5}, {2, 20, 3}}, 2), 0);
  EXPECT_EQ(RecordPlace({{1, 10, 5}, {2, 20, 6}}, 2), 1);
}

TEST(BestTenTest, TheNoticeNamesTheScoreThePlaceAndTheMode) {
  const RecordMode mode{5, 4, 90, false};
  EXPECT_EQ(RecordNotice(1, 1234, mode), "A new best score: 1,234 points on 5 x 4, 1:30, British.");
  EXPECT_EQ(RecordNotice(3, 7, mode),
            "A score among your ten best: 7 points, number 3 on 5 x 4, 1:30, British.");
  // In another language the language judged, whatever the dictionary item says.
  EXPECT_EQ(RecordNotice(1, 40, {4, 4, 180, false, "sv"}),
            "A new best score: 40 points on 4 x 4, 3:00, Svenska.");
}

}  // namespace
