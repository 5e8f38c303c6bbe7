#include "history/history_row.h"

HistoryRow RowFromRecord(const GameRecord& record) {
  HistoryRow row;
  row.PlayedAt = record.PlayedAt;
  row.Height = record.Height;
  row.Width = record.Width;
  row.Letters = record.Letters;
  row.AmericanDictionary = record.AmericanDictionary;
  row.LanguageCode = record.LanguageCode;
  row.MinimumWordLength = record.MinimumWordLength;
  row.RepeatingLettersAllowed = record.RepeatingLettersAllowed;
  row.GameSeconds = record.GameSeconds;
  row.TotalScore = record.TotalScore;
  row.FoundWords = record.FoundWords();
  row.PossibleWordCount = static_cast<int64_t>(record.PossibleWords.size());
  row.PercentOfPossible = record.PercentOfPossible();
  row.BoardOfTheDay = record.BoardOfTheDay;
  row.Mode = record.Mode;
  row.WithHints = record.WithHints;
  row.Match = record.Match;
  row.Guesses = EncodeGuesses(record.Guesses);
  row.PossibleWords = EncodePossibleWords(record.PossibleWords);
  return row;
}

std::optional<GameRecord> RecordFromRow(const HistoryRow& row) {
  auto guesses = DecodeGuesses(row.Guesses);
  auto possible = DecodePossibleWords(row.PossibleWords);
  if (!guesses || !possible) return std::nullopt;
  if (row.Height < 4 || row.Height > 5 || row.Width < 4 || row.Width > 5) return std::nullopt;
  GameRecord record;
  record.PlayedAt = row.PlayedAt;
  record.Height = row.Height;
  record.Width = row.Width;
  record.Letters = row.Letters;
  record.Letters.resize(25, ' ');
  record.AmericanDictionary = row.AmericanDictionary;
  record.LanguageCode = row.LanguageCode;
  record.MinimumWordLength = row.MinimumWordLength;
  record.RepeatingLettersAllowed = row.RepeatingLettersAllowed;
  record.GameSeconds = row.GameSeconds;
  record.TotalScore = row.TotalScore;
  record.Guesses = std::move(*guesses);
  record.PossibleWords = std::move(*possible);
  record.BoardOfTheDay = row.BoardOfTheDay;
  record.Mode = row.Mode;
  record.WithHints = row.WithHints;
  record.Match = row.Match;
  return record;
}
