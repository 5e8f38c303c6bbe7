#include "windows/match/match_commands.h"

#include "platform/game_host.h"
#include "platform/match_network.h"
#include "platform/platform.h"
#include "windows/match/host_match.h"
#include "windows/match/join_match.h"
#include "windows/match/match_session.h"

namespace {

template <typename Lobby>
void RunLobby(GameHost& host) {
  Platform& platform = host.Services();
  std::unique_ptr<MatchNetwork> network = platform.MakeNetwork();
  if (!network) {
    platform.ShowMessage(host.Window(), "The network support of the game could not be loaded.",
                         "Error");
    return;
  }
  Lobby lobby(host, std::move(network));
  if (platform.ExecDialog(lobby) != QDialog::Accepted) return;
  if (std::unique_ptr<MatchSession> session = lobby.TakeSession())
    MatchSession::BeginGame(host, std::move(session));
}

}  // namespace

void HostMatch(GameHost& host) { RunLobby<THostMatch>(host); }

void JoinMatch(GameHost& host) { RunLobby<TJoinMatch>(host); }
