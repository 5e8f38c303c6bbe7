#pragma once

#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Small text routines shared by the dialogs, the settings file and the word entry.
// Texts are single-byte and at most 255 characters long.

// Fixed-point with `decimals` digits, "," between groups of three digits before the
// point, a leading "-" when negative, padded with blanks on the left to `width`.
std::string FormatNumber(double number, int width, int decimals);
// A whole count or score as the dialogs show it: "1,234", "-5".
inline std::string FormatCount(int64_t count) {
  return FormatNumber(static_cast<double>(count), 1, 0);
}
// "1 point", "-1 point", "1,234 points".
inline std::string PointsText(int64_t points) {
  return FormatCount(points) + (points == 1 || points == -1 ? " point" : " points");
}
// Fixed-point with `decimals` digits, no separators, padded on the left to `width`.
std::string FormatPadded(double number, int width, int decimals);
std::string PadLeft(const std::string& text, int length);

struct ReadIntegerResult {
  int32_t Value = 0;
  int ErrorPosition = 0;  // 1-based position of the first unusable character; 0 = none
};
// Decimal with an optional sign, or "$" and hexadecimal digits, after leading blanks.
ReadIntegerResult ReadInteger(const std::string& text);

// A number that is the whole of `text`, in plain decimal: no blanks, no "+", nothing
// after it, and within the range of `Number`. For the files the game writes itself.
template <typename Number>
std::optional<Number> ReadWholeNumber(std::string_view text) {
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// Blanks (code 32) only; inner blanks stay.
std::string TrimBlanks(const std::string& text);
// The text up to its first NUL, at most 255 and at most `maxLength` characters, with a-z
// made capital; every other byte unchanged.
std::string UpperCopy(const std::string& text, int maxLength);
// True exactly for "YES".
bool IsYes(const std::string& text);
// The game's single-byte (Latin-1) text as UTF-8, for files other programs read.
std::string Utf8FromLatin1(std::string_view text);
