#include "match/match_client.h"

#include "match/match_judging.h"
#include "match/match_settings.h"

namespace {

std::string WordListName(const WordListCheck& words) {
  return DictionaryName(words.Language, words.AmericanDictionary);
}

}  // namespace

MatchClient::MatchClient(MatchLink& link, Hello hello, int64_t nowMs)
    : link_(link), hello_(std::move(hello)), nowMs_(nowMs), lastMessageMs_(nowMs) {}

void MatchClient::Connected(int connection, int64_t nowMs) {
  nowMs_ = nowMs;
  if (phase_ != Phase::Connecting) return;
  connection_ = connection;
  phase_ = Phase::Joining;
  lastMessageMs_ = nowMs;
  link_.Send(connection_, FramedMessage(hello_));
}

void MatchClient::Received(int connection, std::string_view bytes, int64_t nowMs) {
  nowMs_ = nowMs;
  if (connection != connection_ || phase_ == Phase::Done || phase_ == Phase::Ended) return;
  for (const std::string& body : reader_.Feed(bytes)) {
    lastMessageMs_ = nowMs;
    const std::optional<Message> message = ReadMessage(body);
    if (!message || !Take(*message)) End(Ending::Lost);
    if (phase_ == Phase::Done || phase_ == Phase::Ended) return;
  }
  if (reader_.Broken()) End(Ending::Lost);
}

// False for a message that has no place at this point of the match.
bool MatchClient::Take(const Message& message) {
  if (const auto* ping = std::get_if<Ping>(&message)) {
    if (phase_ == Phase::Joining) return false;
    link_.Send(connection_, FramedMessage(Pong{ping->Token}));
    return true;
  }
  if (std::holds_alternative<MatchClosed>(message) && phase_ != Phase::Joining) {
    End(Ending::HostClosed);
    return true;
  }
  switch (phase_) {
    case Phase::Joining:
      if (const auto* welcome = std::get_if<Welcome>(&message)) {
        playerId_ = welcome->PlayerId;
        phase_ = Phase::Lobby;
      } else if (const auto* refused = std::get_if<Refused>(&message)) {
        refused_ = *refused;
        End(Ending::Refused);
      } else {
        return false;
      }
      break;
    case Phase::Lobby:
    case Phase::CountDown:
    case Phase::Playing:
      if (const auto* lobby = std::get_if<Lobby>(&message)) {
        lobby_ = *lobby;
      } else if (const auto* start = std::get_if<StartGame>(&message);
                 start && phase_ == Phase::Lobby) {
        start_ = *start;
        startsAtMs_ = nowMs_ + start->StartsInMs;
        phase_ = Phase::CountDown;
      } else if (const auto* result = std::get_if<MatchResult>(&message);
                 result && phase_ != Phase::Lobby) {
        result_ = *result;
        phase_ = Phase::Done;
        link_.Close(connection_);
      } else {
        return false;
      }
      break;
    default:
      return false;
  }
  if (onChanged && phase_ != Phase::Ended) onChanged();
  return true;
}

void MatchClient::Closed(int connection, int64_t nowMs) {
  nowMs_ = nowMs;
  if (connection != connection_ && connection_ >= 0) return;
  End(phase_ == Phase::Connecting ? Ending::NoAnswer : Ending::Lost);
}

void MatchClient::Tick(int64_t nowMs) {
  nowMs_ = nowMs;
  if (phase_ == Phase::Done || phase_ == Phase::Ended) return;
  if (nowMs - lastMessageMs_ > kSilenceMs) {
    const bool joined = phase_ != Phase::Connecting && phase_ != Phase::Joining;
    End(joined ? Ending::Lost : Ending::NoAnswer);
    return;
  }
  if (phase_ == Phase::CountDown && nowMs >= startsAtMs_) {
    phase_ = Phase::Playing;
    if (onChanged) onChanged();
  }
}

void MatchClient::OwnGuesses(const std::vector<std::string>& guessList) {
  if ((phase_ != Phase::CountDown && phase_ != Phase::Playing) || listSent_) return;
  listSent_ = true;
  link_.Send(connection_, FramedMessage(GuessListToSend(guessList)));
}

void MatchClient::Leave() { End(Ending::Left); }

void MatchClient::End(Ending ending) {
  if (phase_ == Phase::Done || phase_ == Phase::Ended) return;
  if (connection_ >= 0) link_.Close(connection_);
  phase_ = Phase::Ended;
  ending_ = ending;
  if (onChanged) onChanged();
}

std::string RefusalMessage(const Refused& refused, const Hello& ours) {
  switch (refused.Reason) {
    case RefusalReason::OtherVersion:
      return "The host plays matches of version " + std::to_string(refused.HostVersion) +
             " and this game of version " + std::to_string(ours.Version) +
             ". Both players need the same version of the game.";
    case RefusalReason::OtherWordList:
      if (refused.HostWords.Language != ours.Words.Language ||
          refused.HostWords.AmericanDictionary != ours.Words.AmericanDictionary)
        return "The host plays with the " + WordListName(refused.HostWords) +
               " word list and you with the " + WordListName(ours.Words) +
               ". Choose the host's language and dictionary to join.";
      return "The host's " + WordListName(refused.HostWords) +
             " word list is another version than yours. Both players need the same version of "
             "the game's word lists.";
    case RefusalReason::MatchFull:
      return "The match is full: " + std::to_string(kMaxPlayers) + " players have joined.";
    case RefusalReason::NameTaken:
      return "A player named " + ours.Name + " has joined already. Please choose another name.";
    case RefusalReason::Started:
      break;
  }
  return "The match has started already.";
}
