#include "words/engine/compiled_lexicon.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::unique_ptr<CompiledLexicon> FromString(const std::string& bytes) {
  return CompiledLexicon::FromBytes(reinterpret_cast<const unsigned char*>(bytes.data()),
                                    bytes.size());
}

void PutUint32(std::string& bytes, std::size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
}

// Makes the checksum fit the bytes again, as a deliberately crafted file would.
void Seal(std::string& bytes) {
  PutUint32(
      bytes, kCompiledLexiconChecksumOffset,
      CompiledLexiconChecksum(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()));
}

constexpr std::size_t kOffsets = kCompiledLexiconHeaderSize;

TEST(CompiledLexicon, FindsEveryWordOfManyAndNothingBetween) {
  std::vector<std::string> words;
  for (char a = 'a'; a <= 'z'; ++a) {
    for (char b = 'a'; b <= 'z'; b += 3) words.push_back(std::string{a, b});
  }
  const std::string bytes = CompiledLexiconBytes(words, 0x809);
  const auto lexicon = FromString(bytes);
  ASSERT_NE(lexicon, nullptr);
  EXPECT_EQ(lexicon->WordCount(), words.size());
  EXPECT_EQ(lexicon->Language(), 0x809);
  for (const std::string& word : words) EXPECT_TRUE(lexicon->Contains(word)) << word;
  for (const char* word : {"ab", "a", "", "aaa", "zz", "{"}) EXPECT_FALSE(lexicon->Contains(word));
}

TEST(CompiledLexicon, EmptyLexiconOpensAndHoldsNothing) {
  const auto lexicon = FromString(CompiledLexiconBytes({}, 0x409));
  ASSERT_NE(lexicon, nullptr);
  EXPECT_FALSE(lexicon->Contains("a"));
}

TEST(CompiledLexicon, EveryTruncationAndBadHeaderIsRefused) {
  const std::string valid = CompiledLexiconBytes({"ant", "bee", "cow"}, 0x409);
  for (std::size_t size = 0; size < valid.size(); ++size) {
    EXPECT_EQ(FromString(valid.substr(0, size)), nullptr) << size;
  }
  auto withField = [&](std::size_t at, uint32_t value) {
    std::string bytes = valid;
    PutUint32(bytes, at, value);
    Seal(bytes);
    return FromString(bytes);
  };
  EXPECT_EQ(withField(0, 0x12345678), nullptr);     // magic
  EXPECT_EQ(withField(8, 0x10000), nullptr);        // language
  EXPECT_EQ(withField(12, 4), nullptr);             // word count
  EXPECT_EQ(withField(12, 0xFFFFFFFF), nullptr);    // word count that would wrap
  EXPECT_EQ(withField(16, 0xFFFFFFF0), nullptr);    // text size
  EXPECT_EQ(withField(kOffsets, 1), nullptr);       // first offset
  EXPECT_EQ(withField(kOffsets + 12, 8), nullptr);  // last offset
  EXPECT_NE(withField(kOffsets + 4, 3), nullptr);   // an inner offset, unchanged
}

TEST(CompiledLexicon, AnyDamagedByteFailsTheChecksum) {
  const std::string valid = CompiledLexiconBytes({"ant", "bee", "cow", "dog", "eel"}, 0x409);
  ASSERT_NE(FromString(valid), nullptr);
  for (std::size_t at = 0; at < valid.size(); ++at) {
    std::string damaged = valid;
    damaged[at] = static_cast<char>(damaged[at] ^ 0x10);
    EXPECT_EQ(FromString(damaged), nullptr) << "byte " << at;
  }
}

TEST(CompiledLexicon, CorruptOffsetsInsideAreNotFollowed) {
  std::string bytes = CompiledLexiconBytes({"ant", "bee", "cow", "dog", "eel"}, 0x409);
  PutUint32(bytes, kOffsets + 4 * 2, 0xFFFFFF00);  // the start of "cow", the first word searched
  Seal(bytes);
  auto lexicon = FromString(bytes);
  ASSERT_NE(lexicon, nullptr);
  EXPECT_FALSE(lexicon->Contains("cow"));
  EXPECT_FALSE(lexicon->Contains("eel"));

  PutUint32(bytes, kOffsets + 4 * 2, 1);  // going backwards
  Seal(bytes);
  lexicon = FromString(bytes);
  ASSERT_NE(lexicon, nullptr);
  EXPECT_FALSE(lexicon->Contains("cow"));
}

}  // namespace
