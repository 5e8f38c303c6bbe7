#pragma once

#include <memory>

#include "match/match_client.h"
#include "windows/match/match_session.h"

// A player's side of a match: connects to the host at once, says Hello and follows it.
// Ending it leaves the match; the others play on.
class PlayerSession : public MatchSession {
 public:
  PlayerSession(GameHost& host, std::unique_ptr<MatchNetwork> network, Hello hello,
                std::string address, uint16_t port);
  ~PlayerSession() override;

  Stage CurrentStage() const override;
  std::vector<LobbyPlayer> Players() const override { return match_.LobbyShown().Players; }
  const MatchSettings& Settings() const override;
  uint8_t PlayerId() const override { return match_.PlayerId(); }
  std::string EndMessage() const override;

 private:
  std::string Letters() const override { return match_.Start().Letters; }
  int64_t StartsAtMs() const override { return match_.StartsAtMs(); }
  const std::optional<MatchResult>& Result() const override { return match_.Result(); }
  void TickMatch(int64_t nowMs) override { match_.Tick(nowMs); }
  void HandIn(const std::vector<std::string>& guesses) override { match_.OwnGuesses(guesses); }

  Hello hello_;
  std::string address_;
  uint16_t port_;
  MatchClient match_;
};
