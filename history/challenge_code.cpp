#include "history/challenge_code.h"

#include <algorithm>
#include <bit>
#include <climits>

#include "base/crc32.h"
#include "history/code_check.h"

namespace {

constexpr uint32_t kVersion = 1;
constexpr char kMark = 'C';
// Far above the longest code that can be made; longer texts are refused unread.
constexpr std::size_t kLongestText = 600;
constexpr int kHashBits = 20;
// More words than any board holds, even with letters repeating.
constexpr uint64_t kMostWords = 1 << 20;
constexpr std::size_t kMaxName = 32;
constexpr std::size_t kMaxCode = 7;
constexpr std::string_view kCodeLetters = "abcdefghijklmnopqrstuvwxyz";
// The characters of a name that take 6 bits; any other goes as its byte after an escape.
constexpr std::string_view kNameLetters =
    " ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr uint32_t kNameEscape = 63;

class BitWriter {
 public:
  void Bits(uint64_t value, int count) {
    for (int bit = count - 1; bit >= 0; --bit) bits_.push_back((value >> bit) & 1);
  }
  // Elias gamma: n >= 1 as its length less one in zeros, then its bits.
  void Gamma(uint64_t n) {
    const int length = std::bit_width(n);
    Bits(0, length - 1);
    Bits(n, length);
  }
  // Elias delta: n >= 1 as the gamma code of its length, then its bits below the top one.
  void Delta(uint64_t n) {
    const int length = std::bit_width(n);
    Gamma(static_cast<uint64_t>(length));
    Bits(n, length - 1);
  }
  std::vector<bool> Take() { return std::move(bits_); }
  std::size_t Size() const { return bits_.size(); }

 private:
  std::vector<bool> bits_;
};

class BitReader {
 public:
  explicit BitReader(const std::vector<bool>& bits) : bits_(bits) {}
  uint64_t Bits(int count) {
    uint64_t value = 0;
    for (int i = 0; i < count; ++i) {
      if (position_ >= bits_.size()) {
        failed_ = true;
        return 0;
      }
      value = value << 1 | bits_[position_++];
    }
    return value;
  }
  uint64_t Gamma() {
    int zeros = 0;
    while (position_ < bits_.size() && !bits_[position_]) {
      ++position_;
      if (++zeros > 40) failed_ = true;
      if (failed_) return 0;
    }
    return Bits(zeros + 1);
  }
  uint64_t Delta() {
    const uint64_t length = Gamma();
    if (length < 1 || length > 64) {
      failed_ = true;
      return 0;
    }
    const uint64_t low = Bits(static_cast<int>(length) - 1);
    return length == 64 ? low | (uint64_t{1} << 63) : low | (uint64_t{1} << (length - 1));
  }
  void Fail() { failed_ = true; }
  bool Failed() const { return failed_; }
  bool Done() const { return !failed_ && position_ == bits_.size(); }

 private:
  const std::vector<bool>& bits_;
  std::size_t position_ = 0;
  bool failed_ = false;
};

// A tile: A-Z in 5 bits; a Latin-1 capital (C0-DE but the multiplication sign D7) as
// the escape 31 and its place among them.
int LatinCapitalIndex(unsigned char c) {
  if (c < 0xC0 || c > 0xDE || c == 0xD7) return -1;
  return c - 0xC0 - (c > 0xD7 ? 1 : 0);
}
bool WriteTile(BitWriter& out, char letter) {
  const auto c = static_cast<unsigned char>(letter);
  if (c >= 'A' && c <= 'Z') {
    out.Bits(c - 'A', 5);
    return true;
  }
  const int index = LatinCapitalIndex(c);
  if (index < 0) return false;
  out.Bits(31, 5);
  out.Bits(static_cast<uint64_t>(index), 5);
  return true;
}
char ReadTile(BitReader& in) {
  const uint64_t value = in.Bits(5);
  if (value < 26) return static_cast<char>('A' + value);
  const uint64_t index = value == 31 ? in.Bits(5) : 99;
  if (index >= 30) {
    in.Fail();
    return 0;
  }
  const int c = 0xC0 + static_cast<int>(index) + (index >= 0xD7 - 0xC0 ? 1 : 0);
  return static_cast<char>(c);
}

using Wide = unsigned __int128;

// The bits 26 to the power `cells` takes: a board of A-Z only goes as one number of
// base 26, 118 bits for 25 letters where 5 bits a letter take 125.
int Base26Bits(int cells) {
  Wide most = 1;
  for (int i = 0; i < cells; ++i) most *= 26;
  int bits = 0;
  for (Wide rest = most - 1; rest > 0; rest >>= 1) ++bits;
  return bits;
}

bool WriteLetters(BitWriter& out, const std::string& letters) {
  const bool plain =
      std::all_of(letters.begin(), letters.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
  out.Bits(!plain, 1);
  if (!plain)
    return std::all_of(letters.begin(), letters.end(),
                       [&](char letter) { return WriteTile(out, letter); });
  Wide number = 0;
  for (auto letter = letters.rbegin(); letter != letters.rend(); ++letter)
    number = number * 26 + static_cast<unsigned>(*letter - 'A');
  const int bits = Base26Bits(static_cast<int>(letters.size()));
  out.Bits(static_cast<uint64_t>(number >> 64), std::max(bits - 64, 0));
  out.Bits(static_cast<uint64_t>(number), std::min(bits, 64));
  return true;
}

std::string ReadLetters(BitReader& in, int cells) {
  std::string letters;
  if (in.Bits(1) == 1) {
    for (int cell = 0; cell < cells && !in.Failed(); ++cell) letters += ReadTile(in);
    return letters;
  }
  const int bits = Base26Bits(cells);
  Wide number = Wide{in.Bits(std::max(bits - 64, 0))} << 64;
  number |= in.Bits(std::min(bits, 64));
  for (int cell = 0; cell < cells; ++cell, number /= 26)
    letters += static_cast<char>('A' + static_cast<int>(number % 26));
  if (number != 0) in.Fail();  // a number beyond the last board
  return letters;
}

// A language or mode code of the letters a-z: its length in 3 bits, then each letter in 5.
bool WriteTableCode(BitWriter& out, const std::string& code) {
  std::string lower = code;
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  if (lower.size() > kMaxCode) return false;
  out.Bits(lower.size(), 3);
  for (const char c : lower) {
    const std::size_t index = kCodeLetters.find(c);
    if (index == std::string_view::npos) return false;
    out.Bits(index, 5);
  }
  return true;
}
std::string ReadTableCode(BitReader& in) {
  const uint64_t length = in.Bits(3);
  std::string code;
  for (uint64_t i = 0; i < length && !in.Failed(); ++i) {
    const uint64_t index = in.Bits(5);
    if (index >= kCodeLetters.size()) in.Fail();
    if (!in.Failed()) code += kCodeLetters[index];
  }
  return code;
}

bool IsNameByte(unsigned char c) { return c >= 0x20 && c != 0x7F && !(c >= 0x80 && c <= 0x9F); }

bool WriteName(BitWriter& out, const std::string& name) {
  if (name.size() > kMaxName || name.find_first_not_of(' ') == std::string::npos) return false;
  out.Bits(name.size(), 6);
  for (const char c : name) {
    const std::size_t index = kNameLetters.find(c);
    if (index != std::string_view::npos) {
      out.Bits(index, 6);
    } else {
      if (!IsNameByte(static_cast<unsigned char>(c))) return false;
      out.Bits(kNameEscape, 6);
      out.Bits(static_cast<unsigned char>(c), 8);
    }
  }
  return true;
}
std::string ReadName(BitReader& in) {
  const uint64_t length = in.Bits(6);
  if (length == 0 || length > kMaxName) in.Fail();
  std::string name;
  for (uint64_t i = 0; i < length && !in.Failed(); ++i) {
    const uint64_t index = in.Bits(6);
    const auto c =
        static_cast<unsigned char>(index == kNameEscape ? in.Bits(8) : kNameLetters[index]);
    // An escaped byte is one the table does not hold: the code has one way to say each name.
    if (index == kNameEscape &&
        (!IsNameByte(c) || kNameLetters.find(static_cast<char>(c)) != std::string_view::npos))
      in.Fail();
    name += static_cast<char>(c);
  }
  if (!in.Failed() && name.find_first_not_of(' ') == std::string::npos) in.Fail();
  return name;
}

// The found words as the gaps between them, Rice-coded with `k` low bits.
std::size_t RiceBits(const std::vector<bool>& found, int k) {
  std::size_t bits = 0;
  std::size_t gap = 0;
  for (const bool mark : found) {
    if (!mark) {
      ++gap;
      continue;
    }
    bits += (gap >> k) + 1 + static_cast<std::size_t>(k);
    gap = 0;
  }
  return bits;
}

// The marks Rice-coded: the gaps between the words marked `marked`, the best of 16 ks.
std::vector<bool> RiceCoded(const std::vector<bool>& found, bool marked) {
  std::vector<bool> marks = found;
  if (!marked) marks.flip();
  int bestK = 0;
  for (int k = 1; k < 16; ++k)
    if (RiceBits(marks, k) < RiceBits(marks, bestK)) bestK = k;
  BitWriter out;
  out.Bits(static_cast<uint64_t>(bestK), 4);
  out.Delta(static_cast<uint64_t>(std::count(marks.begin(), marks.end(), true)) + 1);
  std::size_t gap = 0;
  for (const bool mark : marks) {
    if (!mark) {
      ++gap;
      continue;
    }
    for (std::size_t q = gap >> bestK; q > 0; --q) out.Bits(1, 1);
    out.Bits(0, 1);
    out.Bits(gap, bestK);
    gap = 0;
  }
  return out.Take();
}

// The found words as a bit each, or as the gaps between the words found or between
// those missed, whichever is shortest: "0" and the bits, "10" or "11" and the gaps.
void WriteFound(BitWriter& out, const std::vector<bool>& found) {
  const std::vector<bool> gapsFound = RiceCoded(found, true);
  const std::vector<bool> gapsMissed = RiceCoded(found, false);
  const std::size_t shortest = std::min(gapsFound.size(), gapsMissed.size());
  if (found.size() <= 1 + shortest) {
    out.Bits(0, 1);
    for (const bool mark : found) out.Bits(mark, 1);
    return;
  }
  const bool missed = gapsMissed.size() < gapsFound.size();
  out.Bits(1, 1);
  out.Bits(missed, 1);
  for (const bool bit : missed ? gapsMissed : gapsFound) out.Bits(bit, 1);
}

std::vector<bool> ReadFound(BitReader& in, uint32_t words) {
  std::vector<bool> found(words, false);
  if (in.Bits(1) == 0) {
    for (uint32_t i = 0; i < words && !in.Failed(); ++i) found[i] = in.Bits(1) == 1;
    return found;
  }
  const bool missed = in.Bits(1) == 1;
  const int k = static_cast<int>(in.Bits(4));
  const uint64_t count = in.Delta() - 1;
  if (count > words) in.Fail();
  std::size_t next = 0;  // the first word the next gap counts from
  for (uint64_t i = 0; i < count && !in.Failed(); ++i) {
    std::size_t quotient = 0;
    while (in.Bits(1) == 1 && !in.Failed())
      if (++quotient > words) in.Fail();
    const std::size_t at = next + (quotient << k) + in.Bits(k);
    if (at >= words) in.Fail();
    if (in.Failed()) break;
    found[at] = true;
    next = at + 1;
  }
  if (missed) found.flip();
  return found;
}

int32_t ZigZagDecode(uint64_t z) {
  const int64_t value = (z & 1) ? -static_cast<int64_t>(z >> 1) - 1 : static_cast<int64_t>(z >> 1);
  return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

// The bits, after a leading 1 that keeps their number, as symbols of base 36.
std::string Base36(std::vector<bool> bits) {
  bits.insert(bits.begin(), true);
  std::string symbols;
  while (!bits.empty()) {
    std::vector<bool> quotient;
    int remainder = 0;
    for (const bool bit : bits) {
      remainder = remainder * 2 + bit;
      const bool digit = remainder >= 36;
      if (digit) remainder -= 36;
      if (digit || !quotient.empty()) quotient.push_back(digit);
    }
    symbols += CodeSymbol(remainder);
    bits = std::move(quotient);
  }
  std::reverse(symbols.begin(), symbols.end());
  return symbols;
}
std::vector<bool> Bits(std::string_view symbols) {
  std::vector<bool> bits;  // least significant first while building
  for (const char symbol : symbols) {
    int carry = CodeSymbolValue(symbol);
    std::vector<bool> product;
    // bits * 36 + carry, bit by bit: 36 = 32 + 4.
    std::vector<int> sum(bits.size() + 7, 0);
    for (std::size_t i = 0; i < bits.size(); ++i) {
      sum[i + 5] += bits[i];
      sum[i + 2] += bits[i];
    }
    for (std::size_t i = 0; i < sum.size(); ++i) {
      const int total = sum[i] + carry;
      product.push_back(total & 1);
      carry = total >> 1;
    }
    while (!product.empty() && !product.back()) product.pop_back();
    bits = std::move(product);
  }
  std::reverse(bits.begin(), bits.end());
  if (bits.empty()) return bits;
  bits.erase(bits.begin());  // the leading 1
  return bits;
}

}  // namespace

uint32_t WordListHash(const std::vector<std::string>& sortedWords) {
  std::string joined;
  for (const std::string& word : sortedWords) joined += word + '\n';
  return Crc32(joined) & ((1u << kHashBits) - 1);
}

std::vector<bool> FoundMarks(const std::vector<std::string>& sortedWords,
                             const std::vector<std::string>& validWords) {
  std::vector<bool> marks(sortedWords.size(), false);
  for (const std::string& word : validWords) {
    const auto at = std::lower_bound(sortedWords.begin(), sortedWords.end(), word);
    if (at != sortedWords.end() && *at == word)
      marks[static_cast<std::size_t>(at - sortedWords.begin())] = true;
  }
  return marks;
}

std::optional<std::string> ChallengeCode(const Challenge& c) {
  const bool sized = (c.Height == 4 || c.Height == 5) && (c.Width == 4 || c.Width == 5);
  if (!sized || c.Letters.size() != static_cast<std::size_t>(c.Height * c.Width) ||
      c.Found.size() != c.WordCount || c.GameSeconds < 1 || c.Language.empty())
    return std::nullopt;
  BitWriter out;
  out.Bits(kVersion, 3);
  out.Bits(c.Height - 4, 1);
  out.Bits(c.Width - 4, 1);
  if (!WriteLetters(out, c.Letters)) return std::nullopt;
  if (!WriteTableCode(out, c.Language)) return std::nullopt;
  out.Bits(c.AmericanDictionary, 1);
  if (!WriteTableCode(out, c.Mode)) return std::nullopt;
  out.Delta(static_cast<uint64_t>(c.GameSeconds));
  out.Gamma(static_cast<uint64_t>(std::clamp(c.MinimumWordLength, 0, 255)) + 1);
  out.Bits(c.RepeatingLettersAllowed, 1);
  if (!WriteName(out, c.Name)) return std::nullopt;
  const int64_t score = c.Score;
  out.Delta(static_cast<uint64_t>(score < 0 ? -2 * score - 1 : 2 * score) + 1);
  out.Delta(uint64_t{c.WordCount} + 1);
  out.Bits(c.WordListHash & ((1u << kHashBits) - 1), kHashBits);
  WriteFound(out, c.Found);
  const std::string symbols = Base36(out.Take());
  return kMark + symbols + CheckCharacter(symbols);
}

ChallengeCodeResult ReadChallengeCode(std::string_view code, Challenge& challenge) {
  const std::optional<std::string> text = CodeSymbols(code, kLongestText);
  if (!text || text->size() < 3 || text->front() != kMark)
    return ChallengeCodeResult::NotAChallengeCode;
  const std::string_view symbols = std::string_view(*text).substr(1, text->size() - 2);
  if (CheckCharacter(symbols) != text->back()) return ChallengeCodeResult::WrongCheck;

  const std::vector<bool> bits = Bits(symbols);
  BitReader in(bits);
  Challenge c;
  if (bits.empty() || in.Bits(3) != kVersion) return ChallengeCodeResult::NotAChallengeCode;
  c.Height = 4 + static_cast<int>(in.Bits(1));
  c.Width = 4 + static_cast<int>(in.Bits(1));
  c.Letters = ReadLetters(in, c.Height * c.Width);
  c.Language = ReadTableCode(in);
  if (c.Language.empty()) in.Fail();
  c.AmericanDictionary = in.Bits(1) == 1;
  c.Mode = ReadTableCode(in);
  const uint64_t seconds = in.Delta();
  if (seconds > INT32_MAX) in.Fail();
  c.GameSeconds = static_cast<int32_t>(seconds);
  const uint64_t wordLength = in.Gamma();
  if (wordLength < 1 || wordLength > 256) in.Fail();
  c.MinimumWordLength = static_cast<int32_t>(wordLength) - 1;
  c.RepeatingLettersAllowed = in.Bits(1) == 1;
  c.Name = ReadName(in);
  c.Score = ZigZagDecode(in.Delta() - 1);
  const uint64_t words = in.Delta() - 1;
  if (words > kMostWords) in.Fail();
  if (in.Failed()) return ChallengeCodeResult::NotAChallengeCode;
  c.WordCount = static_cast<uint32_t>(words);
  c.WordListHash = static_cast<uint32_t>(in.Bits(kHashBits));
  c.Found = ReadFound(in, c.WordCount);
  if (!in.Done()) return ChallengeCodeResult::NotAChallengeCode;
  challenge = std::move(c);
  return ChallengeCodeResult::Ok;
}

std::string ChallengeCodeMessage(ChallengeCodeResult result) {
  switch (result) {
    case ChallengeCodeResult::Ok:
      return "";
    case ChallengeCodeResult::NotAChallengeCode:
      return "That is not a challenge code. A challenge code begins with C and is copied "
             "with Copy Challenge after a game.";
    case ChallengeCodeResult::WrongCheck:
      break;
  }
  return "This challenge code has a mistake in it. Please compare it character by character.";
}
