#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "match/match_link.h"

// The network of a match: TCP connections to and from other copies of the game, and
// announcements of open lobbies by UDP broadcast on kMatchPort. It moves bytes and
// nothing else; what they mean is the match's business (match/). Every connection,
// listening socket and announcement socket ends with the object.
class MatchNetwork : public MatchLink {
 public:
  // What happened, each call naming the connection by its number. A closed connection,
  // by either side, is never named again.
  struct Events {
    std::function<void(int connection)> Accepted;   // a player connected to us
    std::function<void(int connection)> Connected;  // our Connect reached the host
    std::function<void(int connection, std::string_view bytes)> Received;
    std::function<void(int connection)> Closed;  // by the other side, or Connect failed
    std::function<void(const std::string& address, std::string_view datagram)> Heard;
  };
  virtual void SetEvents(Events events) = 0;

  // Listens on every address at `port`, or at a free port when that one is taken; the
  // port listened on, or 0 when none could be had.
  virtual uint16_t Listen(uint16_t port) = 0;
  virtual void StopListening() = 0;
  // A connection to `address` (a name or a number) at `port`; Connected or Closed follows.
  virtual int Connect(const std::string& address, uint16_t port) = 0;
  // Listens for announcements; false when the port cannot be had.
  virtual bool HearAnnouncements() = 0;
  // This machine's addresses that others on the network can reach it at.
  virtual std::vector<std::string> LocalAddresses() = 0;
};
