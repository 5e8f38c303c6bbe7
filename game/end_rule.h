#pragma once

#include <cstdint>
#include <string>

#include "game/game_mode.h"
#include "game/timed_game.h"

// Why a game ended.
enum class GameEnd {
  Running,        // it has not
  TimeUp,         // the clock ran out
  StrikesUsed,    // the last strike a mode allows
  GuessesUsed,    // the last guess a mode allows
  AllFound,       // every word of the board found
  NothingToFind,  // a game that ends when all are found, on a board without words
};

// What the player is told when a game of `mode` ends for `end`: "Time is up." ...
std::string GameEndText(GameEnd end, const GameModeRow& mode);

// How a game of one mode ends: it sets the clock at the start, and counts the guesses as
// they are judged, adding time to the clock where the mode gives it. The clock ends the
// game on its own (TimedGame::Tick); the rule says when the guesses end it.
class EndRule {
 public:
  // A new game of `mode` on a board of `wordsOnBoard` words: `clock`, just started with the
  // timer's length, gets the mode's clock. A game that ends when every word is found ends
  // at once on a board without words.
  GameEnd Start(const GameModeRow& mode, TimedGame& clock, int64_t wordsOnBoard);

  struct Outcome {
    int32_t AddedSeconds = 0;
    GameEnd End = GameEnd::Running;
  };
  // A guess was judged: `validNewWord` when it is a word of the board not found before,
  // with the points it scores.
  Outcome Judged(TimedGame& clock, bool validNewWord, int64_t points);

  const GameModeRow& Mode() const { return *mode_; }
  int32_t Strikes() const { return strikes_; }
  int32_t Guesses() const { return guesses_; }
  int64_t WordsFound() const { return wordsFound_; }

 private:
  int32_t EarnedSeconds(const TimedGame& clock, int64_t points) const;

  const GameModeRow* mode_ = &ModeRow(GameMode::Classic);
  int64_t wordsOnBoard_ = 0;
  int64_t wordsFound_ = 0;
  int32_t strikes_ = 0;
  int32_t guesses_ = 0;
};
