#include "history/history_list.h"

#include <cstdio>
#include <set>
#include <tuple>

#include "base/text_utils.h"
#include "game/game_mode.h"
#include "history/best_ten.h"
#include "history/history_csv.h"
#include "history/utc_time.h"

const std::array<const char*, kGameColumns>& GameColumnTitles() {
  static const std::array<const char*, kGameColumns> titles = {
      "Date (UTC)", "Size",  "Dictionary",       "Length",
      "Mode",       "Score", "Found / Possible", "% of Points"};
  return titles;
}

namespace {

// Where a mode stands in the mode table; a mode this copy does not know comes last.
int ModeOrder(const std::string& code) {
  const std::optional<GameMode> mode = ModeFromCode(code);
  return mode ? static_cast<int>(*mode) : 256;
}

}  // namespace

std::array<std::string, kGameColumns> GameLine(const HistoryRow& row) {
  std::string size = std::to_string(row.Height) + " x " + std::to_string(row.Width);
  if (!row.BoardOfTheDay.empty()) size += " (board of " + row.BoardOfTheDay + ")";
  if (row.Match) size += " (match)";
  return {DateTimeText(row.PlayedAt),
          size,
          DictionaryText(row.LanguageCode, row.AmericanDictionary),
          TakesTimerLength(row.Mode) ? LengthText(row.GameSeconds) : "-",
          ModeNameOf(row.Mode) + (row.WithHints ? ", with hints" : ""),
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
      case GameColumn::Mode:
        return std::tuple<double, double>(ModeOrder(row.Mode), row.WithHints);
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

std::vector<std::string> PlayedGameModes(const std::vector<RecordMode>& modes) {
  std::set<std::pair<int, std::string>> played;
  for (const RecordMode& mode : modes) played.emplace(ModeOrder(mode.Mode), mode.Mode);
  std::vector<std::string> codes;
  for (const auto& [order, code] : played) codes.push_back(code);
  return codes;
}
