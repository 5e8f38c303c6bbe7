#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/played_board.h"
#include "settings/game_settings.h"
#include "words/scoring.h"
#include "words/word_finder.h"

struct PossibleWord {
  std::string Word;
  int64_t Points = 0;
  bool operator==(const PossibleWord&) const = default;
};

// One judged game, as the history keeps it.
struct GameRecord {
  int64_t PlayedAt = 0;  // seconds since 1970-01-01 00:00 UTC
  int32_t Height = 4;
  int32_t Width = 4;
  std::string Letters = std::string(25, ' ');  // cell (r, c) at (r - 1) * 5 + (c - 1)
  bool AmericanDictionary = true;
  std::string LanguageCode = "en";  // a code of the language table
  int32_t MinimumWordLength = 3;
  bool RepeatingLettersAllowed = false;
  int32_t GameSeconds = 180;
  std::vector<JudgedGuess> Guesses;  // in the order they were entered
  int64_t TotalScore = 0;
  std::vector<PossibleWord> PossibleWords;  // what the board allowed
  std::string BoardOfTheDay;                // "2026-12-09" for today's board, else empty

  bool operator==(const GameRecord&) const = default;

  int64_t FoundWords() const;
  int64_t FoundPoints() const;
  int64_t PossiblePoints() const;
  // Points of the valid guesses against the points the board allowed; 0 for an empty board.
  double PercentOfPossible() const;
};

// Every word of the board, priced by its length.
std::vector<PossibleWord> PriceBoardWords(const std::vector<BoardWord>& boardWords,
                                          const GameSettings& settings);

// The record of the board played, the play options in force and the guesses as the score
// sheet judged them; letters off the board are blank.
GameRecord MakeGameRecord(int64_t playedAt, const PlayedBoard& board, const GameSettings& settings,
                          std::vector<JudgedGuess> guesses,
                          std::vector<PossibleWord> possibleWords);

// "Valid", "Not In Puzzle", "Misspelled", "Too Short", "Repeat".
std::string VerdictText(GuessVerdict verdict);

// The two lists as one line of text each, for the history file and the CSV export:
// "CAT:V:1|DOG:N:-1" and "CAT:1|TEA:1". '%', ':', '|' and control bytes in a word are
// written as %XX. Reading gives nothing for any text that is not such a line.
std::string EncodeGuesses(const std::vector<JudgedGuess>& guesses);
std::optional<std::vector<JudgedGuess>> DecodeGuesses(const std::string& text);
std::string EncodePossibleWords(const std::vector<PossibleWord>& words);
std::optional<std::vector<PossibleWord>> DecodePossibleWords(const std::string& text);
