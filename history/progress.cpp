#include "history/progress.h"

#include <algorithm>

#include "base/text_utils.h"

namespace {

constexpr int kMostSteps = 5;
constexpr int64_t kTwoDays = 2 * 86400;

// 1, 2, 5, 10, 20, 50 ...: the first such step that covers `span` in kMostSteps steps.
int64_t NiceStep(int64_t span) {
  for (int64_t decade = 1;; decade *= 10)
    for (const int64_t factor : {1, 2, 5})
      if (factor * decade * kMostSteps >= span) return factor * decade;
}

int64_t FloorTo(int64_t value, int64_t step) {
  const int64_t down = value / step * step;
  return down > value ? down - step : down;
}

int64_t CeilTo(int64_t value, int64_t step) {
  const int64_t up = value / step * step;
  return up < value ? up + step : up;
}

}  // namespace

ScoreScale ScoreScaleFor(const std::vector<ProgressPoint>& points) {
  int64_t low = 0, high = 0;
  for (const ProgressPoint& point : points) {
    low = std::min(low, point.Score);
    high = std::max(high, point.Score);
  }
  if (high == low) ++high;
  const int64_t step = NiceStep(high - low);
  return {FloorTo(low, step), CeilTo(high, step), step};
}

const char* TimeLabelPattern(const std::vector<ProgressPoint>& points) {
  if (points.empty() || points.back().PlayedAt - points.front().PlayedAt >= kTwoDays)
    return "yyyy-MM-dd";
  return "MM-dd HH:mm";
}

std::string ProgressDescription(const std::vector<ProgressPoint>& points) {
  if (points.empty()) return "No games of this kind yet.";
  if (points.size() == 1)
    return "Score of the one game: " + FormatCount(points[0].Score) + " points.";
  const auto [lowest, highest] = std::minmax_element(
      points.begin(), points.end(),
      [](const ProgressPoint& a, const ProgressPoint& b) { return a.Score < b.Score; });
  return "Scores of the last " + FormatCount(std::ssize(points)) + " games, from " +
         FormatCount(lowest->Score) + " to " + FormatCount(highest->Score) + " points.";
}

ProgressView MakeProgressView(std::vector<ProgressPoint> points) {
  ProgressView view;
  view.Scores = ScoreScaleFor(points);
  view.TimeLabels = TimeLabelPattern(points);
  view.Description = ProgressDescription(points);
  view.Points = std::move(points);
  return view;
}
