#include "history/game_record.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "base/text_utils.h"

namespace {

// Verdict codes in the encoded lists, in the order of GuessVerdict.
constexpr std::array<char, 5> kVerdictCodes = {'V', 'N', 'M', 'S', 'R'};

bool NeedsEscape(char c) {
  return c == '%' || c == ':' || c == '|' || static_cast<unsigned char>(c) < 0x20;
}

std::string Escape(const std::string& word) {
  std::string out;
  for (const char c : word) {
    if (!NeedsEscape(c)) {
      out += c;
      continue;
    }
    char hex[4];
    std::snprintf(hex, sizeof hex, "%%%02X", static_cast<unsigned char>(c));
    out += hex;
  }
  return out;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<std::string> Unescape(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    if (i + 2 >= text.size()) return std::nullopt;
    const int high = HexValue(text[i + 1]);
    const int low = HexValue(text[i + 2]);
    if (high < 0 || low < 0) return std::nullopt;
    out += static_cast<char>(high * 16 + low);
    i += 2;
  }
  return out;
}

// The `N` fields of one entry, without a list of its own for each of the thousands of
// entries an export reads; nothing when the entry has another number of fields.
template <size_t N>
std::optional<std::array<std::string_view, N>> SplitExactly(std::string_view entry,
                                                            char separator) {
  std::array<std::string_view, N> fields;
  for (size_t i = 0; i < N; ++i) {
    const size_t end = entry.find(separator);
    if ((end == std::string_view::npos) != (i == N - 1)) return std::nullopt;
    fields[i] = entry.substr(0, end);
    entry.remove_prefix(end == std::string_view::npos ? entry.size() : end + 1);
  }
  return fields;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  for (;;) {
    const size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

}  // namespace

int64_t GameRecord::FoundWords() const {
  int64_t found = 0;
  for (const JudgedGuess& guess : Guesses) found += guess.Verdict == GuessVerdict::Valid;
  return found;
}

int64_t GameRecord::FoundPoints() const {
  int64_t points = 0;
  for (const JudgedGuess& guess : Guesses)
    if (guess.Verdict == GuessVerdict::Valid) points += guess.Points;
  return points;
}

int64_t GameRecord::PossiblePoints() const {
  int64_t points = 0;
  for (const PossibleWord& word : PossibleWords) points += word.Points;
  return points;
}

double GameRecord::PercentOfPossible() const {
  const int64_t possible = PossiblePoints();
  return possible > 0 ? 100.0 * static_cast<double>(FoundPoints()) / static_cast<double>(possible)
                      : 0.0;
}

std::vector<PossibleWord> PriceBoardWords(const std::vector<BoardWord>& boardWords,
                                          const GameSettings& settings) {
  std::vector<PossibleWord> priced;
  priced.reserve(boardWords.size());
  for (const BoardWord& word : boardWords) {
    priced.push_back({word.Word, settings.PointsForLength(static_cast<int>(word.Word.size()))});
  }
  return priced;
}

GameRecord MakeGameRecord(int64_t playedAt, const PlayedBoard& board, const GameSettings& settings,
                          std::vector<JudgedGuess> guesses,
                          std::vector<PossibleWord> possibleWords) {
  GameRecord record;
  record.PlayedAt = playedAt;
  record.Height = board.Height;
  record.Width = board.Width;
  for (int cell = 1; cell <= LetterGrid::kCells; ++cell)
    record.Letters[static_cast<size_t>(cell - 1)] =
        board.Grid.CellOnBoard[cell] ? board.Grid.Letters[cell] : ' ';
  record.AmericanDictionary = JudgesWithAmerican(settings);
  record.LanguageCode = settings.LanguageCode;
  record.MinimumWordLength = settings.MinimumWordLength;
  record.RepeatingLettersAllowed = settings.RepeatingLettersAllowed;
  record.GameSeconds = std::max(0, settings.Minutes) * 60 + std::max(0, settings.Seconds);
  record.Guesses = std::move(guesses);
  for (const JudgedGuess& guess : record.Guesses) record.TotalScore += guess.Points;
  record.PossibleWords = std::move(possibleWords);
  return record;
}

void SetPlayedMode(GameRecord& record, const PlayedMode& played) {
  const GameModeRow& mode = ModeRow(played.Mode);
  record.Mode = mode.Code;
  record.WithHints = played.WithHints;
  if (mode.StartSeconds != kTimerLength) record.GameSeconds = mode.StartSeconds;
}

std::string VerdictText(GuessVerdict verdict) {
  switch (verdict) {
    case GuessVerdict::Valid:
      return "Valid";
    case GuessVerdict::NotInPuzzle:
      return "Not In Puzzle";
    case GuessVerdict::Misspelled:
      return "Misspelled";
    case GuessVerdict::TooShort:
      return "Too Short";
    case GuessVerdict::Repeat:
      break;
  }
  return "Repeat";
}

std::string EncodeGuesses(const std::vector<JudgedGuess>& guesses) {
  std::string text;
  for (const JudgedGuess& guess : guesses) {
    if (!text.empty()) text += '|';
    text += Escape(guess.Word) + ':' + kVerdictCodes[static_cast<size_t>(guess.Verdict)] + ':' +
            std::to_string(guess.Points);
  }
  return text;
}

std::optional<std::vector<JudgedGuess>> DecodeGuesses(const std::string& text) {
  std::vector<JudgedGuess> guesses;
  if (text.empty()) return guesses;
  const std::vector<std::string_view> entries = Split(text, '|');
  guesses.reserve(entries.size());
  for (const std::string_view entry : entries) {
    const auto fields = SplitExactly<3>(entry, ':');
    if (!fields || (*fields)[1].size() != 1) return std::nullopt;
    std::optional<std::string> word = Unescape((*fields)[0]);
    const std::optional<int64_t> points = ReadWholeNumber<int64_t>((*fields)[2]);
    size_t code = 0;
    while (code < kVerdictCodes.size() && kVerdictCodes[code] != (*fields)[1][0]) ++code;
    if (!word || !points || code == kVerdictCodes.size()) return std::nullopt;
    guesses.push_back({std::move(*word), static_cast<GuessVerdict>(code), *points});
  }
  return guesses;
}

std::string EncodePossibleWords(const std::vector<PossibleWord>& words) {
  std::string text;
  for (const PossibleWord& word : words) {
    if (!text.empty()) text += '|';
    text += Escape(word.Word) + ':' + std::to_string(word.Points);
  }
  return text;
}

std::optional<std::vector<PossibleWord>> DecodePossibleWords(const std::string& text) {
  std::vector<PossibleWord> words;
  if (text.empty()) return words;
  const std::vector<std::string_view> entries = Split(text, '|');
  words.reserve(entries.size());
  for (const std::string_view entry : entries) {
    const auto fields = SplitExactly<2>(entry, ':');
    if (!fields) return std::nullopt;
    std::optional<std::string> word = Unescape((*fields)[0]);
    const std::optional<int64_t> points = ReadWholeNumber<int64_t>((*fields)[1]);
    if (!word || !points) return std::nullopt;
    words.push_back({std::move(*word), *points});
  }
  return words;
}
