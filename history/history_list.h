#pragma once

#include <array>
#include <string>
#include <vector>

#include "history/best_ten.h"
#include "history/history_row.h"

// The list of games in the history window: one line per game, eight columns.
enum class GameColumn { Date, Size, Dictionary, Length, Mode, Score, Found, Percent };
inline constexpr int kGameColumns = 8;

// "Date (UTC)", "Size", ...
const std::array<const char*, kGameColumns>& GameColumnTitles();
// A game's texts, e.g. "2026-12-09 08:31:03", "5 x 5", "American", "3:00", "Classic",
// "12", "7 / 63", "10.2"; today's board is marked with its day after the size, a game
// played with hints after its mode, a match game with "(match)", and a mode without the
// timer's length has none.
std::array<std::string, kGameColumns> GameLine(const HistoryRow& row);
// The order of a column when sorted upwards: by the figure the column shows, then by date
// and id. Only those fields of the rows are read.
bool GameLess(const HistoryRow& a, const HistoryRow& b, GameColumn column);

// The codes of the game modes of `modes`, each once, in the order of the mode table.
std::vector<std::string> PlayedGameModes(const std::vector<RecordMode>& modes);
