#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "history/history_list.h"
#include "platform/game_history.h"

// The ids of every game kept, newest first, as the Game History window lists them.
inline std::vector<int64_t> NewestGames(GameHistory& history) {
  std::vector<HistoryRow> keys = history.SortKeys(GameColumn::Date);
  std::sort(keys.begin(), keys.end(), [](const HistoryRow& a, const HistoryRow& b) {
    return GameLess(b, a, GameColumn::Date);
  });
  std::vector<int64_t> ids;
  for (const HistoryRow& key : keys) ids.push_back(key.Id);
  return ids;
}
