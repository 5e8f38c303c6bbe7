// Every message reads back as it was written, and a message a stranger bends in any one
// field is refused whole.
#include "match/match_messages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "match/message_bytes.h"

namespace {

MatchSettings Settings() {
  MatchSettings settings;
  settings.Height = 5;
  settings.Width = 4;
  settings.Language = "en";
  settings.AmericanDictionary = false;
  settings.Mode = "";
  settings.GameSeconds = 90;
  settings.MinimumWordLength = 4;
  settings.RepeatingLettersAllowed = true;
  settings.TableRule = false;
  return settings;
}

const WordListCheck kWords{"en", true, 0xDEADBEEF};

std::vector<Message> EveryKindOfMessage() {
  return {
      Hello{kProtocolVersion, kWords, "Ann\xE9 Lee"},
      GuessList{{"CAT", "TEA", std::string(255, 'X')}},
      GuessList{},
      Pong{7},
      Welcome{7},
      Refused{RefusalReason::OtherWordList, 3, kWords},
      Lobby{Settings(), {{0, "Host", false}, {3, "Bo", true}}},
      StartGame{Settings(), 2950, "ABCDEFGHIJKLMNOPQRS\xC4"},
      MatchResult{true,
                  {{3, "Bo", 12, 4, PlayerState::Played}, {0, "Host", -2, 0, PlayerState::Gone}},
                  {{"TEAS", 2, 0x09}, {"CAT", 1, 0x01}}},
      MatchClosed{},
      Ping{0xFFFFFFFF},
      Announcement{kProtocolVersion, 47096, "Host", 3, Settings()},
  };
}

TEST(MatchMessages, EveryMessageReadsBackAsWritten) {
  for (const Message& message : EveryKindOfMessage()) {
    const std::optional<Message> read = ReadMessage(EncodeMessage(message));
    ASSERT_TRUE(read.has_value()) << "message kind " << message.index();
    EXPECT_EQ(*read, message) << "message kind " << message.index();
  }
}

// The message's bytes with `count` bytes at `at` (counted from the end when negative)
// replaced by `with`.
std::string Bent(const Message& message, int at, std::string_view with, std::size_t count = 1) {
  std::string bytes = EncodeMessage(message);
  const std::size_t where =
      at < 0 ? bytes.size() + static_cast<std::size_t>(at) : static_cast<std::size_t>(at);
  return bytes.replace(where, count, with);
}

TEST(MatchMessages, AMessageWithAnyFieldOutOfItsRangeIsRefusedWhole) {
  const Hello hello{kProtocolVersion, kWords, "Ann"};
  const Message lobby = Lobby{Settings(), {{0, "Host", false}, {3, "Bo", false}}};
  const Message start = StartGame{Settings(), 2950, std::string(20, 'A')};
  const Message result =
      MatchResult{true, {{3, "Bo", 12, 4, PlayerState::Played}}, {{"CAT", 1, 0x08}}};
  std::string manyGuesses = std::string("\x02") + '\x03' + '\xE9';  // 1001 guesses
  for (int i = 0; i < 1001; ++i) manyGuesses += std::string("\x01X");

  struct Case {
    const char* what;
    std::string bytes;
  };
  const std::vector<Case> cases = {
      {"nothing at all", ""},
      {"an unknown type", "\x63"},
      {"a byte left over", EncodeMessage(Ping{1}) + "x"},
      {"a byte missing", EncodeMessage(Ping{1}).substr(0, 4)},
      {"a text longer than its message", Bent(hello, -4, "\x09")},
      {"an empty name", Bent(hello, -4, std::string(1, '\0'), 4)},
      {"a name of 33 characters",
       EncodeMessage(Hello{kProtocolVersion, kWords, std::string(33, 'a')})},
      {"a name of blanks", EncodeMessage(Hello{kProtocolVersion, kWords, "   "})},
      {"a name with a line feed", EncodeMessage(Hello{kProtocolVersion, kWords, "An\nn"})},
      {"a name with a C1 control", EncodeMessage(Hello{kProtocolVersion, kWords, "An\x85n"})},
      {"a language code with a slash",
       EncodeMessage(Hello{kProtocolVersion, {"../x", true, 1}, "Ann"})},
      {"a flag of 2", Bent(hello, 6, "\x02")},
      {"1001 guesses", manyGuesses},
      {"a guess with a tab", EncodeMessage(GuessList{{"CA\tT"}})},
      {"an empty guess", EncodeMessage(GuessList{{""}})},
      {"player id 8", EncodeMessage(Welcome{8})},
      {"an unknown refusal", EncodeMessage(Refused{static_cast<RefusalReason>(9), 1, kWords})},
      {"a board 6 high", Bent(lobby, 1, "\x06")},
      {"a game of no seconds", Bent(lobby, 8, std::string(4, '\0'), 4)},
      {"a game longer than the clock counts", Bent(lobby, 8, std::string("\x80\0\0\0", 4), 4)},
      {"no players in the lobby", EncodeMessage(Lobby{Settings(), {}})},
      {"a player id twice", EncodeMessage(Lobby{Settings(), {{2, "A", false}, {2, "B", false}}})},
      {"nine players",
       EncodeMessage(Lobby{Settings(), std::vector<LobbyPlayer>(9, {1, "A", false})})},
      {"a count-down of 11 s", EncodeMessage(StartGame{Settings(), 11000, std::string(20, 'A')})},
      {"19 letters on a 5 x 4 board",
       EncodeMessage(StartGame{Settings(), 0, std::string(19, 'A')})},
      {"a small letter on the board", Bent(start, -1, "a")},
      {"a digit on the board", Bent(start, -1, "7")},
      {"a word found by nobody", Bent(result, -1, std::string(1, '\0'))},
      {"a word found by a player not ranked", Bent(result, -1, "\x0C")},
      {"an unknown player state",
       EncodeMessage(MatchResult{true, {{1, "A", 0, 0, static_cast<PlayerState>(4)}}, {}})},
      {"an announcement of port 0", EncodeMessage(Announcement{1, 0, "Host", 1, Settings()})},
      {"an announcement of 9 players", EncodeMessage(Announcement{1, 5, "Host", 9, Settings()})},
  };
  for (const Case& c : cases) EXPECT_FALSE(ReadMessage(c.bytes).has_value()) << c.what;
}

TEST(MatchMessages, TheVersionOfAHelloIsReadEvenWhenItsLayoutIsAnotherVersions) {
  std::string future = EncodeMessage(Hello{kProtocolVersion, kWords, "Ann"});
  future[1] = '\x00';
  future[2] = '\x09';
  future += "fields of version 9";
  EXPECT_FALSE(ReadMessage(future).has_value());
  EXPECT_EQ(HelloVersion(future), 9);
  EXPECT_EQ(HelloVersion(EncodeMessage(Ping{1})), std::nullopt);
}

TEST(FrameReader, CutsAStreamIntoMessagesHoweverItArrives) {
  const std::string stream = Framed("one") + Framed("two") + Framed(std::string(1000, 'x'));
  for (const std::size_t piece : {std::size_t{1}, std::size_t{3}, std::size_t{7}, stream.size()}) {
    FrameReader reader(kMaxMessageBytes);
    std::vector<std::string> messages;
    for (std::size_t at = 0; at < stream.size(); at += piece)
      for (std::string& message : reader.Feed(std::string_view(stream).substr(at, piece)))
        messages.push_back(std::move(message));
    ASSERT_EQ(messages.size(), 3u) << "pieces of " << piece;
    EXPECT_EQ(messages[1], "two");
    EXPECT_EQ(messages[2].size(), 1000u);
    EXPECT_FALSE(reader.Partial());
    EXPECT_FALSE(reader.Broken());
  }
}

TEST(FrameReader, ALengthOverTheLimitBreaksTheStreamAtItsFourthByte) {
  FrameReader reader(kMaxMessageBytes);
  EXPECT_EQ(reader.Feed(Framed("ok")).size(), 1u);
  ByteWriter header;
  header.U32(kMaxMessageBytes - 3);  // one byte more than a whole message may be
  EXPECT_TRUE(reader.Feed(header.Take()).empty());
  EXPECT_TRUE(reader.Broken());
  EXPECT_FALSE(reader.Partial());
  EXPECT_TRUE(reader.Feed(Framed("after")).empty());

  FrameReader largest(kMaxMessageBytes);
  EXPECT_EQ(largest.Feed(Framed(std::string(kMaxMessageBytes - 4, 'x'))).size(), 1u);
  FrameReader empty(kMaxMessageBytes);
  empty.Feed(std::string(4, '\0'));
  EXPECT_TRUE(empty.Broken());
}

TEST(PlayerNames, AreOneToThirtyTwoCharactersWithoutControlCharacters) {
  EXPECT_TRUE(IsValidPlayerName("A"));
  EXPECT_TRUE(IsValidPlayerName(std::string(32, 'z')));
  EXPECT_TRUE(IsValidPlayerName("Zo\xEB M\xFCller"));
  EXPECT_FALSE(IsValidPlayerName(""));
  EXPECT_FALSE(IsValidPlayerName(" "));
  EXPECT_FALSE(IsValidPlayerName(std::string(33, 'z')));
  EXPECT_FALSE(IsValidPlayerName("A\x7F"));
  EXPECT_FALSE(IsValidPlayerName(std::string("A\0B", 3)));
}

}  // namespace
