#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "history/game_record.h"

// A game as the history file stores it: the record's fields, the figures the history
// window sorts by, and the two lists as text. A row read for the list of games leaves
// the two lists empty.
struct HistoryRow {
  int64_t Id = 0;
  int64_t PlayedAt = 0;
  int32_t Height = 4;
  int32_t Width = 4;
  std::string Letters;
  bool AmericanDictionary = true;
  std::string LanguageCode = "en";
  int32_t MinimumWordLength = 3;
  bool RepeatingLettersAllowed = false;
  int32_t GameSeconds = 180;
  int64_t TotalScore = 0;
  int64_t FoundWords = 0;
  int64_t PossibleWordCount = 0;
  double PercentOfPossible = 0;
  std::string BoardOfTheDay;
  std::string Mode = "classic";
  bool WithHints = false;
  bool Match = false;
  std::string Guesses;
  std::string PossibleWords;
};

// The last moment a date of the history can name: 9999-12-31 23:59:59 UTC.
inline constexpr int64_t kLatestPlayedAt = 253402300799;

HistoryRow RowFromRecord(const GameRecord& record);
// Whether a row read back from the history file could be a game the game recorded, as a
// puzzle file is checked: a board of 4 or 5 by 4 or 5 tiles with no control byte on it,
// a date from 1970 to 9999, a game length and counts that are not negative. The history
// file is the player's to edit, and a row that is none of these is never shown or played.
bool IsSoundRow(const HistoryRow& row);
// Nothing when the row is not sound or a list does not read.
std::optional<GameRecord> RecordFromRow(const HistoryRow& row);
