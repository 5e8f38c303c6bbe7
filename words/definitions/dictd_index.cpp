#include "words/definitions/dictd_index.h"

namespace {

bool ParseBase64(std::string_view digits, uint64_t& value) {
  static constexpr std::string_view kDigits =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  if (digits.empty() || digits.size() > 8) return false;
  value = 0;
  for (const char c : digits) {
    const std::size_t digit = kDigits.find(c);
    if (digit == std::string_view::npos) return false;
    value = value * 64 + digit;
  }
  return true;
}

}  // namespace

std::optional<DictdIndexLine> ParseDictdIndexLine(std::string_view line) {
  const std::size_t tab = line.find('\t');
  const std::size_t secondTab = line.find('\t', tab == std::string_view::npos ? tab : tab + 1);
  if (secondTab == std::string_view::npos) return std::nullopt;
  DictdIndexLine parsed{line.substr(0, tab), 0, 0};
  if (!ParseBase64(line.substr(tab + 1, secondTab - tab - 1), parsed.Offset) ||
      !ParseBase64(line.substr(secondTab + 1), parsed.Length))
    return std::nullopt;
  return parsed;
}
