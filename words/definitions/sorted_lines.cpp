#include "words/definitions/sorted_lines.h"

#include <algorithm>

std::string_view LineAt(std::string_view text, std::size_t start) {
  if (start >= text.size()) return {};
  const std::size_t end = text.find('\n', start);
  return text.substr(start, (end == std::string_view::npos ? text.size() : end) - start);
}

std::string_view FirstField(std::string_view line) {
  return line.substr(0, std::min(line.find(' '), line.find('\t')));
}

std::size_t LowerBoundLine(std::string_view text, std::string_view key, const LineOrder& order) {
  // Every line starting before `low` orders before the key; no line starting in
  // [low, high) has been looked at. `low` is always the start of a line.
  std::size_t low = 0;
  std::size_t high = text.size();
  while (low < high) {
    const std::size_t middle = low + (high - low) / 2;
    std::size_t start = middle;
    if (start > 0 && text[start - 1] != '\n') {
      const std::size_t feed = text.find('\n', start);
      start = feed == std::string_view::npos ? text.size() : feed + 1;
    }
    if (start >= high) {
      high = middle;  // no line starts in [middle, high)
      continue;
    }
    const std::string_view line = LineAt(text, start);
    if (order(line, key) < 0) {
      low = start + line.size() + 1;
    } else {
      high = start;
    }
  }
  return std::min(low, text.size());
}

std::string_view FindLineRest(std::string_view text, std::string_view key) {
  const auto byFirstField = [](std::string_view line, std::string_view sought) {
    return FirstField(line).compare(sought);
  };
  const std::string_view line = LineAt(text, LowerBoundLine(text, key, byFirstField));
  const std::string_view field = FirstField(line);
  if (field.empty() || field != key) return {};
  return line.substr(std::min(field.size() + 1, line.size()));
}
