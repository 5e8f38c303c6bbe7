// A whole match between a host and its players, in one process on a stepped clock:
// joining, the lobby, the start, the lists, the result; and what a host does with
// players and strangers who break the rules.
#include <gtest/gtest.h>

#include "match/match_client.h"
#include "match/match_host.h"
#include "tests/match/local_match.h"
#include "tests/match/match_board.h"

namespace {

std::vector<std::string> Names(const std::vector<LobbyPlayer>& players) {
  std::vector<std::string> names;
  for (const LobbyPlayer& player : players) names.push_back(player.Name + (player.Gone ? "*" : ""));
  return names;
}

TEST(MatchPlay, ThreePlayersGetOneBoardOneClockAndTheSameResult) {
  LocalMatch match;
  MatchClient& ann = match.Join("Ann");
  MatchClient& bo = match.Join("Bo");
  EXPECT_EQ(ann.CurrentPhase(), MatchClient::Phase::Lobby);
  EXPECT_EQ(bo.PlayerId(), 2);
  EXPECT_EQ(Names(ann.LobbyShown().Players), (std::vector<std::string>{"Host", "Ann", "Bo"}));

  match.host.SetTableRule(false);
  match.Deliver();
  EXPECT_FALSE(bo.LobbyShown().Settings.TableRule);
  match.host.SetTableRule(true);
  match.Deliver();

  ASSERT_TRUE(match.host.Start(TestMatchBoard(), match.now));
  match.Deliver();
  for (MatchClient* player : {&ann, &bo}) {
    EXPECT_EQ(player->CurrentPhase(), MatchClient::Phase::CountDown);
    EXPECT_EQ(player->Start().Letters, "CATSERAXDOGQQQQQ");
    EXPECT_EQ(player->StartsAtMs(), match.host.StartsAtMs());
  }
  match.Advance(kCountDownMs);
  EXPECT_EQ(ann.CurrentPhase(), MatchClient::Phase::Playing);
  EXPECT_EQ(match.host.CurrentPhase(), MatchHost::Phase::Playing);

  match.Advance(60000);  // the pings of a minute's game keep everyone there
  ann.OwnGuesses({"CAT", "EAR", "CARE", "CAT (DUP)"});
  bo.OwnGuesses({"DOG", "TAR", "RO"});
  match.Deliver();
  EXPECT_FALSE(match.host.Result().has_value());
  match.host.OwnGuesses({"CAT", "DOG", "ZZZ"}, match.now);
  match.Deliver();

  ASSERT_TRUE(match.host.Result().has_value());
  EXPECT_EQ(match.host.Result()->Ranking.front().Name, "Ann");
  EXPECT_EQ(match.host.Result()->Ranking.front().Score, 2);
  for (MatchClient* player : {&ann, &bo}) {
    EXPECT_EQ(player->CurrentPhase(), MatchClient::Phase::Done);
    EXPECT_EQ(player->Result(), match.host.Result());
  }
}

TEST(MatchPlay, TheCountDownIsShortenedByHalfTheWayToEachPlayer) {
  LocalMatch match;
  MatchClient& ann = match.Join("Ann");
  match.Advance(kPingMs);  // a ping went out and came back at once: no way to speak of
  match.now += 1000;       // the next goes out now and its answer arrives 400 ms later
  match.host.Tick(match.now);
  match.now += 400;
  match.Deliver();
  match.host.Start(TestMatchBoard(), match.now);
  match.Deliver();
  EXPECT_EQ(ann.Start().StartsInMs, kCountDownMs - 200);
}

TEST(MatchPlay, APlayerWhoCannotJoinIsToldWhyNamingBothSides) {
  struct Case {
    const char* what;
    std::string name;
    WordListCheck words;
    RefusalReason reason;
    const char* message;
  };
  const Case cases[] = {
      {"another dictionary",
       "Ann",
       {"en", false, 0x1234},
       RefusalReason::OtherWordList,
       "The host plays with the English (American) word list and you with the English (British). Choose "
       "the host's language and dictionary to join."},
      {"another version of the word list",
       "Ann",
       {"en", true, 0x9999},
       RefusalReason::OtherWordList,
       "The host's English (American) word list is another version than yours. Both players need "
       "the same version of the game's word lists."},
      {"the host's name", " HOST", LocalMatch::Words(), RefusalReason::NameTaken,
       "A player named  HOST has joined already. Please choose another name."},
  };
  for (const Case& c : cases) {
    LocalMatch match;
    MatchClient& player = match.Join(c.name, c.words);
    EXPECT_EQ(player.CurrentPhase(), MatchClient::Phase::Ended) << c.what;
    EXPECT_EQ(player.HowItEnded(), MatchClient::Ending::Refused) << c.what;
    EXPECT_EQ(player.Refusal().Reason, c.reason) << c.what;
    EXPECT_EQ(RefusalMessage(player.Refusal(), {kProtocolVersion, c.words, c.name}), c.message);
    EXPECT_TRUE(match.ClosedByHost(1)) << c.what;
    EXPECT_EQ(match.host.Players().size(), 1u) << c.what;
  }
}

TEST(MatchPlay, EightPlayersFillTheMatchAndNobodyJoinsAfterTheStart) {
  LocalMatch match;
  for (int i = 1; i < kMaxPlayers; ++i) match.Join("P" + std::to_string(i));
  EXPECT_EQ(match.Join("Ninth").Refusal().Reason, RefusalReason::MatchFull);
  match.players[2]->client.Leave();  // a player who leaves the lobby makes room
  match.Deliver();
  EXPECT_EQ(match.Join("Ninth").CurrentPhase(), MatchClient::Phase::Lobby);
  match.host.Start(TestMatchBoard(), match.now);
  match.players[0]->client.Leave();
  match.Deliver();
  EXPECT_EQ(match.Join("Late").Refusal().Reason, RefusalReason::Started);
}

TEST(MatchPlay, APlayerOfAnotherVersionIsToldSoThoughItsHelloDoesNotRead) {
  LocalMatch match;
  const int stranger = match.Stranger();
  std::string hello = EncodeMessage(Hello{kProtocolVersion, LocalMatch::Words(), "Ann"});
  hello[2] = '\x02';
  hello += "a field of version 2";
  match.Raw(stranger, Framed(hello));
  EXPECT_TRUE(match.ClosedByHost(stranger));
  FrameReader reader(kMaxMessageBytes);
  const std::vector<std::string> answers = reader.Feed(match.toStrangers[stranger]);
  ASSERT_EQ(answers.size(), 1u);
  const std::optional<Message> answer = ReadMessage(answers[0]);
  ASSERT_TRUE(answer && std::holds_alternative<Refused>(*answer));
  EXPECT_EQ(std::get<Refused>(*answer).Reason, RefusalReason::OtherVersion);
}

TEST(MatchPlay, AStrangerWhoBreaksARuleIsCutOffWithin10SecondsAndTheHostGoesOn) {
  ByteWriter oversized;
  oversized.U32(1 << 20);
  const std::string hello = FramedMessage(Hello{kProtocolVersion, LocalMatch::Words(), "Eve"});
  std::string flood = hello;
  for (int i = 0; i < kMaxMessagesPerSecond; ++i) flood += FramedMessage(Pong{1});
  struct Case {
    const char* what;
    std::string bytes;
    int64_t drip;  // ms between two bytes; 0: all at once
  };
  const Case cases[] = {
      {"a message over 64 KiB", oversized.Take(), 0},
      {"bytes that are no message", Framed("\x01garbage"), 0},
      {"an answer before a Hello", FramedMessage(Pong{1}), 0},
      {"a second Hello", hello + hello, 0},
      {"a list in the lobby", hello + FramedMessage(GuessList{{"CAT"}}), 0},
      {"a message the host sends", hello + FramedMessage(Ping{1}), 0},
      {"too many messages in a second", flood, 0},
      {"nothing at all", "", 0},
      {"a Hello a byte a second", hello, 1000},
  };
  for (const Case& c : cases) {
    LocalMatch match;
    MatchClient& ann = match.Join("Ann");
    const int stranger = match.Stranger();
    const int64_t began = match.now;
    std::size_t sent = 0;
    while (!match.ClosedByHost(stranger) && match.now - began <= 11000) {
      if (c.drip == 0 && sent == 0) {
        match.Raw(stranger, c.bytes);
        sent = c.bytes.size();
      } else if (c.drip > 0 && (match.now - began) % c.drip == 0 && sent < c.bytes.size()) {
        match.Raw(stranger, c.bytes.substr(sent++, 1));
      }
      if (!match.ClosedByHost(stranger)) match.Advance(250);
    }
    EXPECT_TRUE(match.ClosedByHost(stranger)) << c.what;
    EXPECT_LE(match.now - began, kSilenceMs + 250) << c.what;
    // The host still answers: the players there stay, and a new one joins.
    EXPECT_EQ(ann.CurrentPhase(), MatchClient::Phase::Lobby) << c.what;
    EXPECT_EQ(match.Join("Bo").CurrentPhase(), MatchClient::Phase::Lobby) << c.what;
    EXPECT_EQ(Names(match.host.Players()), (std::vector<std::string>{"Host", "Ann", "Bo"}))
        << c.what;
  }
}

TEST(MatchPlay, APlayerWhoLeavesIsGoneAndTheMatchGoesOnWithoutWaitingForThem) {
  LocalMatch match;
  MatchClient& ann = match.Join("Ann");
  MatchClient& bo = match.Join("Bo");
  match.host.Start(TestMatchBoard(), match.now);
  match.Advance(kCountDownMs);
  bo.Leave();
  match.Deliver();
  EXPECT_EQ(Names(ann.LobbyShown().Players), (std::vector<std::string>{"Host", "Ann", "Bo*"}));
  ann.OwnGuesses({"CAT"});
  match.host.OwnGuesses({"DOG"}, match.now);
  match.Deliver();
  ASSERT_TRUE(ann.Result().has_value());
  EXPECT_EQ(ann.Result()->Ranking.back().State, PlayerState::Gone);
}

TEST(MatchPlay, AListThatNeverComesIsWaitedForUntilTheClocksEndAndTheGrace) {
  MatchSettings settings = LocalMatch::Settings();
  settings.GameSeconds = 30;
  LocalMatch match(settings);
  MatchClient& ann = match.Join("Ann");
  match.Join("Bo");
  match.host.Start(TestMatchBoard(), match.now);
  match.Advance(kCountDownMs);
  ann.OwnGuesses({"CAT"});
  match.host.OwnGuesses({"DOG"}, match.now);
  match.Advance(30000 + kListGraceMs - 250);
  EXPECT_FALSE(ann.Result().has_value());
  match.Advance(250);
  ASSERT_TRUE(ann.Result().has_value());
  EXPECT_EQ(ann.Result()->Ranking.back().State, PlayerState::NoList);
}

TEST(MatchPlay, APlayerMeetsTheHostClosingAHostGoneSilentAndAHostTalkingNonsense) {
  {
    LocalMatch match;
    MatchClient& ann = match.Join("Ann");
    match.host.End();
    match.Deliver();
    EXPECT_EQ(ann.HowItEnded(), MatchClient::Ending::HostClosed);
  }
  {
    LocalMatch match;
    MatchClient& ann = match.Join("Ann");
    for (int64_t ms = 0; ms <= kSilenceMs; ms += 250) {
      match.now += 250;
      ann.Tick(match.now);  // the host never ticks, so it never pings
    }
    EXPECT_EQ(ann.HowItEnded(), MatchClient::Ending::Lost);
  }
  {
    LocalMatch match;
    MatchClient& ann = match.Join("Ann");
    ann.Received(1, FramedMessage(Welcome{3}), match.now);
    EXPECT_EQ(ann.HowItEnded(), MatchClient::Ending::Lost);
  }
}

TEST(MatchPlay, TheLobbyIsAnnouncedEverySecondUntilTheStart) {
  LocalMatch match;
  match.Join("Ann");
  match.Advance(2000);
  ASSERT_EQ(match.broadcasts.size(), 2u);
  const std::optional<Message> heard = ReadMessage(match.broadcasts.back());
  ASSERT_TRUE(heard.has_value());
  const auto& announcement = std::get<Announcement>(*heard);
  EXPECT_EQ(announcement.HostName, "Host");
  EXPECT_EQ(announcement.Players, 2);
  EXPECT_EQ(announcement.Port, 47095);
  match.host.Start(TestMatchBoard(), match.now);
  match.Advance(2000);
  EXPECT_EQ(match.broadcasts.size(), 2u);
}

}  // namespace
