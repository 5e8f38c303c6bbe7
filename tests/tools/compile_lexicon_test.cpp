// Checks the main lexicons the build compiled into the program folder.

#include <gtest/gtest.h>

#include <string>

#include "tests/temp_folder.h"
#include "words/engine/compiled_lexicon.h"
#include "words/engine/spelling_engine.h"

namespace {

const std::string kProgramDir = TOLVANE_PROGRAM_DIR;

uint32_t WordCount(const std::string& name) {
  const std::string bytes = ReadFileBytes(kProgramDir + "/" + name);
  const auto lexicon = CompiledLexicon::FromBytes(
      reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  return lexicon ? lexicon->WordCount() : 0;
}

// Whether the pair of the given language accepts the word.
bool InPair(const char* common, const char* more, const char* word) {
  const int16_t session = SE_OpenSession();
  SE_OpenLex(session, (kProgramDir + "/" + common).c_str(), -1);
  SE_OpenLex(session, (kProgramDir + "/" + more).c_str(), -1);
  const bool found = (SE_CheckWord(session, 0x80000, word, nullptr, 0) & 1) == 0;
  SE_CloseSession(session);
  return found;
}

bool American(const char* word) { return InPair("SPELAMC.TLX", "SPELAMM.CLX", word); }
bool British(const char* word) { return InPair("SPELBRC.TLX", "SPELBRM.CLX", word); }

TEST(CompiledMainLexicons, HoldAboutTheExpectedNumberOfWords) {
  // The word lists change a little between releases; a large change means a wrong recipe.
  EXPECT_NEAR(WordCount("SPELAMC.TLX"), 61966, 1500);
  EXPECT_NEAR(WordCount("SPELAMM.CLX"), 50415, 1500);
  EXPECT_NEAR(WordCount("SPELBRC.TLX"), 63221, 1500);
  EXPECT_NEAR(WordCount("SPELBRM.CLX"), 51661, 1500);
}

TEST(CompiledMainLexicons, SpellEachLanguageItsOwnWay) {
  for (const char* word : {"colour", "centre", "realise"}) {
    EXPECT_TRUE(British(word)) << word;
    EXPECT_FALSE(American(word)) << word;
  }
  for (const char* word : {"color", "center"}) {
    EXPECT_TRUE(American(word)) << word;
    EXPECT_FALSE(British(word)) << word;
  }
  for (const char* word : {"organize", "cats", "walked", "children", "mice", "happiest", "CAFE"}) {
    EXPECT_TRUE(American(word)) << word;
    EXPECT_TRUE(British(word)) << word;
  }
  // Proper names, abbreviations and contractions stay out.
  for (const char* word : {"london", "nasa", "dont", "isnt"}) {
    EXPECT_FALSE(American(word)) << word;
    EXPECT_FALSE(British(word)) << word;
  }
}

TEST(CompiledMainLexicons, CommonWordsAndRarerWordsAreInSeparateFiles) {
  // Opening the same file twice is harmless; it makes each file be judged alone.
  EXPECT_TRUE(InPair("SPELAMC.TLX", "SPELAMC.TLX", "cats"));
  EXPECT_FALSE(InPair("SPELAMM.CLX", "SPELAMM.CLX", "cats"));
  EXPECT_TRUE(InPair("SPELBRC.TLX", "SPELBRC.TLX", "children"));
  EXPECT_FALSE(InPair("SPELBRM.CLX", "SPELBRM.CLX", "children"));
}

}  // namespace
