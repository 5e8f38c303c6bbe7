#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Where a player finds a match: a host's name or number, and its port.
struct MatchAddress {
  std::string Host;
  uint16_t Port = 0;
  bool operator==(const MatchAddress&) const = default;
};

// "192.168.1.5", "192.168.1.5:47096", "kitchen-pc:47095", "::1": a port after the one
// colon of a name or IPv4 number, kMatchPort when none is given. Nothing for an empty
// name, blanks or control characters in it, or a port that is not 1 to 65535.
std::optional<MatchAddress> ReadMatchAddress(std::string_view text);
