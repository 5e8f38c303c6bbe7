#include "windows/match/player_session.h"

#include "platform/match_network.h"

PlayerSession::PlayerSession(GameHost& host, std::unique_ptr<MatchNetwork> network, Hello hello,
                             std::string address, uint16_t port)
    : MatchSession(host, std::move(network)),
      hello_(hello),
      address_(std::move(address)),
      port_(port),
      match_(*network_, std::move(hello), Now()) {
  network_->SetEvents({
      .Accepted = [this](int connection) { network_->Close(connection); },
      .Connected = [this](int connection) { match_.Connected(connection, Now()); },
      .Received = [this](int connection,
                         std::string_view bytes) { match_.Received(connection, bytes, Now()); },
      .Closed = [this](int connection) { match_.Closed(connection, Now()); },
      .Heard = [](const std::string&, std::string_view) {},
  });
  network_->Connect(address_, port_);
}

PlayerSession::~PlayerSession() { match_.Leave(); }

MatchSession::Stage PlayerSession::CurrentStage() const {
  switch (match_.CurrentPhase()) {
    case MatchClient::Phase::Connecting:
    case MatchClient::Phase::Joining:
      return Stage::Joining;
    case MatchClient::Phase::Lobby:
      return Stage::Lobby;
    case MatchClient::Phase::CountDown:
      return Stage::CountDown;
    case MatchClient::Phase::Playing:
      return Stage::Playing;
    case MatchClient::Phase::Done:
      return Stage::Done;
    case MatchClient::Phase::Ended:
      break;
  }
  return Stage::Ended;
}

// The count-down's settings are the match's; before it, the lobby's.
const MatchSettings& PlayerSession::Settings() const {
  return match_.CurrentPhase() >= MatchClient::Phase::CountDown ? match_.Start().Settings
                                                                : match_.LobbyShown().Settings;
}

std::string PlayerSession::EndMessage() const {
  switch (match_.HowItEnded()) {
    case MatchClient::Ending::Refused:
      return RefusalMessage(match_.Refusal(), hello_);
    case MatchClient::Ending::HostClosed:
      return "The host has ended the match.";
    case MatchClient::Ending::Lost:
      return "The connection to the host was lost.";
    case MatchClient::Ending::NoAnswer:
      return "No match answered at " + address_ + ", port " + std::to_string(port_) + ".";
    case MatchClient::Ending::None:
    case MatchClient::Ending::Left:
      break;
  }
  return {};
}
