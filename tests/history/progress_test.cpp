#include "history/progress.h"

#include <gtest/gtest.h>

#include <set>

namespace {

std::vector<ProgressPoint> Scores(const std::vector<int64_t>& scores, int64_t secondsApart = 3600) {
  std::vector<ProgressPoint> points;
  for (const int64_t score : scores)
    points.push_back({1765000000 + secondsApart * std::ssize(points), score, 50});
  return points;
}

// The labels of the score axis are whole numbers, none repeated, zero among them, every
// score within the axis, and a handful of them whatever the scores.
TEST(ProgressTest, TheScoreAxisHasAFewWholeDistinctLabelsAroundEveryScore) {
  const std::vector<std::vector<int64_t>> cases = {
      {}, {0}, {3}, {-2}, {1, 3}, {0, 1, 2, 3}, {7, 99}, {-40, 12}, {1234567}};
  for (const auto& scores : cases) {
    const ScoreScale scale = ScoreScaleFor(Scores(scores));
    SCOPED_TRACE(::testing::PrintToString(scores));
    EXPECT_GE(scale.Step, 1);
    EXPECT_LE(scale.Low, 0);
    EXPECT_GE(scale.High, 0);
    EXPECT_LT(scale.Low, scale.High);
    EXPECT_EQ((scale.High - scale.Low) % scale.Step, 0);
    EXPECT_EQ(scale.Low % scale.Step, 0) << "zero is a label";
    EXPECT_GE(scale.TickCount(), 2);
    EXPECT_LE(scale.TickCount(), 7);
    for (const int64_t score : scores) {
      EXPECT_GE(score, scale.Low);
      EXPECT_LE(score, scale.High);
    }
  }
  EXPECT_EQ(ScoreScaleFor(Scores({3})).Step, 1) << "not 0.75 a step, which labels 1,1,2,2,3";
}

TEST(ProgressTest, GamesOfOneDayAreToldApartByTheirTime) {
  EXPECT_EQ(std::string(TimeLabelPattern(Scores({1, 2, 3}, 3600))), "MM-dd HH:mm");
  EXPECT_EQ(std::string(TimeLabelPattern(Scores({1}))), "MM-dd HH:mm");
  EXPECT_EQ(std::string(TimeLabelPattern(Scores({1, 2}, 3 * 86400))), "yyyy-MM-dd");
}

TEST(ProgressTest, TheChartIsToldInWords) {
  EXPECT_EQ(ProgressDescription(Scores({4, -2, 31})),
            "Scores of the last 3 games, from -2 to 31 points.");
  EXPECT_EQ(ProgressDescription(Scores({1500})), "Score of the one game: 1,500 points.");
  EXPECT_EQ(ProgressDescription({}), "No games of this kind yet.");
}

}  // namespace
