#pragma once

// The messages of a match on the local network. Every byte that comes in is a stranger's:
// each message has a reader that checks every field and refuses the whole message for
// one bad field, and nothing read here ever names a file, a command or a setting.
//
// Why a small binary framing and not JSON lines: the length comes first, so a message
// over the limit is refused at its fourth byte instead of after 64 KiB spent looking for
// a line end; names and words are Latin-1 bytes carried as they are, with nothing to
// escape; and the readers need no JSON parser in the rules, only the few lines of
// ByteReader, which a fuzzer can cover whole.
//
// A message is one type byte and its fields (see message_bytes.h). The first message
// either side sends, Hello or Refused, keeps its layout in every version of the protocol,
// so two versions can always tell each other apart.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

inline constexpr uint16_t kProtocolVersion = 1;
// A whole message on the wire, its length included.
inline constexpr std::size_t kMaxMessageBytes = 64 * 1024;
inline constexpr std::size_t kMaxNameLength = 32;
inline constexpr int kMaxPlayers = 8;
// Far more guesses than a game of minutes allows.
inline constexpr std::size_t kMaxGuesses = 1000;
inline constexpr std::size_t kMaxGuessLength = 255;
// A language or mode code of the game's tables.
inline constexpr std::size_t kMaxCodeLength = 8;
// The UDP port matches are announced on, and the TCP port a host listens on first.
inline constexpr uint16_t kMatchPort = 47095;

// The word list a game judges with: two games with equal checks judge every word alike.
struct WordListCheck {
  std::string Language;  // the language table's code
  bool AmericanDictionary = true;
  uint32_t Lexicons = 0;  // the main lexicons' own checksums, combined
  bool operator==(const WordListCheck&) const = default;
};

// The host's settings the match is played with.
struct MatchSettings {
  int Height = 4;
  int Width = 4;
  std::string Language;
  bool AmericanDictionary = true;
  std::string Mode;
  int32_t GameSeconds = 180;
  int MinimumWordLength = 3;
  bool RepeatingLettersAllowed = false;
  // A word found by two or more players scores for none of them.
  bool TableRule = true;
  bool operator==(const MatchSettings&) const = default;
};

// ---- A player's messages to the host ----

struct Hello {
  uint16_t Version = kProtocolVersion;
  WordListCheck Words;
  std::string Name;
  bool operator==(const Hello&) const = default;
};
// The player's guess list at the end of the game, in entry order, repeats left out.
struct GuessList {
  std::vector<std::string> Words;
  bool operator==(const GuessList&) const = default;
};
// The answer to a Ping.
struct Pong {
  uint32_t Token = 0;
  bool operator==(const Pong&) const = default;
};

// ---- The host's messages to a player ----

struct Welcome {
  uint8_t PlayerId = 0;
  bool operator==(const Welcome&) const = default;
};
enum class RefusalReason : uint8_t {
  OtherVersion = 1,
  OtherWordList,
  MatchFull,
  NameTaken,
  Started
};
// Sent before the host closes the connection. What differs is the host's own value, so
// the player's game can name both sides.
struct Refused {
  RefusalReason Reason = RefusalReason::MatchFull;
  uint16_t HostVersion = kProtocolVersion;
  WordListCheck HostWords;
  bool operator==(const Refused&) const = default;
};
struct LobbyPlayer {
  uint8_t Id = 0;
  std::string Name;
  bool Gone = false;
  bool operator==(const LobbyPlayer&) const = default;
};
struct Lobby {
  MatchSettings Settings;
  std::vector<LobbyPlayer> Players;
  bool operator==(const Lobby&) const = default;
};
struct StartGame {
  MatchSettings Settings;
  uint32_t StartsInMs = 0;  // the count-down, less half the way the message took
  std::string Letters;      // Height x Width tiles, row by row
  bool operator==(const StartGame&) const = default;
};
enum class PlayerState : uint8_t { Played = 1, NoList, Gone };
struct RankedPlayer {
  uint8_t Id = 0;
  std::string Name;
  int32_t Score = 0;
  uint16_t Words = 0;  // valid words found
  PlayerState State = PlayerState::Played;
  bool operator==(const RankedPlayer&) const = default;
};
struct FoundWord {
  std::string Word;
  int32_t Points = 0;
  uint8_t FoundBy = 0;  // a bit per player id
  bool operator==(const FoundWord&) const = default;
};
struct MatchResult {
  bool TableRule = true;
  std::vector<RankedPlayer> Ranking;  // best first
  std::vector<FoundWord> Words;       // longest first, then alphabetical
  bool operator==(const MatchResult&) const = default;
};
// The host ended the match.
struct MatchClosed {
  bool operator==(const MatchClosed&) const = default;
};
struct Ping {
  uint32_t Token = 0;
  bool operator==(const Ping&) const = default;
};

// ---- Announced to the local network while a lobby is open ----

struct Announcement {
  uint16_t Version = kProtocolVersion;
  uint16_t Port = kMatchPort;
  std::string HostName;
  uint8_t Players = 1;
  MatchSettings Settings;
  bool operator==(const Announcement&) const = default;
};

using Message = std::variant<Hello, GuessList, Pong, Welcome, Refused, Lobby, StartGame,
                             MatchResult, MatchClosed, Ping, Announcement>;

// The message's bytes, without the framing.
std::string EncodeMessage(const Message& message);
// The message framed for a stream connection.
std::string FramedMessage(const Message& message);
// The protocol version a Hello names, also when the rest of it is of a layout this
// version cannot read; nothing for any other message.
std::optional<uint16_t> HelloVersion(std::string_view bytes);
// Nothing for an unknown type, a field out of its range, bytes missing or left over.
std::optional<Message> ReadMessage(std::string_view bytes);

// 1 to 32 characters, not all blanks, no control character (Latin-1 C0 and C1).
bool IsValidPlayerName(std::string_view name);
inline constexpr const char* kBadPlayerName =
    "A name has 1 to 32 characters, not only blanks, and none of them a control character.";
// At most `maxLength` characters, none of them a control character.
bool IsPrintable(std::string_view text, std::size_t maxLength);
