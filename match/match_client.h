#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "match/match_link.h"
#include "match/match_messages.h"
#include "match/message_bytes.h"

// A player's side of a match, a machine like the host's: it says Hello once connected,
// follows the lobby, counts down to the start, hands in the guess list when the game
// ends and keeps the host's result. The host is a stranger too: a message this side does
// not expect, or a host silent for kSilenceMs, ends the match here.
class MatchClient {
 public:
  enum class Phase { Connecting, Joining, Lobby, CountDown, Playing, Done, Ended };
  enum class Ending { None, Refused, HostClosed, Lost, NoAnswer, Left };

  MatchClient(MatchLink& link, Hello hello, int64_t nowMs);

  // The network's events for the one connection to the host.
  void Connected(int connection, int64_t nowMs);
  void Received(int connection, std::string_view bytes, int64_t nowMs);
  void Closed(int connection, int64_t nowMs);
  void Tick(int64_t nowMs);

  // The player's game ended: its list goes to the host.
  void OwnGuesses(const std::vector<std::string>& guessList);
  // The player leaves the match.
  void Leave();

  Phase CurrentPhase() const { return phase_; }
  Ending HowItEnded() const { return ending_; }
  const Refused& Refusal() const { return refused_; }
  uint8_t PlayerId() const { return playerId_; }
  const Lobby& LobbyShown() const { return lobby_; }
  const StartGame& Start() const { return start_; }
  int64_t StartsAtMs() const { return startsAtMs_; }
  const std::optional<MatchResult>& Result() const { return result_; }

  std::function<void()> onChanged;

 private:
  bool Take(const Message& message);
  void End(Ending ending);

  MatchLink& link_;
  Hello hello_;
  int connection_ = -1;
  FrameReader reader_{kMaxMessageBytes};
  Phase phase_ = Phase::Connecting;
  Ending ending_ = Ending::None;
  int64_t nowMs_ = 0;
  int64_t lastMessageMs_ = 0;
  Refused refused_;
  uint8_t playerId_ = 0;
  Lobby lobby_;
  StartGame start_;
  int64_t startsAtMs_ = 0;
  bool listSent_ = false;
  std::optional<MatchResult> result_;
};

// What the player is told about a refusal, naming both sides of what differs.
std::string RefusalMessage(const Refused& refused, const Hello& ours);
