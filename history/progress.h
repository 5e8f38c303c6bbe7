#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The chart of a player's progress in one mode: score and % of possible points over time,
// game by game, of the last kChartedGames games of the mode. More would not be told apart
// on the chart, and would read most of a large history file.
inline constexpr int kChartedGames = 200;

// One game on the chart.
struct ProgressPoint {
  int64_t PlayedAt = 0;  // seconds since 1970 UTC
  int64_t Score = 0;
  double PercentOfPossible = 0;
};

// The score axis: whole numbers from Low to High in steps of Step, Low <= every score <=
// High, zero included, about five steps and never a step below one point, so that no
// label repeats.
struct ScoreScale {
  int64_t Low = 0;
  int64_t High = 1;
  int64_t Step = 1;
  int TickCount() const { return static_cast<int>((High - Low) / Step) + 1; }
};
ScoreScale ScoreScaleFor(const std::vector<ProgressPoint>& points);

// The time axis's labels as a date-time pattern: "yyyy-MM-dd", or "MM-dd HH:mm" when the
// games span less than two days, so that games of one day are told apart.
const char* TimeLabelPattern(const std::vector<ProgressPoint>& points);

// The chart told in words, for those who cannot see it: "Scores of the last 12 games,
// from -2 to 31 points." (points in the order played).
std::string ProgressDescription(const std::vector<ProgressPoint>& points);

// Everything the chart shows, worked out: the games in the order played, the axes and
// the words.
struct ProgressView {
  std::vector<ProgressPoint> Points;
  ScoreScale Scores;
  std::string TimeLabels;
  std::string Description;
};
ProgressView MakeProgressView(std::vector<ProgressPoint> points);
