#include "words/word_spellings.h"

#include <gtest/gtest.h>

#include "words/engine/compiled_lexicon.h"

namespace {

const std::vector<std::string> kWords = {"coeur", "eleve", "\xE4pfel"};  // äpfel
const std::vector<std::vector<std::string>> kSpellings = {{"cœur"}, {"élève", "élevé"}, {}};

std::unique_ptr<CompiledLexicon> Lexicon() {
  static const std::string bytes = CompiledLexiconBytes(kWords, 0x40C);
  return CompiledLexicon::FromBytes(reinterpret_cast<const unsigned char*>(bytes.data()),
                                    bytes.size());
}

uint32_t Checksum() { return Lexicon()->Checksum(); }

TEST(WordSpellingsTest, GivesEachWordItsSpellingsOrItselfInEitherCase) {
  const auto spellings =
      WordSpellings::FromBytes(Lexicon(), WordSpellingsBytes(kSpellings, Checksum()));
  ASSERT_NE(spellings, nullptr);
  EXPECT_EQ(spellings->SpellingsOf("ELEVE"), (std::vector<std::string>{"élève", "élevé"}));
  EXPECT_EQ(spellings->SpellingsOf("coeur"), std::vector<std::string>{"cœur"});
  EXPECT_EQ(spellings->SpellingsOf("\xC4PFEL"), std::vector<std::string>{"äpfel"});
  EXPECT_TRUE(spellings->SpellingsOf("CHAT").empty());
}

// A file that does not fit its lexicon is refused whole; a damaged entry gives nothing
// for that word only.
TEST(WordSpellingsTest, RefusesFilesThatDoNotFitAndDamagedEntries) {
  const std::string good = WordSpellingsBytes(kSpellings, Checksum());
  const auto changed = [&](std::size_t at, char byte) {
    std::string bytes = good;
    bytes[at] = byte;
    return bytes;
  };
  for (const std::string& bytes :
       {std::string(), good.substr(0, 19), good.substr(0, good.size() - 1), good + "x",
        changed(0, 'X'), changed(8, 4), changed(12, 0)}) {
    EXPECT_EQ(WordSpellings::FromBytes(Lexicon(), bytes), nullptr);
  }
  EXPECT_EQ(WordSpellings::FromBytes(nullptr, good), nullptr);

  const std::size_t offsets = kWordSpellingsHeaderSize;
  const std::size_t text = offsets + 4 * (kWords.size() + 1);
  const std::vector<std::string> damaged = {
      changed(offsets + 4, 50),   // coeur ends past eleve's start: out of order
      changed(text + 1, '\xFF'),  // not UTF-8
      changed(text + 5, 'x'),     // the last spelling without its line end
  };
  for (const std::string& bytes : damaged) {
    const auto spellings = WordSpellings::FromBytes(Lexicon(), bytes);
    ASSERT_NE(spellings, nullptr);
    EXPECT_TRUE(spellings->SpellingsOf("COEUR").empty());
  }
}

}  // namespace
