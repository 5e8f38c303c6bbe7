#include "words/engine/word_list_text.h"

namespace {

bool IsCapital(char32_t c) {
  return (c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
}

// The base letter of a small Latin-1 letter with an accent; the letter itself otherwise.
// Letters with no accent to remove (ø, æ, ß) stay as they are and so are dropped later.
char32_t BaseLetter(char32_t c) {
  if (c < 0xE0 || c > 0xFF) return c;
  static constexpr char32_t kBases[32] = {
      U'a', U'a', U'a', U'a', U'a', U'a', 0xE6, U'c',  // à á â ã ä å æ ç
      U'e', U'e', U'e', U'e', U'i', U'i', U'i', U'i',  // è é ê ë ì í î ï
      0xF0, U'n', U'o', U'o', U'o', U'o', U'o', 0xF7,  // ð ñ ò ó ô õ ö ÷
      0xF8, U'u', U'u', U'u', U'u', U'y', 0xFE, U'y',  // ø ù ú û ü ý þ ÿ
  };
  return kBases[c - 0xE0];
}

}  // namespace

std::optional<std::u32string> DecodeUtf8(std::string_view bytes) {
  std::u32string out;
  out.reserve(bytes.size());
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    int extra = 0;
    char32_t value = 0;
    char32_t smallest = 0;
    if (lead < 0x80) {
      value = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      extra = 1, value = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      extra = 2, value = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      extra = 3, value = lead & 0x07, smallest = 0x10000;
    } else {
      return std::nullopt;
    }
    if (bytes.size() - i <= static_cast<std::size_t>(extra)) return std::nullopt;
    for (int k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + k]);
      if ((next & 0xC0) != 0x80) return std::nullopt;
      value = (value << 6) | (next & 0x3F);
    }
    if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
      return std::nullopt;
    }
    out.push_back(value);
    i += 1 + extra;
  }
  return out;
}

std::string EncodeUtf8(std::u32string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char32_t c : text) {
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | c >> 6));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | c >> 12));
      out.push_back(static_cast<char>(0x80 | (c >> 6 & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | c >> 18));
      out.push_back(static_cast<char>(0x80 | (c >> 12 & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c >> 6 & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

std::u32string DecodeWordListText(std::string_view bytes) {
  if (auto text = DecodeUtf8(bytes)) return *text;
  std::u32string latin1;
  latin1.reserve(bytes.size());
  for (char c : bytes) latin1.push_back(static_cast<unsigned char>(c));
  return latin1;
}

std::optional<std::string> DictionaryWord(std::u32string_view entry) {
  if (entry.empty() || entry.find(U'\'') != std::u32string_view::npos) return std::nullopt;
  for (char32_t c : entry) {
    if (IsCapital(c)) return std::nullopt;
  }
  std::string word;
  for (char32_t c : entry) {
    const char32_t base = BaseLetter(c);
    if (base < U'a' || base > U'z') return std::nullopt;
    word.push_back(static_cast<char>(base));
  }
  return word;
}

std::vector<std::u32string_view> WordListLines(std::u32string_view text) {
  std::vector<std::u32string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find(U'\n');
    std::u32string_view line = text.substr(0, end);
    text = end == std::u32string_view::npos ? std::u32string_view() : text.substr(end + 1);
    if (!line.empty() && line.back() == U'\r') line.remove_suffix(1);
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> DictionaryWordsFromText(std::string_view bytes) {
  const std::u32string text = DecodeWordListText(bytes);
  std::vector<std::string> words;
  for (const std::u32string_view line : WordListLines(text))
    if (auto word = DictionaryWord(line)) words.push_back(std::move(*word));
  return words;
}
