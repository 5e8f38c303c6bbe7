#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "match/match_messages.h"
#include "platform/game_watcher.h"

class GameHost;
class MatchNetwork;
class Ticker;

// A match as the windows see it, the host's and a player's alike: a network of its own,
// a machine of match/ that it feeds with the network's events, and a clock that ticks
// the machine. It begins in a lobby window; when the count-down ends it goes to the main
// window with the game, hands in the guess list when the game stops, then shows the
// result and keeps the game in the history.
class MatchSession : public GameWatcher {
 public:
  enum class Stage { Joining, Lobby, CountDown, Playing, Done, Ended };

  ~MatchSession() override;

  virtual Stage CurrentStage() const = 0;
  virtual std::vector<LobbyPlayer> Players() const = 0;
  virtual const MatchSettings& Settings() const = 0;
  virtual uint8_t PlayerId() const = 0;
  // Why the match ended without a result; empty when it did not.
  virtual std::string EndMessage() const = 0;
  // The milliseconds left of the count-down.
  int64_t MsToStart();

  // Puts the match's board on the host's board and starts the game there, the session
  // going with it. Called when the count-down has ended.
  static void BeginGame(GameHost& host, std::unique_ptr<MatchSession> session);

  void GameStopped() override;
  bool MatchGame() const override { return true; }
  // The host's mode; Classic for one this copy does not know.
  GameMode Mode() const override {
    return ModeFromCode(Settings().Mode).value_or(GameMode::Classic);
  }

  // Called on every tick of the clock while a window shows the match.
  std::function<void()> onTick;

 protected:
  MatchSession(GameHost& host, std::unique_ptr<MatchNetwork> network);
  int64_t Now();
  // The match's board, row by row, once it started.
  virtual std::string Letters() const = 0;
  virtual int64_t StartsAtMs() const = 0;
  virtual const std::optional<MatchResult>& Result() const = 0;
  virtual void TickMatch(int64_t nowMs) = 0;
  virtual void HandIn(const std::vector<std::string>& guesses) = 0;

  GameHost& host_;
  std::unique_ptr<MatchNetwork> network_;

 private:
  void Tick();
  void AfterTheGame();

  std::unique_ptr<Ticker> ticker_;
  bool told_ = false;  // the result or the end of the match shown
};
