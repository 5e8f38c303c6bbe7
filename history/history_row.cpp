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

namespace {

bool IsBoardSize(int32_t size) { return size == 4 || size == 5; }

bool IsTileByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0x20 && byte != 0x7F;
}

}  // namespace

bool IsSoundRow(const HistoryRow& row) {
  if (!IsBoardSize(row.Height) || !IsBoardSize(row.Width) || row.Letters.size() > 25) return false;
  if (row.PlayedAt < 0 || row.PlayedAt > kLatestPlayedAt || row.GameSeconds < 0) return false;
  if (row.FoundWords < 0 || row.PossibleWordCount < 0) return false;
  for (int cell = 0; cell < static_cast<int>(row.Letters.size()); ++cell)
    if (cell / 5 < row.Height && cell % 5 < row.Width && !IsTileByte(row.Letters[cell]))
      return false;
  return true;
}

std::optional<GameRecord> RecordFromRow(const HistoryRow& row) {
  if (!IsSoundRow(row)) return std::nullopt;
  auto guesses = DecodeGuesses(row.Guesses);
  auto possible = DecodePossibleWords(row.PossibleWords);
  if (!guesses || !possible) return std::nullopt;
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
