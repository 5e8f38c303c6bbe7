#include "match/match_address.h"

#include <algorithm>

#include "base/text_utils.h"
#include "match/match_messages.h"

std::optional<MatchAddress> ReadMatchAddress(std::string_view text) {
  MatchAddress address{std::string(text), kMatchPort};
  // An IPv6 number has many colons and no port.
  if (std::count(text.begin(), text.end(), ':') == 1) {
    const std::size_t colon = text.find(':');
    const std::optional<uint16_t> port = ReadWholeNumber<uint16_t>(text.substr(colon + 1));
    if (!port || *port == 0) return std::nullopt;
    address = {std::string(text.substr(0, colon)), *port};
  }
  if (address.Host.empty() || !IsPrintable(address.Host, 255) ||
      address.Host.find(' ') != std::string::npos)
    return std::nullopt;
  return address;
}
