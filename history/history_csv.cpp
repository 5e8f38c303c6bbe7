#include "history/history_csv.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "base/text_utils.h"
#include "history/utc_time.h"

namespace {

constexpr const char* kHeader =
    "Date (UTC),Height,Width,Letters,Dictionary,Minimum Word Length,Repeating Letters,"
    "Game Seconds,Score,Found Words,Possible Words,Possible Points,% of Possible Points,"
    "Board of the Day,Guesses,Possible Words List,Mode,With Hints,Language,Match Game";
constexpr size_t kColumns = 20;

enum Column : size_t {
  kDate,
  kHeight,
  kWidth,
  kLetters,
  kDictionary,
  kMinimumLength,
  kRepeating,
  kSeconds,
  kScore,
  kBoardOfTheDay = 13,
  kGuesses,
  kPossible,
  kMode,
  kWithHints,
  kLanguage,
  kMatch
};

// Adds `field` to `text`, quoted where it needs it.
void AppendQuoted(std::string& text, std::string_view field) {
  // One pass over the field: find_first_of would search the four characters at each byte.
  const auto special = [](char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; };
  if (std::none_of(field.begin(), field.end(), special)) {
    text += field;
    return;
  }
  text += '"';
  for (const char c : field) {
    if (c == '"') text += '"';
    text += c;
  }
  text += '"';
}

// The board's rows, joined by "-".
std::string LettersText(const GameRecord& record) {
  std::string text;
  for (int row = 0; row < record.Height; ++row) {
    if (row > 0) text += '-';
    text += record.Letters.substr(static_cast<size_t>(row * 5), static_cast<size_t>(record.Width));
  }
  return text;
}

// The fields of a record's line before its two lists.
std::vector<std::string> Fields(const GameRecord& record) {
  return {DateTimeText(record.PlayedAt),
          std::to_string(record.Height),
          std::to_string(record.Width),
          LettersText(record),
          record.AmericanDictionary ? "American" : "British",
          std::to_string(record.MinimumWordLength),
          record.RepeatingLettersAllowed ? "Yes" : "No",
          std::to_string(record.GameSeconds),
          std::to_string(record.TotalScore),
          std::to_string(record.FoundWords()),
          std::to_string(record.PossibleWords.size()),
          std::to_string(record.PossiblePoints()),
          PercentText(record.PercentOfPossible()),
          record.BoardOfTheDay};
}

// The record's line; `guesses` and `possibleWords` are its two lists as EncodeGuesses and
// EncodePossibleWords write them.
void AppendLine(std::string& text, const GameRecord& record, std::string_view guesses,
                std::string_view possibleWords) {
  for (const std::string& field : Fields(record)) {
    AppendQuoted(text, field);
    text += ',';
  }
  for (const std::string_view field : {guesses, possibleWords, std::string_view(record.Mode)}) {
    AppendQuoted(text, field);
    text += ',';
  }
  text += record.WithHints ? "Yes," : "No,";
  AppendQuoted(text, record.LanguageCode);
  text += record.Match ? ",Yes\r\n" : ",No\r\n";
}

// Splits the text into lines of fields; nothing when a quote is left open.
std::optional<std::vector<std::vector<std::string>>> ParseCsv(const std::string& text) {
  std::vector<std::vector<std::string>> lines;
  std::vector<std::string> line;
  std::string field;
  bool quoted = false;
  bool fieldStarted = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c != '"') {
        field += c;
      } else if (i + 1 < text.size() && text[i + 1] == '"') {
        field += '"';
        ++i;
      } else {
        quoted = false;
      }
    } else if (c == '"' && field.empty()) {
      quoted = fieldStarted = true;
    } else if (c == ',') {
      line.push_back(std::move(field));
      field.clear();
      fieldStarted = true;
    } else if (c == '\n' || (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
      if (c == '\r') ++i;
      line.push_back(std::move(field));
      lines.push_back(std::move(line));
      line.clear();
      field.clear();
      fieldStarted = false;
    } else {
      field += c;
      fieldStarted = true;
    }
  }
  if (quoted) return std::nullopt;
  if (fieldStarted || !field.empty()) {
    line.push_back(std::move(field));
    lines.push_back(std::move(line));
  }
  return lines;
}

std::optional<bool> ReadChoice(const std::string& text, const char* yes, const char* no) {
  if (text == yes) return true;
  if (text == no) return false;
  return std::nullopt;
}

bool ReadLetters(const std::string& text, GameRecord& record) {
  const size_t rowLength = static_cast<size_t>(record.Width) + 1;
  if (text.size() != rowLength * static_cast<size_t>(record.Height) - 1) return false;
  for (int row = 0; row < record.Height; ++row) {
    const size_t start = static_cast<size_t>(row) * rowLength;
    if (row > 0 && text[start - 1] != '-') return false;
    for (int column = 0; column < record.Width; ++column)
      record.Letters[static_cast<size_t>(row * 5 + column)] =
          text[start + static_cast<size_t>(column)];
  }
  return true;
}

std::optional<GameRecord> ReadRecord(const std::vector<std::string>& fields) {
  if (fields.size() != kColumns) return std::nullopt;
  GameRecord record;
  const auto playedAt = ReadDateTime(fields[kDate]);
  const auto height = ReadWholeNumber<int32_t>(fields[kHeight]);
  const auto width = ReadWholeNumber<int32_t>(fields[kWidth]);
  const auto american = ReadChoice(fields[kDictionary], "American", "British");
  const auto minimumLength = ReadWholeNumber<int32_t>(fields[kMinimumLength]);
  const auto repeating = ReadChoice(fields[kRepeating], "Yes", "No");
  const auto seconds = ReadWholeNumber<int32_t>(fields[kSeconds]);
  const auto score = ReadWholeNumber<int64_t>(fields[kScore]);
  auto guesses = DecodeGuesses(fields[kGuesses]);
  auto possible = DecodePossibleWords(fields[kPossible]);
  const auto withHints = ReadChoice(fields[kWithHints], "Yes", "No");
  const auto match = ReadChoice(fields[kMatch], "Yes", "No");
  if (!playedAt || !height || !width || !american || !minimumLength || !repeating || !seconds ||
      !score || !guesses || !possible || !withHints || !match || fields[kMode].empty() ||
      fields[kLanguage].empty())
    return std::nullopt;
  if (*height < 4 || *height > 5 || *width < 4 || *width > 5) return std::nullopt;
  if (!fields[kBoardOfTheDay].empty() && !ReadDate(fields[kBoardOfTheDay])) return std::nullopt;
  record.PlayedAt = *playedAt;
  record.Height = *height;
  record.Width = *width;
  if (!ReadLetters(fields[kLetters], record)) return std::nullopt;
  record.AmericanDictionary = *american;
  record.MinimumWordLength = *minimumLength;
  record.RepeatingLettersAllowed = *repeating;
  record.GameSeconds = *seconds;
  record.TotalScore = *score;
  record.Guesses = std::move(*guesses);
  record.PossibleWords = std::move(*possible);
  record.BoardOfTheDay = fields[kBoardOfTheDay];
  record.Mode = fields[kMode];
  record.WithHints = *withHints;
  record.LanguageCode = fields[kLanguage];
  record.Match = *match;
  return record;
}

}  // namespace

std::string PercentText(double percent) {
  const long long tenths = std::llround(percent * 10);
  const long long whole = tenths / 10;
  std::string text = tenths < 0 && whole == 0 ? "-" : "";
  text += std::to_string(whole);
  text += '.';
  text += std::to_string(std::llabs(tenths % 10));
  return text;
}

std::string HistoryCsvHeader() { return std::string(kHeader) + "\r\n"; }

bool AppendHistoryCsvLine(std::string& text, const HistoryRow& row) {
  // Read, so that only a game is written and its figures are worked out from its lists;
  // the lists themselves are written as they are stored, which is how they read.
  const std::optional<GameRecord> record = RecordFromRow(row);
  if (!record) return false;
  AppendLine(text, *record, row.Guesses, row.PossibleWords);
  return true;
}

std::string HistoryCsv(const std::vector<GameRecord>& records) {
  std::string text = HistoryCsvHeader();
  for (const GameRecord& record : records)
    AppendLine(text, record, EncodeGuesses(record.Guesses),
               EncodePossibleWords(record.PossibleWords));
  return text;
}

std::optional<std::vector<GameRecord>> ReadHistoryCsv(const std::string& text) {
  const auto lines = ParseCsv(text);
  if (!lines || lines->empty()) return std::nullopt;
  std::string header;
  for (size_t i = 0; i < lines->front().size(); ++i) {
    if (i > 0) header += ',';
    header += lines->front()[i];
  }
  if (header != kHeader) return std::nullopt;
  std::vector<GameRecord> records;
  for (size_t i = 1; i < lines->size(); ++i) {
    std::optional<GameRecord> record = ReadRecord((*lines)[i]);
    if (!record) return std::nullopt;
    records.push_back(std::move(*record));
  }
  return records;
}
