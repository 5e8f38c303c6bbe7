#pragma once

#include <memory>

#include "match/match_host.h"
#include "windows/match/match_session.h"

class QWidget;

// The host's side of a match: listening for players and announcing the lobby from the
// moment it is made, dealing the board at Start, judging every list with the host's own
// word list. It stops listening at the start; ending it ends the match for everyone.
class HostSession : public MatchSession {
 public:
  // Nothing when no port could be listened on.
  static std::unique_ptr<HostSession> Open(GameHost& host, std::unique_ptr<MatchNetwork> network,
                                           std::string name, WordListCheck words, bool tableRule);
  ~HostSession() override;

  uint16_t Port() const { return port_; }
  std::vector<std::string> Addresses();
  void SetTableRule(bool on) { match_.SetTableRule(on); }
  // Deals a board by the host's settings, finds its words and starts the count-down.
  // False, with a message over `owner` when the dictionary is missing, while nobody has
  // joined or the dictionary cannot be opened.
  bool Start(QWidget* owner);

  Stage CurrentStage() const override;
  std::vector<LobbyPlayer> Players() const override { return match_.Players(); }
  const MatchSettings& Settings() const override { return match_.Settings(); }
  uint8_t PlayerId() const override { return 0; }
  std::string EndMessage() const override { return {}; }

 private:
  HostSession(GameHost& host, std::unique_ptr<MatchNetwork> network, std::string name,
              WordListCheck words, bool tableRule, uint16_t port);
  std::string Letters() const override { return match_.Letters(); }
  int64_t StartsAtMs() const override { return match_.StartsAtMs(); }
  const std::optional<MatchResult>& Result() const override { return match_.Result(); }
  void TickMatch(int64_t nowMs) override { match_.Tick(nowMs); }
  void HandIn(const std::vector<std::string>& guesses) override;

  uint16_t port_;
  MatchHost match_;
};
