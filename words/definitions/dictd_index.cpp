#include "words/definitions/dictd_index.h"

#include <array>

namespace {

// Each byte's value as a base-64 digit, or -1.
constexpr std::array<int8_t, 256> kDigitValues = [] {
  constexpr std::string_view kDigits =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::array<int8_t, 256> values{};
  values.fill(-1);
  for (std::size_t digit = 0; digit < kDigits.size(); ++digit)
    values[static_cast<unsigned char>(kDigits[digit])] = static_cast<int8_t>(digit);
  return values;
}();

bool ParseBase64(std::string_view digits, uint64_t& value) {
  if (digits.empty() || digits.size() > 8) return false;
  value = 0;
  for (const char c : digits) {
    const int digit = kDigitValues[static_cast<unsigned char>(c)];
    if (digit < 0) return false;
    value = value * 64 + static_cast<uint64_t>(digit);
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
