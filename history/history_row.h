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

HistoryRow RowFromRecord(const GameRecord& record);
// Nothing when a list does not read or the board is not a playable size.
std::optional<GameRecord> RecordFromRow(const HistoryRow& row);
