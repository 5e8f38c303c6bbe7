#include "history/todays_board.h"

#include "base/random_source.h"
#include "game/scramble.h"
#include "history/game_record.h"
#include "history/utc_time.h"
#include "words/language.h"

namespace {

// splitmix64's finaliser: neighbouring days give unrelated seeds.
uint64_t SeedFor(int64_t dayNumber) {
  uint64_t z = static_cast<uint64_t>(dayNumber) + 0x9E3779B97F4A7C15ull;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

// The language's code as a number: "de" is 0x6465. English's boards are the ones it
// always had.
uint64_t LanguageSeed(const Language& language) {
  if (&language == &English()) return 0;
  uint64_t seed = 0;
  for (const char c : language.Code) seed = seed << 8 | static_cast<unsigned char>(c);
  return seed << 32;
}

}  // namespace

PuzzleRecord TodaysBoard(int64_t dayNumber, const Language& language) {
  GameSettings settings;
  settings.Height = 5;
  settings.Width = 5;
  settings.AlternateLetters = false;
  settings.HighFrequencyLetters = false;
  LetterGrid grid;
  grid.ComputeCellOnBoard(settings.Height, settings.Width);
  XorShiftRandom random(SeedFor(dayNumber) ^ LanguageSeed(language));
  ScrambleLetters(grid, settings, random, language);
  return PuzzleRecordFromBoard(grid, settings.Height, settings.Width);
}

std::string DayOfBoard(const GameRecord& record) {
  if (record.Height != 5 || record.Width != 5) return "";
  const int64_t playedOn = DayNumber(record.PlayedAt);
  for (const int64_t day : {playedOn, playedOn - 1}) {
    const Language* language = FindLanguage(record.LanguageCode);
    const PuzzleRecord board = TodaysBoard(day, language != nullptr ? *language : English());
    if (std::string(board.PuzzleLetters.begin(), board.PuzzleLetters.end()) == record.Letters)
      return DateText(day);
  }
  return "";
}
