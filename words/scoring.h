#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "settings/game_settings.h"

enum class WordVerdict { Valid, NotInPuzzle, Misspelled, TooShort };

// A guess of the list as Check List judged it. A repeat marked "(DUP)" is never judged
// and counts nothing, but it keeps its place as the player typed it.
enum class GuessVerdict { Valid, NotInPuzzle, Misspelled, TooShort, Repeat };

struct JudgedGuess {
  std::string Word;
  GuessVerdict Verdict = GuessVerdict::Valid;
  int64_t Points = 0;  // the length's points, or 0 / -1 for a bad guess
  bool operator==(const JudgedGuess&) const = default;
};

using WordTest = std::function<bool(const std::string& word)>;

// Lengths 3..11 and "larger" (12 letters or more).
constexpr int kLengthLines = 10;

// Everything the score dialog shows after judging a guess list.
struct ScoreSheet {
  // Every guess in the order entered, with the points it adds: they sum to the total.
  std::vector<JudgedGuess> Guesses;
  // Each sorted as a sorted list box sorts: alphabetically, ignoring letter case.
  std::vector<std::string> ValidWords;
  std::vector<std::string> NotInPuzzle;
  std::vector<std::string> Misspelled;
  std::vector<std::string> TooShort;
  std::array<int16_t, kLengthLines> LengthCounts{};
  // Figures in 64 bits: with any points a settings file may hold, the total shown is
  // the exact sum of the lines shown.
  std::array<int64_t, kLengthLines> LineScores{};  // count x points for the length
  // Each 0 or minus the number of words it charges for.
  int64_t NotInPuzzlePenalty = 0;
  int64_t MisspelledPenalty = 0;
  int64_t TooShortPenalty = 0;
  int64_t TotalScore = 0;
};

// The judgement of one guess: the too-short test first, then the board, and the
// dictionary only for a guess the board holds.
WordVerdict JudgeGuess(const std::string& guess, int32_t minimumWordLength,
                       const WordTest& inPuzzle, const WordTest& inSpeller);

// Judges every guess (first to last, each taken as at most 255 characters; repeats
// marked "(DUP)" anywhere in the whole guess are skipped), counts the valid words by
// length and prices them. Each guess is looked up once: whatever else wants the verdicts
// (the game's record) takes them from the sheet.
ScoreSheet ScoreGuesses(const std::vector<std::string>& guesses, const GameSettings& settings,
                        const WordTest& inPuzzle, const WordTest& inSpeller);

// The texts of the dialog's scoring rows, in the order they are shown.
struct ScoreTexts {
  std::array<std::string, kLengthLines> LetterLabels;  // "3 Letter Words: 2" ...
  std::array<std::string, kLengthLines> LineScores;
  std::string NotInPuzzleLabel;
  std::string NotInPuzzleScore;
  std::string MisspelledLabel;
  std::string MisspelledScore;
  std::string TooShortLabel;
  std::string TooShortScore;
  std::string FinalScore;
};

ScoreTexts MakeScoreTexts(const ScoreSheet& sheet);
