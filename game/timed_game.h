#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "game/played_board.h"

// How the end of a game is announced, from the stored code: 1 sound only, 2 message only,
// 3 both; any other code announces nothing.
struct TimeUpAnnouncement {
  bool Sound = false;
  bool Message = false;
};
TimeUpAnnouncement AnnouncementFor(int32_t timeUpNotification);

// What one tick of the game clock did.
enum class TickOutcome { Counted, TenSecondWarning, TimeUp };

// A timed game and its guess list: the clock counts whole seconds up to the game length,
// warns once ten seconds before the end and stops on the tick that reaches the length.
class TimedGame {
 public:
  // A new game on `board`: the length is taken now, the clock starts at zero and the
  // list empties.
  void Start(int32_t minutes, int32_t seconds, const PlayedBoard& board);
  TickOutcome Tick();
  // The game is over, its guesses not judged yet.
  void Stop() {
    running_ = false;
    judged_ = false;
  }

  bool Running() const { return running_; }
  int32_t ElapsedSeconds() const { return elapsedSeconds_; }
  int32_t GameSeconds() const { return gameSeconds_; }
  // The elapsed time as hh:mm:ss.
  std::string TimeText() const;

  // Adds the typed text as a guess: blanks trimmed, letters upper-cased, at most 255
  // characters, marked " (DUP)" when the list holds it already. False when the text was
  // blank and nothing was added.
  bool AddGuess(const std::string& typed);
  // The list empties for a new board.
  void ClearGuesses(const PlayedBoard& board) {
    guesses_.clear();
    board_ = board;
  }
  const std::vector<std::string>& Guesses() const { return guesses_; }
  // The board the guesses were entered on.
  const PlayedBoard& Board() const { return board_; }
  // True once for each game played: at the first judging of its guesses, which is the
  // one the game history records.
  bool FirstJudging() { return !std::exchange(judged_, true); }

 private:
  bool running_ = false;
  int32_t gameSeconds_ = 0;
  int32_t elapsedSeconds_ = 0;
  bool tenSecondWarningGiven_ = false;
  bool judged_ = true;  // no game played yet
  std::vector<std::string> guesses_;
  PlayedBoard board_;
};
