#include "words/check_session.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/temp_folder.h"
#include "words/engine/compiled_lexicon.h"
#include "words/engine/spelling_engine.h"
#include "words/language.h"
#include "words/user_word_list.h"

namespace {

class CheckSessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Word counts tell the files apart when the opening order is checked.
    folder_.Write("SPELAMC.TLX", CompiledLexiconBytes({"cat", "color", "dog"}, 0x409));
    folder_.Write("SPELAMM.CLX", CompiledLexiconBytes({"aardvark", "zebu"}, 0x409));
    folder_.Write("SPELBRC.TLX", CompiledLexiconBytes({"cat", "colour", "dog", "lorry"}, 0x809));
    folder_.Write("SPELBRM.CLX", CompiledLexiconBytes({"zebu"}, 0x809));
  }

  bool Open(bool american, const Language& language = English()) {
    return OpenCheckSession(
        session_, folder_.Path(), lists_.Path(), american,
        [this](const std::string& text, const std::string& caption) {
          messages_.emplace_back(text, caption);
        },
        language);
  }

  // Kind and word count of the lexicon with the given number.
  std::pair<int16_t, int16_t> Describe(int number) {
    int16_t kind = -1, language = 0, count = -1;
    SE_GetLexInfo(session_.Session, session_.Lexicons[number], nullptr, &kind, &language, &count);
    return {kind, count};
  }

  TempFolder folder_;  // the program's folder
  TempFolder lists_;   // the player's data folder
  CheckSession session_;
  std::vector<std::pair<std::string, std::string>> messages_;
};

TEST_F(CheckSessionTest, WithoutUserListsHoldsTheTwoMainLexiconsOfTheLanguage) {
  ASSERT_TRUE(Open(true));
  EXPECT_EQ(session_.LexiconCount, 2);
  EXPECT_EQ(Describe(1), std::make_pair(SE_KIND_MAIN, int16_t{3}));
  EXPECT_EQ(Describe(2), std::make_pair(SE_KIND_MAIN, int16_t{2}));
  EXPECT_TRUE(InSpeller(session_, "COLOR"));
  EXPECT_TRUE(InSpeller(session_, "ZEBU"));
  EXPECT_FALSE(InSpeller(session_, "COLOUR"));
  CloseCheckSession(session_);

  // The language is read at each opening.
  ASSERT_TRUE(Open(false));
  EXPECT_EQ(Describe(1), std::make_pair(SE_KIND_MAIN, int16_t{4}));
  EXPECT_TRUE(InSpeller(session_, "COLOUR"));
  EXPECT_FALSE(InSpeller(session_, "COLOR"));
  CloseCheckSession(session_);
  EXPECT_TRUE(messages_.empty());
}

TEST_F(CheckSessionTest, OpensExclusionThenAdditionThenMainLexiconsAndAppliesTheLists) {
  ASSERT_TRUE(WriteUserWordList(lists_.File(kAdditionListFile), SE_KIND_ADDITION, {"Qi", "Za"}));
  ASSERT_TRUE(WriteUserWordList(lists_.File(kExclusionListFile), SE_KIND_EXCLUSION, {"dog"}));
  ASSERT_TRUE(Open(true));
  ASSERT_EQ(session_.LexiconCount, 4);
  EXPECT_EQ(Describe(1), std::make_pair(SE_KIND_EXCLUSION, int16_t{1}));
  EXPECT_EQ(Describe(2), std::make_pair(SE_KIND_ADDITION, int16_t{2}));
  EXPECT_EQ(Describe(3), std::make_pair(SE_KIND_MAIN, int16_t{3}));
  EXPECT_EQ(Describe(4), std::make_pair(SE_KIND_MAIN, int16_t{2}));

  EXPECT_FALSE(InSpeller(session_, "DOG"));
  EXPECT_TRUE(InSpeller(session_, "QI"));
  EXPECT_TRUE(InSpeller(session_, "CAT"));

  const int16_t engineSession = session_.Session;
  CloseCheckSession(session_);
  EXPECT_EQ(session_.LexiconCount, 0);
  EXPECT_EQ(SE_CloseSession(engineSession), SE_ERROR_NO_SESSION) << "already closed";
}

TEST_F(CheckSessionTest, ListsInTheProgramsFolderAreNotThePlayers) {
  ASSERT_TRUE(WriteUserWordList(folder_.File(kExclusionListFile), SE_KIND_EXCLUSION, {"cat"}));
  ASSERT_TRUE(WriteUserWordList(folder_.File(kAdditionListFile), SE_KIND_ADDITION, {"qi"}));
  ASSERT_TRUE(Open(true));
  EXPECT_EQ(session_.LexiconCount, 2);
  EXPECT_TRUE(InSpeller(session_, "CAT"));
  EXPECT_FALSE(InSpeller(session_, "QI"));
  CloseCheckSession(session_);
}

TEST_F(CheckSessionTest, MissingSecondMainLexiconShowsTheMessageAndClosesEverything) {
  ASSERT_TRUE(WriteUserWordList(lists_.File(kExclusionListFile), SE_KIND_EXCLUSION, {"x"}));
  std::filesystem::remove(folder_.File("SPELAMM.CLX"));

  EXPECT_FALSE(Open(true));
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].first, "Could not find one of the dictionary files.");
  EXPECT_EQ(messages_[0].second, "Error");
  EXPECT_EQ(session_.LexiconCount, 0);
  EXPECT_FALSE(InSpeller(session_, "CAT"));

  // The British pair is whole, so that choice still opens.
  EXPECT_TRUE(Open(false));
  CloseCheckSession(session_);
}

TEST_F(CheckSessionTest, RollbackClosesTheEngineSessionItOpened) {
  std::filesystem::remove(folder_.File("SPELBRC.TLX"));
  // Watch the ids: the session that failed must not be left open.
  const int16_t before = SE_OpenSession();
  SE_CloseSession(before);
  EXPECT_FALSE(Open(false));
  const int16_t failed = static_cast<int16_t>(before + 1);
  EXPECT_EQ(SE_CloseSession(failed), SE_ERROR_NO_SESSION);
}

TEST_F(CheckSessionTest, UnreadableUserListIsSkippedSilently) {
  lists_.Write(kAdditionListFile, "garbage");
  ASSERT_TRUE(Open(true));
  EXPECT_EQ(session_.LexiconCount, 3);
  EXPECT_LT(session_.Lexicons[1], 0);
  EXPECT_TRUE(InSpeller(session_, "CAT"));
  CloseCheckSession(session_);
  EXPECT_TRUE(messages_.empty());
}

TEST_F(CheckSessionTest, LongWordsAndEmbeddedNulsAreNotAccepted) {
  const std::string fifty(50, 'a');
  folder_.Write("SPELAMM.CLX", CompiledLexiconBytes({fifty}, 0x409));
  ASSERT_TRUE(Open(true));
  EXPECT_TRUE(InSpeller(session_, fifty));
  EXPECT_FALSE(InSpeller(session_, fifty + "A"));
  EXPECT_FALSE(InSpeller(session_, std::string("CAT\0S", 5)));
  CloseCheckSession(session_);
}

}  // namespace

namespace {

// Another language judges with its own lexicon and the player's own lists for it; the
// English lists and the dictionary choice do not touch it.
TEST_F(CheckSessionTest, AnotherLanguageHasItsOwnLexiconAndLists) {
  const Language& german = *FindLanguage("de");
  folder_.Write(std::string(german.Lexicons[0]),
                CompiledLexiconBytes({"b\xE4r", "hund", "katze"}, 0x407));
  ASSERT_TRUE(WriteUserWordList(lists_.File(kAdditionListFile), SE_KIND_ADDITION, {"qi"}));
  ASSERT_TRUE(WriteUserWordList(lists_.File(std::string(german.ExclusionList)), SE_KIND_EXCLUSION,
                                {"Hund"}));
  for (const bool american : {true, false}) {
    ASSERT_TRUE(Open(american, german));
    EXPECT_EQ(session_.LexiconCount, 2);
    EXPECT_TRUE(InSpeller(session_, "B\xC4R"));
    EXPECT_TRUE(InSpeller(session_, "KATZE"));
    EXPECT_FALSE(InSpeller(session_, "HUND"));
    EXPECT_FALSE(InSpeller(session_, "QI"));
    EXPECT_FALSE(InSpeller(session_, "CAT"));
    CloseCheckSession(session_);
  }

  std::filesystem::remove(folder_.File(std::string(german.Lexicons[0])));
  EXPECT_FALSE(Open(true, german));
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].first, "Could not find one of the dictionary files. (Deutsch)");
}

}  // namespace
