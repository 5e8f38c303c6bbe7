#pragma once

#include <deque>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "match/match_client.h"
#include "match/match_host.h"

// A host and its players in one process, joined by queues instead of sockets, on a clock
// the test steps. Connection n is player n's; a stranger's bytes go in through Raw().
class LocalMatch {
 public:
  static WordListCheck Words() { return {"en", true, 0x1234}; }

  static MatchSettings Settings() {
    MatchSettings settings;
    settings.Language = "en";
    return settings;
  }

  explicit LocalMatch(MatchSettings settings = Settings())
      : hostLink_(*this), host(hostLink_, std::move(settings), Words(), "Host", 47095) {}

  struct Player {
    explicit Player(LocalMatch& match, int connection, Hello hello)
        : link(match, connection), client(link, std::move(hello), match.now) {}
    struct Link : MatchLink {
      Link(LocalMatch& match, int connection) : match(match), connection(connection) {}
      void Send(int, std::string bytes) override { match.toHost_.push_back({connection, bytes}); }
      void Close(int) override { match.closedByPlayer_.push_back(connection); }
      void Broadcast(std::string) override {}
      LocalMatch& match;
      int connection;
    } link;
    MatchClient client;
  };

  // A player who connects and says Hello.
  MatchClient& Join(std::string name, WordListCheck words = Words()) {
    const int connection = static_cast<int>(players.size()) + 1;
    players.push_back(std::make_unique<Player>(*this, connection,
                                               Hello{kProtocolVersion, std::move(words), name}));
    host.Accepted(connection, now);
    players.back()->client.Connected(connection, now);
    Deliver();
    return players.back()->client;
  }

  // A connection that sends whatever the test gives it.
  int Stranger() {
    const int connection = 100 + strangers_++;
    host.Accepted(connection, now);
    return connection;
  }
  void Raw(int connection, std::string_view bytes) {
    host.Received(connection, bytes, now);
    Deliver();
  }

  // Every message in flight arrives, and every close is seen by the other side.
  void Deliver() {
    while (!toHost_.empty() || !toPlayers_.empty() || !closedByPlayer_.empty() ||
           !closedByHost_.empty()) {
      while (!toHost_.empty()) {
        auto [connection, bytes] = toHost_.front();
        toHost_.pop_front();
        if (!closed.contains(connection)) host.Received(connection, bytes, now);
      }
      while (!toPlayers_.empty()) {
        auto [connection, bytes] = toPlayers_.front();
        toPlayers_.pop_front();
        if (connection <= static_cast<int>(players.size()))
          players[static_cast<std::size_t>(connection - 1)]->client.Received(connection, bytes,
                                                                             now);
        else
          toStrangers[connection] += bytes;
      }
      for (const int connection : std::exchange(closedByPlayer_, {}))
        if (closed.insert(connection).second) host.Closed(connection, now);
      for (const int connection : std::exchange(closedByHost_, {}))
        if (closed.insert(connection).second && connection <= static_cast<int>(players.size()))
          players[static_cast<std::size_t>(connection - 1)]->client.Closed(connection, now);
    }
  }

  // Time passes in steps of `stepMs`, every side ticking at each.
  void Advance(int64_t ms, int64_t stepMs = 250) {
    for (int64_t passed = 0; passed < ms; passed += stepMs) {
      now += stepMs;
      host.Tick(now);
      for (auto& player : players) player->client.Tick(now);
      Deliver();
    }
  }

  bool ClosedByHost(int connection) const { return hostClosed.contains(connection); }

 private:
  struct HostLink : MatchLink {
    explicit HostLink(LocalMatch& match) : match(match) {}
    void Send(int connection, std::string bytes) override {
      match.toPlayers_.push_back({connection, std::move(bytes)});
    }
    void Close(int connection) override {
      match.hostClosed.insert(connection);
      match.closedByHost_.push_back(connection);
    }
    void Broadcast(std::string datagram) override { match.broadcasts.push_back(datagram); }
    LocalMatch& match;
  } hostLink_;
  std::deque<std::pair<int, std::string>> toHost_;
  std::deque<std::pair<int, std::string>> toPlayers_;
  std::vector<int> closedByPlayer_;
  std::vector<int> closedByHost_;
  int strangers_ = 0;

 public:
  int64_t now = 1000;
  MatchHost host;
  std::vector<std::unique_ptr<Player>> players;
  std::vector<std::string> broadcasts;
  std::map<int, std::string> toStrangers;  // what the host sent each stranger
  std::set<int> hostClosed;
  std::set<int> closed;
};
