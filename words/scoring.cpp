#include "words/scoring.h"

#include <algorithm>
#include <cctype>

#include "base/text_utils.h"

namespace {

constexpr size_t kMaxGuessLength = 255;

bool IsRepeat(const std::string& guess) { return guess.find("(DUP)") != std::string::npos; }

bool LessIgnoringCase(const std::string& left, const std::string& right) {
  return std::lexicographical_compare(left.begin(), left.end(), right.begin(), right.end(),
                                      [](char a, char b) {
                                        return std::tolower(static_cast<unsigned char>(a)) <
                                               std::tolower(static_cast<unsigned char>(b));
                                      });
}

void SortLikeAListBox(std::vector<std::string>& words) {
  std::stable_sort(words.begin(), words.end(), LessIgnoringCase);
}

// Index into the length lines, or -1 for a word too short for any line.
int LengthLine(size_t length) {
  if (length < 3) return -1;
  return static_cast<int>(std::min<size_t>(length, 12) - 3);
}

int64_t Penalty(bool charged, const std::vector<std::string>& words) {
  return charged ? -static_cast<int64_t>(words.size()) : 0;
}

int64_t ChargedPoints(bool charged) { return charged ? -1 : 0; }

// The guess judged, put on its list of the sheet, and its verdict with its points.
JudgedGuess Judge(const std::string& whole, const GameSettings& settings, const WordTest& inPuzzle,
                  const WordTest& inSpeller, ScoreSheet& sheet) {
  // Cutting first could cut the mark off a long repeat and charge for it again.
  if (IsRepeat(whole)) return {whole, GuessVerdict::Repeat, 0};
  std::string guess = whole.substr(0, kMaxGuessLength);
  switch (JudgeGuess(guess, settings.MinimumWordLength, inPuzzle, inSpeller)) {
    case WordVerdict::TooShort:
      sheet.TooShort.push_back(guess);
      return {guess, GuessVerdict::TooShort, ChargedPoints(settings.WordTooShort)};
    case WordVerdict::NotInPuzzle:
      sheet.NotInPuzzle.push_back(guess);
      return {guess, GuessVerdict::NotInPuzzle, ChargedPoints(settings.WordNotInPuzzle)};
    case WordVerdict::Misspelled:
      sheet.Misspelled.push_back(guess);
      return {guess, GuessVerdict::Misspelled, ChargedPoints(settings.WordMisspelled)};
    case WordVerdict::Valid:
      break;
  }
  sheet.ValidWords.push_back(guess);
  const int64_t points = settings.PointsForLength(static_cast<int>(guess.size()));
  return {std::move(guess), GuessVerdict::Valid, points};
}

}  // namespace

WordVerdict JudgeGuess(const std::string& guess, int32_t minimumWordLength,
                       const WordTest& inPuzzle, const WordTest& inSpeller) {
  if (static_cast<int64_t>(guess.size()) < minimumWordLength) return WordVerdict::TooShort;
  if (!inPuzzle(guess)) return WordVerdict::NotInPuzzle;
  if (!inSpeller(guess)) return WordVerdict::Misspelled;
  return WordVerdict::Valid;
}

ScoreSheet ScoreGuesses(const std::vector<std::string>& guesses, const GameSettings& settings,
                        const WordTest& inPuzzle, const WordTest& inSpeller) {
  ScoreSheet sheet;
  sheet.Guesses.reserve(guesses.size());
  for (const std::string& whole : guesses)
    sheet.Guesses.push_back(Judge(whole, settings, inPuzzle, inSpeller, sheet));
  for (auto* list : {&sheet.ValidWords, &sheet.NotInPuzzle, &sheet.Misspelled, &sheet.TooShort})
    SortLikeAListBox(*list);

  for (const std::string& word : sheet.ValidWords) {
    const int line = LengthLine(word.size());
    if (line >= 0) ++sheet.LengthCounts[line];
  }
  // At most 32767 words times 32-bit points per line: no sum here comes near 64 bits.
  for (int line = 0; line < kLengthLines; ++line) {
    const int64_t points = settings.PointsForLength(line + 3);
    sheet.LineScores[line] = sheet.LengthCounts[line] * points;
    sheet.TotalScore += sheet.LineScores[line];
  }
  sheet.NotInPuzzlePenalty = Penalty(settings.WordNotInPuzzle, sheet.NotInPuzzle);
  sheet.MisspelledPenalty = Penalty(settings.WordMisspelled, sheet.Misspelled);
  sheet.TooShortPenalty = Penalty(settings.WordTooShort, sheet.TooShort);
  sheet.TotalScore += sheet.NotInPuzzlePenalty + sheet.MisspelledPenalty + sheet.TooShortPenalty;
  return sheet;
}

ScoreTexts MakeScoreTexts(const ScoreSheet& sheet) {
  ScoreTexts texts;
  for (int line = 0; line < kLengthLines; ++line) {
    const std::string caption =
        line + 3 <= 11 ? std::to_string(line + 3) + " Letter Words: " : "Larger Words: ";
    texts.LetterLabels[line] = caption + FormatCount(sheet.LengthCounts[line]);
    texts.LineScores[line] = FormatCount(sheet.LineScores[line]);
  }
  texts.NotInPuzzleLabel = "Words Not In Puzzle: " + FormatCount(std::ssize(sheet.NotInPuzzle));
  texts.NotInPuzzleScore = FormatCount(sheet.NotInPuzzlePenalty);
  texts.MisspelledLabel = "Misspelled Words: " + FormatCount(std::ssize(sheet.Misspelled));
  texts.MisspelledScore = FormatCount(sheet.MisspelledPenalty);
  texts.TooShortLabel = "Words Too Short: " + FormatCount(std::ssize(sheet.TooShort));
  texts.TooShortScore = FormatCount(sheet.TooShortPenalty);
  texts.FinalScore = FormatCount(sheet.TotalScore);
  return texts;
}
