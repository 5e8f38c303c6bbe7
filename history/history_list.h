#pragma once

#include <array>
#include <string>

#include "history/history_row.h"

// The list of games in the history window: one line per game, seven columns.
enum class GameColumn { Date, Size, Dictionary, Length, Score, Found, Percent };
inline constexpr int kGameColumns = 7;

// "Date (UTC)", "Size", ...
const std::array<const char*, kGameColumns>& GameColumnTitles();
// A game's texts, e.g. "2026-12-09 08:31:03", "5 x 5", "American", "3:00", "12",
// "7 / 63", "10.2"; today's board is marked with its day after the size.
std::array<std::string, kGameColumns> GameLine(const HistoryRow& row);
// The order of a column when sorted upwards: by the figure the column shows, then by date
// and id. Only those fields of the rows are read.
bool GameLess(const HistoryRow& a, const HistoryRow& b, GameColumn column);
