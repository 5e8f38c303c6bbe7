#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "match/match_judging.h"
#include "match/match_link.h"
#include "match/match_messages.h"
#include "match/message_bytes.h"

// The host's side of a match, as a machine stepped by the network's events and a clock
// the caller reads: no thread, no timer and no socket of its own, so a test runs a whole
// match, hostile players included, in a few microseconds.
//
// The host is player 0. Players join in the lobby with a Hello that names the protocol
// version and word list they play with; the host starts the match, sends everyone the
// board and a count-down, waits for every list (or until the clock's end and a grace),
// judges them all with its one word list and sends everyone the same result.
//
// Whatever a connection sends, the host stays in charge: a message that breaks a rule
// (too long, unreadable, unexpected, too many, too late) ends that connection and nothing
// else, and a player can only ever hand in one list, its own.
class MatchHost {
 public:
  enum class Phase { Lobby, CountDown, Playing, Done, Ended };

  MatchHost(MatchLink& link, MatchSettings settings, WordListCheck words, std::string hostName,
            uint16_t port);

  // The network's events.
  void Accepted(int connection, int64_t nowMs);
  void Received(int connection, std::string_view bytes, int64_t nowMs);
  void Closed(int connection, int64_t nowMs);
  // Called every few hundred milliseconds: pings, announcements, the silent dropped, the
  // end of the count-down and the last wait for the lists.
  void Tick(int64_t nowMs);

  // The host's own window.
  void SetTableRule(bool on);
  // In the lobby: the board goes to every player with the count-down. False when there is
  // nobody to play with.
  bool Start(MatchBoard board, int64_t nowMs);
  void OwnGuesses(const std::vector<std::string>& guessList, int64_t nowMs);
  // The host leaves: every player is told and every connection closed.
  void End();

  Phase CurrentPhase() const { return phase_; }
  std::vector<LobbyPlayer> Players() const;
  const MatchSettings& Settings() const { return settings_; }
  int64_t StartsAtMs() const { return startsAtMs_; }
  // The board of the match, row by row, once it started.
  const std::string& Letters() const { return letters_; }
  const std::optional<MatchResult>& Result() const { return result_; }
  // The connections open: players and strangers who have not said Hello yet.
  std::size_t Connections() const { return connections_.size(); }

  // Called after anything a window shows changed: players, phase, result.
  std::function<void()> onChanged;

 private:
  struct Connection {
    FrameReader Reader{kMaxMessageBytes};
    int64_t LastMessageMs = 0;
    int PlayerId = -1;  // none until its Hello is taken
    uint32_t PingToken = 0;
    int64_t PingSentMs = 0;
    int64_t RoundTripMs = 0;
    int64_t SecondStartMs = 0;
    int MessagesThisSecond = 0;
  };
  struct Player {
    uint8_t Id = 0;
    std::string Name;
    int Connection = -1;  // -1 for the host
    bool Gone = false;
    std::optional<std::vector<std::string>> Guesses;
  };

  void Take(int connection, Connection& peer, const Message& message);
  void Join(int connection, Connection& peer, const Hello& hello);
  std::optional<RefusalReason> Refusal(const Hello& hello) const;
  void Drop(int connection);
  void Forget(int connection);
  void SendToPlayers(const Message& message);
  void SendLobby();
  bool OverRate(Connection& peer, int64_t nowMs);
  void JudgeWhenComplete();
  void Changed();

  MatchLink& link_;
  MatchSettings settings_;
  WordListCheck words_;
  uint16_t port_;
  Phase phase_ = Phase::Lobby;
  int64_t nowMs_ = 0;  // the time of the latest event
  std::map<int, Connection> connections_;
  std::vector<Player> players_;
  std::optional<MatchBoard> board_;
  std::string letters_;
  int64_t startsAtMs_ = 0;
  int64_t lastPingMs_ = 0;
  int64_t lastAnnounceMs_ = -kAnnounceMs;
  uint32_t nextToken_ = 1;
  std::optional<MatchResult> result_;
};
