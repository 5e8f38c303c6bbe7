#include "game/end_rule.h"

#include <algorithm>

std::string GameEndText(GameEnd end, const GameModeRow& mode) {
  switch (end) {
    case GameEnd::StrikesUsed:
      return "Strike " + std::to_string(mode.StrikeLimit) + ": the game is over.";
    case GameEnd::GuessesUsed:
      return "That was guess " + std::to_string(mode.GuessLimit) + ": the game is over.";
    case GameEnd::AllFound:
      return "Every word on the board is found.";
    case GameEnd::NothingToFind:
      return "There is no word to find on this board.";
    case GameEnd::TimeUp:
    case GameEnd::Running:
      break;
  }
  return "Time is up.";
}

GameEnd EndRule::Start(const GameModeRow& mode, TimedGame& clock, int64_t wordsOnBoard) {
  mode_ = &mode;
  wordsOnBoard_ = wordsOnBoard;
  wordsFound_ = 0;
  strikes_ = 0;
  guesses_ = 0;
  if (mode.StartSeconds == 0)
    clock.SetLength(std::nullopt);
  else if (mode.StartSeconds != kTimerLength)
    clock.SetLength(mode.StartSeconds);
  return mode.EndsWhenAllFound && wordsOnBoard == 0 ? GameEnd::NothingToFind : GameEnd::Running;
}

EndRule::Outcome EndRule::Judged(TimedGame& clock, bool validNewWord, int64_t points) {
  Outcome outcome;
  ++guesses_;
  if (validNewWord) {
    ++wordsFound_;
    outcome.AddedSeconds = EarnedSeconds(clock, points);
    if (outcome.AddedSeconds > 0) clock.AddTime(outcome.AddedSeconds);
  } else {
    ++strikes_;
  }
  const GameModeRow& mode = *mode_;
  if (mode.StrikeLimit > 0 && strikes_ >= mode.StrikeLimit)
    outcome.End = GameEnd::StrikesUsed;
  else if (mode.GuessLimit > 0 && guesses_ >= mode.GuessLimit)
    outcome.End = GameEnd::GuessesUsed;
  else if (mode.EndsWhenAllFound && wordsFound_ >= wordsOnBoard_)
    outcome.End = GameEnd::AllFound;
  return outcome;
}

int32_t EndRule::EarnedSeconds(const TimedGame& clock, int64_t points) const {
  if (!clock.HasClock()) return 0;
  int64_t earned = 0;
  if (mode_->RefillSeconds > 0) earned = mode_->RefillSeconds - clock.SecondsLeft();
  // Points a settings file may set below zero never take time away.
  if (mode_->BonusSeconds > 0) earned = points + mode_->BonusSeconds;
  return static_cast<int32_t>(std::clamp<int64_t>(earned, 0, INT32_MAX));
}
