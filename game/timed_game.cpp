#include "game/timed_game.h"

#include <algorithm>
#include <cstdio>

#include "base/text_utils.h"

TimeUpAnnouncement AnnouncementFor(int32_t timeUpNotification) {
  return {timeUpNotification == 1 || timeUpNotification == 3,
          timeUpNotification == 2 || timeUpNotification == 3};
}

void TimedGame::Start(int32_t minutes, int32_t seconds, const PlayedBoard& board) {
  running_ = true;
  gameSeconds_ = minutes * 60 + seconds;
  tenSecondWarningGiven_ = false;
  elapsedSeconds_ = 0;
  ClearGuesses(board);
}

TickOutcome TimedGame::Tick() {
  ++elapsedSeconds_;
  if (elapsedSeconds_ >= gameSeconds_) {
    running_ = false;
    return TickOutcome::TimeUp;
  }
  if (elapsedSeconds_ >= gameSeconds_ - 10 && !tenSecondWarningGiven_) {
    tenSecondWarningGiven_ = true;
    return TickOutcome::TenSecondWarning;
  }
  return TickOutcome::Counted;
}

static std::string TwoDigits(int32_t value) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%02d", static_cast<int>(value));
  return digits;
}

std::string TimedGame::TimeText() const {
  return TwoDigits(elapsedSeconds_ / 3600) + ":" + TwoDigits(elapsedSeconds_ % 3600 / 60) + ":" +
         TwoDigits(elapsedSeconds_ % 60);
}

bool TimedGame::AddGuess(const std::string& typed) {
  const std::string trimmed = TrimBlanks(typed.substr(0, 255));
  if (trimmed.empty()) return false;
  std::string guess = UpperCopy(trimmed, 255);
  if (std::find(guesses_.begin(), guesses_.end(), guess) != guesses_.end()) guess += " (DUP)";
  guesses_.push_back(guess);
  return true;
}
