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

// "1 point", "-1 point", "2 points".
std::string Counted(int64_t count, const char* one, const char* many) {
  return FormatCount(count) + " " + (count == 1 || count == -1 ? one : many);
}

int64_t ChargedPoints(bool charged) { return charged ? -1 : 0; }

// The sheet's list of the guesses of `verdict`; none for a repeat.
std::vector<std::string>* ListOf(GuessVerdict verdict, ScoreSheet& sheet) {
  switch (verdict) {
    case GuessVerdict::Valid:
      return &sheet.ValidWords;
    case GuessVerdict::NotInPuzzle:
      return &sheet.NotInPuzzle;
    case GuessVerdict::Misspelled:
      return &sheet.Misspelled;
    case GuessVerdict::TooShort:
      return &sheet.TooShort;
    case GuessVerdict::Repeat:
      break;
  }
  return nullptr;
}

// What a judged guess adds to the total.
int64_t PointsOf(const JudgedGuess& judged, const GameSettings& settings) {
  switch (judged.Verdict) {
    case GuessVerdict::Valid:
      return settings.PointsForLength(static_cast<int>(judged.Word.size()));
    case GuessVerdict::NotInPuzzle:
      return ChargedPoints(settings.WordNotInPuzzle);
    case GuessVerdict::Misspelled:
      return ChargedPoints(settings.WordMisspelled);
    case GuessVerdict::TooShort:
      return ChargedPoints(settings.WordTooShort);
    case GuessVerdict::Repeat:
      break;
  }
  return 0;
}

}  // namespace

WordVerdict JudgeGuess(const std::string& guess, int32_t minimumWordLength,
                       const WordTest& inPuzzle, const WordTest& inSpeller) {
  if (static_cast<int64_t>(guess.size()) < minimumWordLength) return WordVerdict::TooShort;
  if (!inPuzzle(guess)) return WordVerdict::NotInPuzzle;
  if (!inSpeller(guess)) return WordVerdict::Misspelled;
  return WordVerdict::Valid;
}

JudgedGuess JudgeListedGuess(const std::string& whole, const GameSettings& settings,
                             const WordTest& inPuzzle, const WordTest& inSpeller) {
  // Cutting first could cut the mark off a long repeat and charge for it again.
  if (IsRepeat(whole)) return {whole, GuessVerdict::Repeat, 0};
  JudgedGuess judged{whole.substr(0, kMaxGuessLength), GuessVerdict::Valid, 0};
  switch (JudgeGuess(judged.Word, settings.MinimumWordLength, inPuzzle, inSpeller)) {
    case WordVerdict::TooShort:
      judged.Verdict = GuessVerdict::TooShort;
      break;
    case WordVerdict::NotInPuzzle:
      judged.Verdict = GuessVerdict::NotInPuzzle;
      break;
    case WordVerdict::Misspelled:
      judged.Verdict = GuessVerdict::Misspelled;
      break;
    case WordVerdict::Valid:
      break;
  }
  judged.Points = PointsOf(judged, settings);
  return judged;
}

ScoreSheet ScoreGuesses(const std::vector<std::string>& guesses, const GameSettings& settings,
                        const WordTest& inPuzzle, const WordTest& inSpeller) {
  std::vector<JudgedGuess> judged;
  judged.reserve(guesses.size());
  for (const std::string& guess : guesses)
    judged.push_back(JudgeListedGuess(guess, settings, inPuzzle, inSpeller));
  return SheetOf(std::move(judged), settings);
}

ScoreSheet SheetOf(std::vector<JudgedGuess> guesses, const GameSettings& settings) {
  ScoreSheet sheet;
  for (JudgedGuess& judged : guesses) {
    judged.Points = PointsOf(judged, settings);
    if (std::vector<std::string>* list = ListOf(judged.Verdict, sheet))
      list->push_back(judged.Word);
  }
  sheet.Guesses = std::move(guesses);
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

  for (int line = 0; line < kLengthLines; ++line)
    texts.SpokenRows[line] =
        texts.LetterLabels[line] + ", " + Counted(sheet.LineScores[line], "point", "points");
  const int64_t penalties[] = {sheet.NotInPuzzlePenalty, sheet.MisspelledPenalty,
                               sheet.TooShortPenalty};
  const std::string* labels[] = {&texts.NotInPuzzleLabel, &texts.MisspelledLabel,
                                 &texts.TooShortLabel};
  int64_t penaltyPoints = 0;
  for (int kind = 0; kind < 3; ++kind) {
    texts.SpokenRows[kLengthLines + kind] =
        *labels[kind] + ", " + Counted(penalties[kind], "point", "points");
    penaltyPoints -= penalties[kind];
  }
  texts.SpokenTotal = "Total Score " + Counted(sheet.TotalScore, "point", "points") + ": " +
                      Counted(std::ssize(sheet.ValidWords), "valid word", "valid words") + ", " +
                      Counted(penaltyPoints, "penalty", "penalties");
  return texts;
}
