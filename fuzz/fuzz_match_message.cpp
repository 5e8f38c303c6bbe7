// Any bytes from the network: read as one message, a message gives back exactly its bytes;
// as a stream to a host (from a stranger) and to a player (from its host), they end in a
// message taken, a connection dropped or a wait, never a crash or an unbounded hold.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "match/match_client.h"
#include "match/match_host.h"
#include "match/match_messages.h"

namespace {

struct NoNetwork : MatchLink {
  void Send(int, std::string) override {}
  void Close(int) override {}
  void Broadcast(std::string) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (const std::optional<Message> message = ReadMessage(bytes)) {
    if (EncodeMessage(*message) != bytes) std::abort();
  }

  NoNetwork network;
  const WordListCheck words{"en", true, 1};
  MatchHost host(network, MatchSettings{}, words, "Host", 47095);
  host.Accepted(1, 0);
  host.Received(1, bytes, 1);
  host.Tick(20000);

  MatchClient player(network, Hello{kProtocolVersion, words, "Ann"}, 0);
  player.Connected(1, 0);
  player.Received(1, bytes, 1);
  player.Tick(20000);
  return 0;
}
