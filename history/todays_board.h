#pragma once

#include <cstdint>
#include <string>

#include "settings/puzzle_file.h"

struct Language;
const Language& English();

// Today's board: one 5 x 5 board for each day and language, the same for every player
// everywhere. The game's own generator, in its default mode and with the language's
// letters, draws it from a source seeded by the day and the language's code (English by
// the day alone, as before there were languages); every step is integer arithmetic, so
// no library or locale can change it. `dayNumber` counts days since 1970-01-01 (UTC).
PuzzleRecord TodaysBoard(int64_t dayNumber, const Language& language = English());

struct GameRecord;
// The date ("2026-12-09") of the day whose board the game was played on, for a game
// played that day or the day after; empty for any other board.
std::string DayOfBoard(const GameRecord& record);
