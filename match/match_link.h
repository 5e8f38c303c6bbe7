#pragma once

#include <cstdint>
#include <string>

// What a match asks of the network, which only moves bytes. Connections are numbered by
// the network; the host and the player know nothing of addresses.
class MatchLink {
 public:
  virtual ~MatchLink() = default;
  virtual void Send(int connection, std::string bytes) = 0;
  // Closes the connection once what was sent on it has gone; nothing more comes from it.
  virtual void Close(int connection) = 0;
  // One datagram to every machine of the local network, on kMatchPort.
  virtual void Broadcast(std::string datagram) = 0;
};

// How long the two sides wait on each other. A peer that completes no message for
// kSilenceMs is gone, whether it says nothing or drips a byte at a time; the host asks
// every kPingMs, so a player that is there always has something to answer.
inline constexpr int64_t kSilenceMs = 10000;
inline constexpr int64_t kPingMs = 2000;
inline constexpr int64_t kAnnounceMs = 1000;
inline constexpr int64_t kCountDownMs = 3000;
// After the clock's end, how long the host waits for the lists still to come.
inline constexpr int64_t kListGraceMs = 10000;
// More messages than this in a second is no game talking.
inline constexpr int kMaxMessagesPerSecond = 20;
