#include "words/engine/user_list_file.h"

namespace {

std::string_view TakeLine(std::string_view& rest) {
  const std::size_t end = rest.find('\n');
  std::string_view line = rest.substr(0, end);
  rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

// "<name> <decimal>" with 1 to 5 digits and a value of at most 32767.
std::optional<int16_t> ReadField(std::string_view line, std::string_view name) {
  if (line.size() <= name.size() + 1 || line.substr(0, name.size()) != name ||
      line[name.size()] != ' ') {
    return std::nullopt;
  }
  const std::string_view digits = line.substr(name.size() + 1);
  if (digits.size() > 5) return std::nullopt;
  int value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value > 32767) return std::nullopt;
  return static_cast<int16_t>(value);
}

}  // namespace

bool IsStorableWord(std::string_view word) {
  return !word.empty() &&
         word.find_first_of(std::string_view("\n\r\0", 3)) == std::string_view::npos;
}

std::optional<UserList> ParseUserList(std::string_view bytes) {
  if (bytes.size() > kMaxUserListBytes) return std::nullopt;
  std::string_view rest = bytes;
  if (TakeLine(rest) != kUserListMagic) return std::nullopt;
  const auto kind = ReadField(TakeLine(rest), "kind");
  const auto language = ReadField(TakeLine(rest), "language");
  if (!kind || (*kind != 1 && *kind != 3) || !language) return std::nullopt;

  UserList list{*kind, *language, {}};
  while (!rest.empty()) {
    const std::string_view word = TakeLine(rest);
    if (word.empty()) continue;
    if (!IsStorableWord(word)) return std::nullopt;
    list.Words.emplace_back(word);
  }
  return list;
}

std::string UserListBytes(const UserList& list) {
  std::string out(kUserListMagic);
  out +=
      "\nkind " + std::to_string(list.Kind) + "\nlanguage " + std::to_string(list.Language) + "\n";
  for (const std::string& word : list.Words) out += word + "\n";
  return out;
}
