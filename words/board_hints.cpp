#include "words/board_hints.h"

#include <algorithm>
#include <functional>
#include <map>

FoundWords::FoundWords(const std::vector<BoardWord>& words) : found_(words.size(), false) {
  for (size_t i = 0; i < words.size(); ++i) index_.emplace(words[i].Word, i);
}

bool FoundWords::Mark(const std::string& guess) {
  const auto at = index_.find(guess);
  if (at == index_.end() || found_[at->second]) return false;
  found_[at->second] = true;
  ++count_;
  return true;
}

std::vector<LengthCount> WordsByLength(const std::vector<BoardWord>& words,
                                       const std::vector<bool>& found) {
  std::map<size_t, LengthCount> byLength;
  for (size_t i = 0; i < words.size(); ++i) {
    LengthCount& count = byLength[words[i].Word.size()];
    count.Length = static_cast<int32_t>(words[i].Word.size());
    ++count.Total;
    if (i < found.size() && found[i]) ++count.Found;
  }
  std::vector<LengthCount> counts;
  for (const auto& [length, count] : byLength) counts.push_back(count);
  return counts;
}

std::string LengthCountText(const LengthCount& count) {
  return std::to_string(count.Length) + " letters " + std::to_string(count.Found) + "/" +
         std::to_string(count.Total);
}

std::array<int32_t, LetterGrid::kCells + 1> WordsStartingOn(const std::vector<BoardWord>& words,
                                                            const std::vector<bool>& found) {
  std::array<int32_t, LetterGrid::kCells + 1> counts{};
  for (size_t i = 0; i < words.size(); ++i) {
    if (i < found.size() && found[i]) continue;
    const std::vector<int>& path = words[i].Path;
    if (!path.empty() && path.front() >= 1 && path.front() <= LetterGrid::kCells)
      ++counts[path.front()];
  }
  return counts;
}

int64_t BestPossibleScore(const std::vector<BoardWord>& words, const GameSettings& settings,
                          int32_t guessLimit) {
  std::vector<int64_t> points;
  for (const BoardWord& word : words) {
    const int64_t worth = settings.PointsForLength(static_cast<int>(word.Word.size()));
    if (worth > 0) points.push_back(worth);
  }
  if (guessLimit > 0 && points.size() > static_cast<size_t>(guessLimit)) {
    std::nth_element(points.begin(), points.begin() + guessLimit, points.end(), std::greater<>());
    points.resize(static_cast<size_t>(guessLimit));
  }
  int64_t best = 0;
  for (int64_t worth : points) best += worth;
  return best;
}
