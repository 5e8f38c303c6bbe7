#include "history/todays_board.h"

#include "base/random_source.h"
#include "game/scramble.h"
#include "history/game_record.h"
#include "history/utc_time.h"

namespace {

// splitmix64's finaliser: neighbouring days give unrelated seeds.
uint64_t SeedFor(int64_t dayNumber) {
  uint64_t z = static_cast<uint64_t>(dayNumber) + 0x9E3779B97F4A7C15ull;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

}  // namespace

PuzzleRecord TodaysBoard(int64_t dayNumber) {
  GameSettings settings;
  settings.Height = 5;
  settings.Width = 5;
  settings.AlternateLetters = false;
  settings.HighFrequencyLetters = false;
  LetterGrid grid;
  grid.ComputeCellOnBoard(settings.Height, settings.Width);
  XorShiftRandom random(SeedFor(dayNumber));
  ScrambleLetters(grid, settings, random);
  return PuzzleRecordFromBoard(grid, settings.Height, settings.Width);
}

std::string DayOfBoard(const GameRecord& record) {
  if (record.Height != 5 || record.Width != 5) return "";
  const int64_t playedOn = DayNumber(record.PlayedAt);
  for (const int64_t day : {playedOn, playedOn - 1}) {
    const PuzzleRecord board = TodaysBoard(day);
    if (std::string(board.PuzzleLetters.begin(), board.PuzzleLetters.end()) == record.Letters)
      return DateText(day);
  }
  return "";
}
