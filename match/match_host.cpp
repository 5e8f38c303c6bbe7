#include "match/match_host.h"

#include <algorithm>

#include "base/text_utils.h"

namespace {

// Room for every player and as many strangers knocking at once.
constexpr std::size_t kMaxConnections = 2 * kMaxPlayers;
// The count-down is shortened by half the way a message takes, up to this much.
constexpr int64_t kLongestHalfWayMs = 1000;

bool SameName(const std::string& a, const std::string& b) {
  return UpperCopy(TrimBlanks(a), 255) == UpperCopy(TrimBlanks(b), 255);
}

}  // namespace

MatchHost::MatchHost(MatchLink& link, MatchSettings settings, WordListCheck words,
                     std::string hostName, uint16_t port)
    : link_(link), settings_(std::move(settings)), words_(std::move(words)), port_(port) {
  players_.push_back({0, std::move(hostName), -1, false, std::nullopt});
}

void MatchHost::Accepted(int connection, int64_t nowMs) {
  nowMs_ = nowMs;
  if (phase_ == Phase::Done || phase_ == Phase::Ended || connections_.size() >= kMaxConnections) {
    link_.Close(connection);
    return;
  }
  Connection& peer = connections_[connection];
  peer.LastMessageMs = nowMs;
  peer.SecondStartMs = nowMs;
}

void MatchHost::Received(int connection, std::string_view bytes, int64_t nowMs) {
  nowMs_ = nowMs;
  auto found = connections_.find(connection);
  if (found == connections_.end()) return;
  const std::vector<std::string> messages = found->second.Reader.Feed(bytes);
  for (const std::string& body : messages) {
    found = connections_.find(connection);  // taking a message may have ended the connection
    if (found == connections_.end()) return;
    Connection& peer = found->second;
    peer.LastMessageMs = nowMs;
    const std::optional<Message> message = ReadMessage(body);
    if (OverRate(peer, nowMs) || !message) {
      // A player of another version is told so, even though its Hello does not read.
      const std::optional<uint16_t> version = HelloVersion(body);
      if (peer.PlayerId < 0 && version && *version != kProtocolVersion) {
        link_.Send(connection,
                   FramedMessage(Refused{RefusalReason::OtherVersion, kProtocolVersion, words_}));
      }
      Drop(connection);
      return;
    }
    Take(connection, peer, *message);
  }
  found = connections_.find(connection);
  if (found != connections_.end() && found->second.Reader.Broken()) Drop(connection);
}

void MatchHost::Take(int connection, Connection& peer, const Message& message) {
  if (peer.PlayerId < 0) {
    if (const auto* hello = std::get_if<Hello>(&message))
      Join(connection, peer, *hello);
    else
      Drop(connection);
    return;
  }
  if (const auto* pong = std::get_if<Pong>(&message)) {
    if (pong->Token == peer.PingToken) peer.RoundTripMs = nowMs_ - peer.PingSentMs;
    return;
  }
  const auto* list = std::get_if<GuessList>(&message);
  Player& player = *std::find_if(players_.begin(), players_.end(),
                                 [&](const Player& p) { return p.Id == peer.PlayerId; });
  const bool playing = phase_ == Phase::CountDown || phase_ == Phase::Playing;
  if (!list || !playing || player.Guesses) {
    Drop(connection);
    return;
  }
  player.Guesses = list->Words;
  JudgeWhenComplete();
}

std::optional<RefusalReason> MatchHost::Refusal(const Hello& hello) const {
  if (hello.Version != kProtocolVersion) return RefusalReason::OtherVersion;
  if (!(hello.Words == words_)) return RefusalReason::OtherWordList;
  if (phase_ != Phase::Lobby) return RefusalReason::Started;
  if (players_.size() >= static_cast<std::size_t>(kMaxPlayers)) return RefusalReason::MatchFull;
  for (const Player& player : players_)
    if (SameName(player.Name, hello.Name)) return RefusalReason::NameTaken;
  return std::nullopt;
}

void MatchHost::Join(int connection, Connection& peer, const Hello& hello) {
  if (const std::optional<RefusalReason> reason = Refusal(hello)) {
    link_.Send(connection, FramedMessage(Refused{*reason, kProtocolVersion, words_}));
    Drop(connection);
    return;
  }
  uint8_t id = 1;
  while (std::any_of(players_.begin(), players_.end(), [&](const Player& p) { return p.Id == id; }))
    ++id;
  players_.push_back({id, hello.Name, connection, false, std::nullopt});
  peer.PlayerId = id;
  link_.Send(connection, FramedMessage(Welcome{id}));
  SendLobby();
  Changed();
}

void MatchHost::Closed(int connection, int64_t nowMs) {
  nowMs_ = nowMs;
  Forget(connection);
}

void MatchHost::Drop(int connection) {
  link_.Close(connection);
  Forget(connection);
}

// A player who leaves the lobby makes room; one who leaves the match is shown as gone.
void MatchHost::Forget(int connection) {
  if (connections_.erase(connection) == 0) return;
  const auto player = std::find_if(players_.begin(), players_.end(),
                                   [&](const Player& p) { return p.Connection == connection; });
  if (player == players_.end()) return;
  if (phase_ == Phase::Lobby) {
    players_.erase(player);
  } else {
    player->Gone = true;
    player->Connection = -1;
  }
  SendLobby();
  Changed();
  JudgeWhenComplete();
}

void MatchHost::Tick(int64_t nowMs) {
  nowMs_ = nowMs;
  if (phase_ == Phase::Done || phase_ == Phase::Ended) return;
  std::vector<int> silent;
  for (const auto& [connection, peer] : connections_)
    if (nowMs - peer.LastMessageMs > kSilenceMs) silent.push_back(connection);
  for (const int connection : silent) Drop(connection);

  if (nowMs - lastPingMs_ >= kPingMs) {
    lastPingMs_ = nowMs;
    for (auto& [connection, peer] : connections_) {
      if (peer.PlayerId < 0) continue;
      peer.PingToken = nextToken_++;
      peer.PingSentMs = nowMs;
      link_.Send(connection, FramedMessage(Ping{peer.PingToken}));
    }
  }
  if (phase_ == Phase::Lobby && nowMs - lastAnnounceMs_ >= kAnnounceMs) {
    lastAnnounceMs_ = nowMs;
    link_.Broadcast(EncodeMessage(Announcement{kProtocolVersion, port_, players_.front().Name,
                                               static_cast<uint8_t>(players_.size()), settings_}));
  }
  if (phase_ == Phase::CountDown && nowMs >= startsAtMs_) {
    phase_ = Phase::Playing;
    Changed();
  }
  JudgeWhenComplete();
}

void MatchHost::SetTableRule(bool on) {
  if (phase_ != Phase::Lobby) return;
  settings_.TableRule = on;
  SendLobby();
}

bool MatchHost::Start(MatchBoard board, int64_t nowMs) {
  nowMs_ = nowMs;
  if (phase_ != Phase::Lobby || players_.size() < 2) return false;
  settings_.Height = board.Settings.Height;
  settings_.Width = board.Settings.Width;
  letters_ = board.Grid.Rows(settings_.Height, settings_.Width);
  board_ = std::move(board);
  phase_ = Phase::CountDown;
  startsAtMs_ = nowMs + kCountDownMs;
  for (const auto& [connection, peer] : connections_) {
    if (peer.PlayerId < 0) continue;
    const int64_t halfWay = std::clamp<int64_t>(peer.RoundTripMs / 2, 0, kLongestHalfWayMs);
    const auto startsIn = static_cast<uint32_t>(kCountDownMs - halfWay);
    link_.Send(connection, FramedMessage(StartGame{settings_, startsIn, letters_}));
  }
  Changed();
  return true;
}

void MatchHost::OwnGuesses(const std::vector<std::string>& guessList, int64_t nowMs) {
  nowMs_ = nowMs;
  if (phase_ != Phase::CountDown && phase_ != Phase::Playing) return;
  if (!players_.front().Guesses) players_.front().Guesses = GuessListToSend(guessList).Words;
  JudgeWhenComplete();
}

// Judges once every player still there has handed in a list, or once the clock's end and
// the grace after it are past.
void MatchHost::JudgeWhenComplete() {
  if (phase_ != Phase::CountDown && phase_ != Phase::Playing) return;
  const bool complete = std::all_of(players_.begin(), players_.end(),
                                    [](const Player& p) { return p.Gone || p.Guesses; });
  const int64_t lastMs = startsAtMs_ + int64_t{settings_.GameSeconds} * 1000 + kListGraceMs;
  if (!complete && nowMs_ < lastMs) return;

  std::vector<PlayerList> lists;
  for (const Player& player : players_) {
    const PlayerState state = player.Guesses ? PlayerState::Played
                              : player.Gone  ? PlayerState::Gone
                                             : PlayerState::NoList;
    lists.push_back(
        {player.Id, player.Name, state, player.Guesses.value_or(std::vector<std::string>{})});
  }
  result_ = JudgeMatch(*board_, lists, settings_.TableRule);
  phase_ = Phase::Done;
  SendToPlayers(*result_);
  for (const auto& [connection, peer] : connections_) link_.Close(connection);
  connections_.clear();
  Changed();
}

void MatchHost::End() {
  if (phase_ == Phase::Done || phase_ == Phase::Ended) return;
  phase_ = Phase::Ended;
  SendToPlayers(MatchClosed{});
  for (const auto& [connection, peer] : connections_) link_.Close(connection);
  connections_.clear();
  Changed();
}

std::vector<LobbyPlayer> MatchHost::Players() const {
  std::vector<LobbyPlayer> players;
  for (const Player& player : players_) players.push_back({player.Id, player.Name, player.Gone});
  return players;
}

void MatchHost::SendToPlayers(const Message& message) {
  const std::string bytes = FramedMessage(message);
  for (const auto& [connection, peer] : connections_)
    if (peer.PlayerId >= 0) link_.Send(connection, bytes);
}

void MatchHost::SendLobby() {
  if (phase_ == Phase::Done || phase_ == Phase::Ended) return;
  SendToPlayers(Lobby{settings_, Players()});
}

bool MatchHost::OverRate(Connection& peer, int64_t nowMs) {
  if (nowMs - peer.SecondStartMs >= 1000) {
    peer.SecondStartMs = nowMs;
    peer.MessagesThisSecond = 0;
  }
  return ++peer.MessagesThisSecond > kMaxMessagesPerSecond;
}

void MatchHost::Changed() {
  if (onChanged) onChanged();
}
