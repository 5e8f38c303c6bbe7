#include "history/history_list.h"

#include <cstdio>

#include "base/text_utils.h"
#include "history/history_csv.h"
#include "history/utc_time.h"

const std::array<const char*, kGameColumns>& GameColumnTitles() {
  static const std::array<const char*, kGameColumns> titles = {
      "Date (UTC)", "Size", "Dictionary", "Length", "Score", "Found / Possible", "% of Points"};
  return titles;
}

std::array<std::string, kGameColumns> GameLine(const HistoryRow& row) {
  char length[32];
  std::snprintf(length, sizeof length, "%d:%02d", row.GameSeconds / 60, row.GameSeconds % 60);
  std::string size = std::to_string(row.Height) + " x " + std::to_string(row.Width);
  if (!row.BoardOfTheDay.empty()) size += " (board of " + row.BoardOfTheDay + ")";
  return {DateTimeText(row.PlayedAt),
          size,
          row.AmericanDictionary ? "American" : "British",
          length,
          FormatCount(row.TotalScore),
          FormatCount(row.FoundWords) + " / " + FormatCount(row.PossibleWordCount),
          PercentText(row.PercentOfPossible)};
}
