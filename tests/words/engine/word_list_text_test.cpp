#include "words/engine/word_list_text.h"

#include <gtest/gtest.h>

namespace {

using Words = std::vector<std::string>;

TEST(WordListText, KeepsLowerCaseWordsAndFoldsAccents) {
  EXPECT_EQ(DictionaryWordsFromText("cat\nnaïve\ncafé\r\nsoupçon\nrésumé\nÿ\n"),
            (Words{"cat", "naive", "cafe", "soupcon", "resume", "y"}));
}

TEST(WordListText, DropsApostrophesCapitalsAndOtherLetters) {
  EXPECT_EQ(DictionaryWordsFromText(
                "cat's\nCat\nNASA\nÉclair\nAngström\nsmørrebrød\nencyclopædia\nstraße\n"
                "ice cream\nx-ray\nmy3\n\nдом\nok"),
            (Words{"ok"}));
}

TEST(WordListText, ReadsLatin1WhenTheFileIsNotUtf8) {
  EXPECT_EQ(DictionaryWordsFromText("caf\xe9\nna\xefve\n\xc9t\xe9\n"), (Words{"cafe", "naive"}));
  // One stray byte makes the whole file Latin-1: é then reads as two letters and is dropped.
  EXPECT_EQ(DictionaryWordsFromText("caf\xc3\xa9\nabc\x80\n"), Words{});
}

TEST(WordListText, RefusesMalformedUtf8) {
  for (const char* bytes : {"\xc0\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80", "\xe2\x82", "\x80"}) {
    const std::u32string text = DecodeWordListText(bytes);
    EXPECT_EQ(text.size(), std::string(bytes).size()) << "read byte by byte as Latin-1";
  }
  EXPECT_EQ(DecodeWordListText("\xe2\x82\xac"), U"\u20ac");
  EXPECT_EQ(DecodeWordListText("\xf0\x9f\x98\x80"), U"\U0001F600");
}

}  // namespace
