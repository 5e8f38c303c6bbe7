#pragma once

#include "game/game_mode.h"

struct ScoreSheet;

// Follows one game of the main window for a match or a challenge: it hears when the game
// ends and when Check List has judged it. The main window keeps it from the start of
// that game until another game starts or the window closes.
class GameWatcher {
 public:
  virtual ~GameWatcher() = default;
  // Time is up or the game was aborted: the guess list is final.
  virtual void GameStopped() {}
  // Check List judged the game and its score dialog has closed.
  virtual void ListChecked(const ScoreSheet&) {}
  // The game history keeps the game as a match game.
  virtual bool MatchGame() const { return false; }
  // The mode the game is played in, whatever the player chose for their own games.
  virtual GameMode Mode() const { return GameMode::Classic; }
};
