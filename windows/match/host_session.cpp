#include "windows/match/host_session.h"

#include "match/match_settings.h"
#include "platform/game_host.h"
#include "platform/match_network.h"
#include "platform/platform.h"
#include "windows/words/host_check_session.h"

std::unique_ptr<HostSession> HostSession::Open(GameHost& host,
                                               std::unique_ptr<MatchNetwork> network,
                                               std::string name, WordListCheck words,
                                               bool tableRule) {
  const uint16_t port = network->Listen(kMatchPort);
  if (port == 0) return nullptr;
  return std::unique_ptr<HostSession>(new HostSession(host, std::move(network), std::move(name),
                                                      std::move(words), tableRule, port));
}

HostSession::HostSession(GameHost& host, std::unique_ptr<MatchNetwork> network, std::string name,
                         WordListCheck words, bool tableRule, uint16_t port)
    : MatchSession(host, std::move(network)),
      port_(port),
      match_(*network_, MatchSettingsOf(host.Settings(), tableRule), std::move(words),
             std::move(name), port) {
  network_->SetEvents({
      .Accepted = [this](int connection) { match_.Accepted(connection, Now()); },
      .Connected = [](int) {},
      .Received = [this](int connection,
                         std::string_view bytes) { match_.Received(connection, bytes, Now()); },
      .Closed = [this](int connection) { match_.Closed(connection, Now()); },
      .Heard = [](const std::string&, std::string_view) {},
  });
  match_.Tick(Now());  // announced at once
}

HostSession::~HostSession() { match_.End(); }

std::vector<std::string> HostSession::Addresses() { return network_->LocalAddresses(); }

bool HostSession::Start(QWidget* owner) {
  if (match_.Players().size() < 2) return false;
  const GameSettings& settings = host_.Settings();
  MatchBoard board;
  board.Settings = settings;
  board.Grid.ComputeCellOnBoard(settings.Height, settings.Width);
  DealNewBoard(host_, board.Grid);
  std::optional<std::vector<std::string>> words = SortedBoardWords(
      host_, owner, board.Grid, settings.MinimumWordLength, settings.RepeatingLettersAllowed);
  if (!words) return false;
  board.Words = std::move(*words);
  network_->StopListening();
  return match_.Start(std::move(board), Now());
}

void HostSession::HandIn(const std::vector<std::string>& guesses) {
  match_.OwnGuesses(guesses, Now());
}

MatchSession::Stage HostSession::CurrentStage() const {
  switch (match_.CurrentPhase()) {
    case MatchHost::Phase::Lobby:
      return Stage::Lobby;
    case MatchHost::Phase::CountDown:
      return Stage::CountDown;
    case MatchHost::Phase::Playing:
      return Stage::Playing;
    case MatchHost::Phase::Done:
      return Stage::Done;
    case MatchHost::Phase::Ended:
      break;
  }
  return Stage::Ended;
}
