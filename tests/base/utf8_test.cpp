#include "base/utf8.h"

#include <gtest/gtest.h>

namespace {

TEST(DecodeUtf8, ReadsWellFormedTextExactlyAndRefusesAnythingElse) {
  const std::pair<std::string, std::optional<std::u32string>> cases[] = {
      {"", U""},
      {"c\xc5\x93ur", U"c\u0153ur"},
      {"\xc3\xa9l\xc3\xa8ve", U"\u00e9l\u00e8ve"},
      {"\xe2\x80\x90" "bar", U"\u2010bar"},
      {"\xf0\x9f\x98\x80", U"\U0001F600"},
      {"a\x80", std::nullopt},              // a stray continuation byte
      {"\xc3", std::nullopt},               // cut short
      {"\xc3(", std::nullopt},              // no continuation
      {"\xc0\xaf", std::nullopt},           // '/' in an overlong form
      {"\xe0\x80\xaf", std::nullopt},       // the same, three bytes long
      {"\xed\xa0\x80", std::nullopt},       // a surrogate
      {"\xf4\x90\x80\x80", std::nullopt},   // beyond U+10FFFF
      {"\xf8\x88\x80\x80\x80", std::nullopt},
      {"\xe9l\xe8ve", std::nullopt},        // Latin-1, not UTF-8
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(DecodeUtf8(text), expected) << text;
}

TEST(DecodeUtf8, EveryLatin1TextSurvivesTheWayThereAndBack) {
  std::string everyByte;
  for (int byte = 1; byte < 256; ++byte) everyByte.push_back(static_cast<char>(byte));
  const std::string utf8 = Utf8FromLatin1(everyByte);
  ASSERT_TRUE(DecodeUtf8(utf8).has_value());
  EXPECT_EQ(DecodeUtf8(utf8)->size(), everyByte.size());
  EXPECT_EQ(Latin1FromUtf8(utf8), everyByte);
}

}  // namespace
