#include "game/game_mode.h"

#include <array>

namespace {

constexpr std::array<GameModeRow, 6> kModes = {{
    {GameMode::Classic, "classic", "Classic", "The timer's length; words judged at Check List.",
     kTimerLength, 0, 0, 0, 0, false},
    {GameMode::Refill, "refill", "Refill",
     "30 seconds, filled up to 30 again by every new word found.", 30, 30, 0, 0, 0, false},
    {GameMode::TimeBonus, "bonus", "Time Bonus",
     "30 seconds; every new word found adds its points plus 8 seconds.", 30, 0, 8, 0, 0, false},
    {GameMode::Strikeout, "strikeout", "Strikeout",
     "The timer's length; the third guess that is not a new word ends the game.", kTimerLength, 0,
     0, 3, 0, false},
    {GameMode::Allotment, "allotment", "Allotment", "No clock; the game ends after 30 guesses.", 0,
     0, 0, 0, 30, false},
    {GameMode::Unlimited, "unlimited", "Unlimited",
     "No clock; the game ends when every word on the board is found.", 0, 0, 0, 0, 0, true},
}};

}  // namespace

std::span<const GameModeRow> GameModes() { return kModes; }

const GameModeRow& ModeRow(GameMode mode) {
  for (const GameModeRow& row : kModes)
    if (row.Mode == mode) return row;
  return kModes[0];
}

std::optional<GameMode> ModeFromCode(std::string_view code) {
  for (const GameModeRow& row : kModes)
    if (code == row.Code) return row.Mode;
  return std::nullopt;
}

std::string ModeNameOf(const std::string& code) {
  const std::optional<GameMode> mode = ModeFromCode(code);
  return mode ? ModeRow(*mode).Name : code;
}
