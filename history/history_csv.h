#pragma once

#include <optional>
#include <string>
#include <vector>

#include "history/game_record.h"
#include "history/history_row.h"

// The history as comma-separated values: a header line, then one line per game with the
// guesses and the board's words in one column each (as EncodeGuesses writes them).
// Fields are quoted where they need it; lines end in CR LF. The texts are the game's
// single bytes; the window writes them out as UTF-8.
std::string HistoryCsv(const std::vector<GameRecord>& records);
// The same a line at a time: the header line, then each game's line added to `text`, the
// game as the history file stores it, its two lists already written as the CSV writes
// them. False, and nothing added, when the row does not read as a game (RecordFromRow).
std::string HistoryCsvHeader();
bool AppendHistoryCsvLine(std::string& text, const HistoryRow& row);

// The games of a text HistoryCsv wrote; nothing for any other text. The columns that
// follow from others (found, possible, percent) are not read.
std::optional<std::vector<GameRecord>> ReadHistoryCsv(const std::string& text);

// "37.5": one decimal, a point whatever the locale.
std::string PercentText(double percent);
