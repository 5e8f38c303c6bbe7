#include "base/text_utils.h"

#include <algorithm>
#include <cstdio>
#include <limits>

namespace {

constexpr int kMaxTextLength = 255;

int Clamp(int value, int low, int high) { return std::max(low, std::min(value, high)); }

// Fixed-point text with `decimals` digits, right-justified in at least `width` characters.
std::string FixedText(double number, int width, int decimals) {
  width = Clamp(width, 0, kMaxTextLength);
  decimals = Clamp(decimals, 0, kMaxTextLength);
  const int length = std::snprintf(nullptr, 0, "%*.*f", width, decimals, number);
  if (length <= 0) return std::string();
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  std::snprintf(text.data(), text.size(), "%*.*f", width, decimals, number);
  text.resize(static_cast<std::size_t>(length));
  return text;
}

std::string WithoutLeadingBlanks(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first);
}

bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::string FormatNumber(double number, int width, int decimals) {
  std::string text = WithoutLeadingBlanks(FixedText(number, width, decimals));
  std::size_t p =
      decimals > 0 ? static_cast<std::size_t>(Clamp(decimals, 0, kMaxTextLength)) + 4 : 3;
  while (p < text.size()) {
    text.insert(text.size() - p, 1, ',');
    p += 4;
  }
  if (number < 0 && text.size() > 1 && text[1] == ',') text.erase(1, 1);
  return PadLeft(text, width);
}

std::string FormatPadded(double number, int width, int decimals) {
  return PadLeft(FixedText(number, width, decimals), width);
}

std::string PadLeft(const std::string& text, int length) {
  const int wanted = Clamp(length, 0, kMaxTextLength);
  if (static_cast<int>(text.size()) >= wanted) return text;
  return std::string(static_cast<std::size_t>(wanted) - text.size(), ' ') + text;
}

ReadIntegerResult ReadInteger(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;

  int base = 10;
  bool negative = false;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }

  // A negative number may reach one beyond the largest positive value.
  const int64_t limit = int64_t{std::numeric_limits<int32_t>::max()} + (negative ? 1 : 0);
  int64_t magnitude = 0;
  bool anyDigit = false;
  for (; i < text.size(); ++i) {
    const int digit =
        base == 16 ? HexDigitValue(text[i]) : (IsDecimalDigit(text[i]) ? text[i] - '0' : -1);
    if (digit < 0) break;
    const int64_t next = magnitude * base + digit;
    if (next > limit) break;  // refused like an unusable character
    magnitude = next;
    anyDigit = true;
  }

  ReadIntegerResult result;
  if (anyDigit && i == text.size()) {
    result.Value = static_cast<int32_t>(negative ? -magnitude : magnitude);
    return result;
  }
  // Without its sign, 2147483648 has no 32-bit value; the nearest one stands in.
  result.Value =
      static_cast<int32_t>(std::min<int64_t>(magnitude, std::numeric_limits<int32_t>::max()));
  result.ErrorPosition = static_cast<int>(i) + 1;
  return result;
}

std::string TrimBlanks(const std::string& text) {
  const auto last = text.find_last_not_of(' ');
  if (last == std::string::npos) return std::string();
  const auto first = text.find_first_not_of(' ');
  return text.substr(first, last - first + 1);
}

std::string UpperCopy(const std::string& text, int maxLength) {
  const std::size_t limit = static_cast<std::size_t>(Clamp(maxLength, 0, kMaxTextLength));
  std::string copy = text.substr(0, std::min(text.find('\0'), limit));
  for (char& c : copy) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return copy;
}

bool IsYes(const std::string& text) { return text == "YES"; }

std::string Utf8FromLatin1(std::string_view text) {
  const auto high = [](char c) { return static_cast<unsigned char>(c) >= 0x80; };
  std::string utf8(text.size() + static_cast<std::size_t>(std::ranges::count_if(text, high)), '\0');
  std::size_t at = 0;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      utf8[at++] = c;
    } else {
      utf8[at++] = static_cast<char>(0xC0 | byte >> 6);
      utf8[at++] = static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return utf8;
}
