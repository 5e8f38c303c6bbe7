#pragma once

// Letter case of single-byte Latin-1 text: a-z and the accented letters À-Þ / à-þ
// (not × and ÷). ß and ÿ have no capital in Latin-1 and stay as they are.

#include <string>
#include <string_view>

inline bool IsLatin1Capital(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7);
}
inline bool IsLatin1Small(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte >= 'a' && byte <= 'z') || (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7);
}
inline char Latin1Lower(char c) { return IsLatin1Capital(c) ? static_cast<char>(c + 0x20) : c; }
inline char Latin1Upper(char c) { return IsLatin1Small(c) ? static_cast<char>(c - 0x20) : c; }

inline std::string Latin1LowerCopy(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = Latin1Lower(c);
  return lower;
}
inline std::string Latin1UpperCopy(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = Latin1Upper(c);
  return upper;
}
