#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The ways to play. The numbers and the codes never change: a mode travels in the settings
// file, the history, and in codes and messages between copies of the game.
enum class GameMode : uint8_t {
  Classic = 0,
  Refill = 1,
  TimeBonus = 2,
  Strikeout = 3,
  Allotment = 4,
  Unlimited = 5,
};

// The clock of a mode that takes the length set in Timer Options.
inline constexpr int32_t kTimerLength = -1;

// One way to play: its names and the figures of its end rule (end_rule.h).
struct GameModeRow {
  GameMode Mode;
  const char* Code;  // "refill"
  const char* Name;  // "Refill"
  const char* Description;
  // The clock at Start: kTimerLength, a number of seconds, or 0 for no clock at all.
  int32_t StartSeconds;
  // A valid new word fills the clock up to this many seconds left (0: it does not).
  int32_t RefillSeconds;
  // A valid new word adds its points and this many seconds to the clock (0: nothing).
  int32_t BonusSeconds;
  // The game ends at this many guesses that are not a valid new word (0: never).
  int32_t StrikeLimit;
  // The game ends at this many guesses (0: never).
  int32_t GuessLimit;
  // The game ends when every word of the board is found.
  bool EndsWhenAllFound;
};

// Every mode, in the order the Game Mode dialog offers them; Classic first.
std::span<const GameModeRow> GameModes();
const GameModeRow& ModeRow(GameMode mode);
// The mode of a code; nothing for a code no row has.
std::optional<GameMode> ModeFromCode(std::string_view code);
// The name of the mode of `code`, or the code itself for a mode this copy does not know.
std::string ModeNameOf(const std::string& code);

// How a game was played, as its record keeps it: the mode, and whether a hint showed.
struct PlayedMode {
  GameMode Mode = GameMode::Classic;
  bool WithHints = false;
};
