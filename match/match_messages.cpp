#include "match/match_messages.h"

#include <algorithm>
#include <climits>
#include <set>
#include <type_traits>

#include "match/message_bytes.h"

namespace {

// The type byte of each message, in the order of the Message variant. A number, once
// given, is never given to another message.
constexpr uint8_t kTypes[] = {1, 2, 3, 11, 12, 13, 14, 15, 16, 17, 21};

// The longest count-down a host may ask for.
constexpr uint32_t kLongestCountDownMs = 10000;

bool IsControl(unsigned char c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

bool IsCode(std::string_view code, bool mayBeEmpty) {
  if (code.size() > kMaxCodeLength || (code.empty() && !mayBeEmpty)) return false;
  return std::all_of(code.begin(), code.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
  });
}

// A tile is a capital letter: A-Z or a Latin-1 capital (not the multiplication sign).
bool IsCapitalLetter(char letter) {
  const auto c = static_cast<unsigned char>(letter);
  return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
}

// Field readers: each refuses a value its field does not allow by failing the reader.
bool Flag(ByteReader& in) {
  const uint8_t value = in.U8();
  if (value > 1) in.Fail();
  return value == 1;
}

int32_t Signed(ByteReader& in) { return static_cast<int32_t>(in.U32()); }

std::string Checked(ByteReader& in, bool valid) {
  if (!valid) in.Fail();
  return {};
}

std::string Name(ByteReader& in) {
  std::string name = in.Text();
  return IsValidPlayerName(name) ? name : Checked(in, false);
}

std::string Code(ByteReader& in, bool mayBeEmpty) {
  std::string code = in.Text();
  return IsCode(code, mayBeEmpty) ? code : Checked(in, false);
}

// A word or guess: 1 to 255 characters, none of them a control character.
std::string Word(ByteReader& in) {
  std::string word = in.Text();
  return !word.empty() && IsPrintable(word, kMaxGuessLength) ? word : Checked(in, false);
}

uint8_t PlayerId(ByteReader& in) {
  const uint8_t id = in.U8();
  if (id < kMaxPlayers) return id;
  in.Fail();
  return 0;
}

// A list of `Item`s, at most `most` of them, each read by `read`.
template <typename Item, typename Read>
std::vector<Item> List(ByteReader& in, std::size_t least, std::size_t most, Read read) {
  const std::size_t count = in.U16();
  if (count < least || count > most) in.Fail();
  std::vector<Item> items;
  for (std::size_t i = 0; i < count && !in.Failed(); ++i) items.push_back(read(in));
  return items;
}

// No player id given twice.
template <typename Player>
void CheckIds(ByteReader& in, const std::vector<Player>& players) {
  std::set<uint8_t> ids;
  for (const Player& player : players)
    if (!ids.insert(player.Id).second) in.Fail();
}

// ---- Each message's fields, written and read in the same order ----

void Write(ByteWriter& out, const WordListCheck& check) {
  out.Text(check.Language);
  out.U8(check.AmericanDictionary);
  out.U32(check.Lexicons);
}
WordListCheck ReadWordListCheck(ByteReader& in) {
  WordListCheck check;
  check.Language = Code(in, false);
  check.AmericanDictionary = Flag(in);
  check.Lexicons = in.U32();
  return check;
}

void Write(ByteWriter& out, const MatchSettings& settings) {
  out.U8(static_cast<uint8_t>(settings.Height));
  out.U8(static_cast<uint8_t>(settings.Width));
  out.Text(settings.Language);
  out.U8(settings.AmericanDictionary);
  out.Text(settings.Mode);
  out.U32(static_cast<uint32_t>(settings.GameSeconds));
  out.U8(static_cast<uint8_t>(std::clamp(settings.MinimumWordLength, 0, 255)));
  out.U8(settings.RepeatingLettersAllowed);
  out.U8(settings.TableRule);
}
MatchSettings ReadSettings(ByteReader& in) {
  MatchSettings settings;
  settings.Height = in.U8();
  settings.Width = in.U8();
  for (const int side : {settings.Height, settings.Width})
    if (side != 4 && side != 5) in.Fail();
  settings.Language = Code(in, false);
  settings.AmericanDictionary = Flag(in);
  settings.Mode = Code(in, true);
  const uint32_t seconds = in.U32();
  if (seconds == 0 || seconds > INT32_MAX) in.Fail();
  settings.GameSeconds = static_cast<int32_t>(seconds);
  settings.MinimumWordLength = in.U8();
  settings.RepeatingLettersAllowed = Flag(in);
  settings.TableRule = Flag(in);
  return settings;
}

void Write(ByteWriter& out, const Hello& hello) {
  out.U16(hello.Version);
  Write(out, hello.Words);
  out.Text(hello.Name);
}
Hello ReadHello(ByteReader& in) {
  Hello hello;
  hello.Version = in.U16();
  hello.Words = ReadWordListCheck(in);
  hello.Name = Name(in);
  return hello;
}

void Write(ByteWriter& out, const GuessList& list) {
  out.U16(static_cast<uint16_t>(list.Words.size()));
  for (const std::string& word : list.Words) out.Text(word);
}
GuessList ReadGuessList(ByteReader& in) { return {List<std::string>(in, 0, kMaxGuesses, Word)}; }

void Write(ByteWriter& out, const Pong& pong) { out.U32(pong.Token); }
Pong ReadPong(ByteReader& in) { return {in.U32()}; }

void Write(ByteWriter& out, const Welcome& welcome) { out.U8(welcome.PlayerId); }
Welcome ReadWelcome(ByteReader& in) { return {PlayerId(in)}; }

void Write(ByteWriter& out, const Refused& refused) {
  out.U8(static_cast<uint8_t>(refused.Reason));
  out.U16(refused.HostVersion);
  Write(out, refused.HostWords);
}
Refused ReadRefused(ByteReader& in) {
  Refused refused;
  const uint8_t reason = in.U8();
  if (reason < 1 || reason > static_cast<uint8_t>(RefusalReason::Started)) in.Fail();
  refused.Reason = static_cast<RefusalReason>(reason);
  refused.HostVersion = in.U16();
  refused.HostWords = ReadWordListCheck(in);
  return refused;
}

void Write(ByteWriter& out, const Lobby& lobby) {
  Write(out, lobby.Settings);
  out.U16(static_cast<uint16_t>(lobby.Players.size()));
  for (const LobbyPlayer& player : lobby.Players) {
    out.U8(player.Id);
    out.Text(player.Name);
    out.U8(player.Gone);
  }
}
Lobby ReadLobby(ByteReader& in) {
  Lobby lobby;
  lobby.Settings = ReadSettings(in);
  lobby.Players = List<LobbyPlayer>(in, 1, kMaxPlayers, [](ByteReader& in) {
    LobbyPlayer player;
    player.Id = PlayerId(in);
    player.Name = Name(in);
    player.Gone = Flag(in);
    return player;
  });
  CheckIds(in, lobby.Players);
  return lobby;
}

void Write(ByteWriter& out, const StartGame& start) {
  Write(out, start.Settings);
  out.U32(start.StartsInMs);
  out.Text(start.Letters);
}
StartGame ReadStartGame(ByteReader& in) {
  StartGame start;
  start.Settings = ReadSettings(in);
  start.StartsInMs = in.U32();
  if (start.StartsInMs > kLongestCountDownMs) in.Fail();
  start.Letters = in.Text();
  const auto cells = static_cast<std::size_t>(start.Settings.Height * start.Settings.Width);
  if (start.Letters.size() != cells ||
      !std::all_of(start.Letters.begin(), start.Letters.end(), IsCapitalLetter))
    in.Fail();
  return start;
}

void Write(ByteWriter& out, const MatchResult& result) {
  out.U8(result.TableRule);
  out.U16(static_cast<uint16_t>(result.Ranking.size()));
  for (const RankedPlayer& player : result.Ranking) {
    out.U8(player.Id);
    out.Text(player.Name);
    out.U32(static_cast<uint32_t>(player.Score));
    out.U16(player.Words);
    out.U8(static_cast<uint8_t>(player.State));
  }
  out.U16(static_cast<uint16_t>(result.Words.size()));
  for (const FoundWord& word : result.Words) {
    out.Text(word.Word);
    out.U32(static_cast<uint32_t>(word.Points));
    out.U8(word.FoundBy);
  }
}
MatchResult ReadMatchResult(ByteReader& in) {
  MatchResult result;
  result.TableRule = Flag(in);
  result.Ranking = List<RankedPlayer>(in, 1, kMaxPlayers, [](ByteReader& in) {
    RankedPlayer player;
    player.Id = PlayerId(in);
    player.Name = Name(in);
    player.Score = Signed(in);
    player.Words = in.U16();
    const uint8_t state = in.U8();
    if (state < 1 || state > static_cast<uint8_t>(PlayerState::Gone)) in.Fail();
    player.State = static_cast<PlayerState>(state);
    return player;
  });
  CheckIds(in, result.Ranking);
  uint8_t players = 0;
  for (const RankedPlayer& player : result.Ranking)
    players |= static_cast<uint8_t>(1u << player.Id);
  result.Words = List<FoundWord>(in, 0, kMaxMessageBytes, [players](ByteReader& in) {
    FoundWord word;
    word.Word = Word(in);
    word.Points = Signed(in);
    word.FoundBy = in.U8();
    // Found by somebody, and only by players of the ranking.
    if (word.FoundBy == 0 || (word.FoundBy & ~players) != 0) in.Fail();
    return word;
  });
  return result;
}

void Write(ByteWriter&, const MatchClosed&) {}
MatchClosed ReadMatchClosed(ByteReader&) { return {}; }

void Write(ByteWriter& out, const Ping& ping) { out.U32(ping.Token); }
Ping ReadPing(ByteReader& in) { return {in.U32()}; }

void Write(ByteWriter& out, const Announcement& announcement) {
  out.U16(announcement.Version);
  out.U16(announcement.Port);
  out.Text(announcement.HostName);
  out.U8(announcement.Players);
  Write(out, announcement.Settings);
}
Announcement ReadAnnouncement(ByteReader& in) {
  Announcement announcement;
  announcement.Version = in.U16();
  announcement.Port = in.U16();
  if (announcement.Port == 0) in.Fail();
  announcement.HostName = Name(in);
  announcement.Players = in.U8();
  if (announcement.Players < 1 || announcement.Players > kMaxPlayers) in.Fail();
  announcement.Settings = ReadSettings(in);
  return announcement;
}

// The readers in the order of the Message variant.
using Reader = Message (*)(ByteReader&);
constexpr Reader kReaders[] = {
    [](ByteReader& in) -> Message { return ReadHello(in); },
    [](ByteReader& in) -> Message { return ReadGuessList(in); },
    [](ByteReader& in) -> Message { return ReadPong(in); },
    [](ByteReader& in) -> Message { return ReadWelcome(in); },
    [](ByteReader& in) -> Message { return ReadRefused(in); },
    [](ByteReader& in) -> Message { return ReadLobby(in); },
    [](ByteReader& in) -> Message { return ReadStartGame(in); },
    [](ByteReader& in) -> Message { return ReadMatchResult(in); },
    [](ByteReader& in) -> Message { return ReadMatchClosed(in); },
    [](ByteReader& in) -> Message { return ReadPing(in); },
    [](ByteReader& in) -> Message { return ReadAnnouncement(in); },
};
static_assert(std::size(kReaders) == std::variant_size_v<Message>);
static_assert(std::size(kTypes) == std::variant_size_v<Message>);

}  // namespace

std::string EncodeMessage(const Message& message) {
  ByteWriter out;
  out.U8(kTypes[message.index()]);
  std::visit([&](const auto& fields) { Write(out, fields); }, message);
  return out.Take();
}

std::string FramedMessage(const Message& message) { return Framed(EncodeMessage(message)); }

std::optional<Message> ReadMessage(std::string_view bytes) {
  if (bytes.empty() || bytes.size() > kMaxMessageBytes) return std::nullopt;
  const auto type = static_cast<uint8_t>(bytes[0]);
  const auto* found = std::find(std::begin(kTypes), std::end(kTypes), type);
  if (found == std::end(kTypes)) return std::nullopt;
  ByteReader in(bytes.substr(1));
  Message message = kReaders[found - std::begin(kTypes)](in);
  if (!in.Done()) return std::nullopt;
  return message;
}

std::optional<uint16_t> HelloVersion(std::string_view bytes) {
  if (bytes.size() < 3 || static_cast<uint8_t>(bytes[0]) != kTypes[0]) return std::nullopt;
  ByteReader in(bytes.substr(1, 2));
  return in.U16();
}

bool IsPrintable(std::string_view text, std::size_t maxLength) {
  return text.size() <= maxLength && std::none_of(text.begin(), text.end(), [](char c) {
           return IsControl(static_cast<unsigned char>(c));
         });
}

bool IsValidPlayerName(std::string_view name) {
  return !name.empty() && IsPrintable(name, kMaxNameLength) &&
         name.find_first_not_of(' ') != std::string_view::npos;
}
