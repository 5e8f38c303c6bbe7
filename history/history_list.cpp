#include "history/history_list.h"

#include <cstdio>
#include <tuple>

#include "base/text_utils.h"
#include "history/best_ten.h"
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
          DictionaryText(row.LanguageCode, row.AmericanDictionary),
          length,
          FormatCount(row.TotalScore),
          FormatCount(row.FoundWords) + " / " + FormatCount(row.PossibleWordCount),
          PercentText(row.PercentOfPossible)};
}

bool GameLess(const HistoryRow& a, const HistoryRow& b, GameColumn column) {
  const auto key = [column](const HistoryRow& row) {
    switch (column) {
      case GameColumn::Size:
        return std::tuple<double, double>(row.Height * 10 + row.Width, 0);
      case GameColumn::Dictionary:
        return std::tuple<double, double>(row.AmericanDictionary, 0);  // then by language
      case GameColumn::Length:
        return std::tuple<double, double>(row.GameSeconds, 0);
      case GameColumn::Score:
        return std::tuple<double, double>(static_cast<double>(row.TotalScore), 0);
      case GameColumn::Found:
        return std::tuple<double, double>(static_cast<double>(row.FoundWords),
                                          static_cast<double>(row.PossibleWordCount));
      case GameColumn::Percent:
        return std::tuple<double, double>(row.PercentOfPossible, 0);
      case GameColumn::Date:
        break;
    }
    return std::tuple<double, double>(0, 0);
  };
  return std::tuple(key(a), a.PlayedAt, a.Id) < std::tuple(key(b), b.PlayedAt, b.Id);
}
