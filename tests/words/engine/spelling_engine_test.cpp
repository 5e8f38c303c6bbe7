#include "words/engine/spelling_engine.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/file_size_limit.h"
#include "tests/temp_folder.h"
#include "words/engine/compiled_lexicon.h"

namespace {

class SpellingEngineTest : public ::testing::Test {
 protected:
  void SetUp() override { session_ = SE_OpenSession(); }
  void TearDown() override { SE_CloseSession(session_); }

  int16_t OpenMain(const std::string& name, std::vector<std::string> sortedWords) {
    const std::string path = folder_.Write(name, CompiledLexiconBytes(sortedWords, 0x409));
    return SE_OpenLex(session_, path.c_str(), -1);
  }

  int16_t MakeList(const std::string& name, int16_t kind, const std::vector<std::string>& words) {
    const int16_t list = SE_CreateLex(session_, folder_.File(name).c_str(), kind, 0x409);
    for (const std::string& word : words) SE_AddToLex(session_, list, word.c_str(), "");
    return list;
  }

  bool Found(const std::string& word) {
    char reply[50];
    return (SE_CheckWord(session_, 0x80000, word.c_str(), reply, 50) & SE_WORD_NOT_FOUND) == 0;
  }

  std::string GetLexBytes(int16_t session, int16_t lexicon) {
    int32_t size = -1;
    EXPECT_EQ(SE_GetLexInfo(session, lexicon, &size, nullptr, nullptr, nullptr), 0);
    std::string buffer(static_cast<std::size_t>(size), 'x');
    EXPECT_EQ(SE_GetLex(session, lexicon, buffer.data(), size), size);
    return buffer;
  }

  TempFolder folder_;
  int16_t session_ = 0;
};

TEST_F(SpellingEngineTest, MainLexiconIgnoresLetterCaseAndKnowsOnlyItsWords) {
  // Latin-1 words as the other languages' lexicons hold them: "bär", "ærø", "niño".
  ASSERT_GT(OpenMain("main.tlx", {"apple", "b\xE4r", "cat", "ni\xF1o", "zebra", "\xE6r\xF8"}), 0);
  for (const char* word :
       {"cat", "CAT", "Cat", "apple", "ZEBRA", "B\xC4R", "b\xE4r", "NI\xD1O", "\xC6R\xD8"})
    EXPECT_TRUE(Found(word)) << word;
  for (const char* word : {"ca", "cats", "dog", "", "aardvark", "zzz", "c-at", "BAR", "NINO"}) {
    EXPECT_FALSE(Found(word)) << word;
  }
}

TEST_F(SpellingEngineTest, WordLongerThanFiftyIsNeverFound) {
  const std::string fifty(50, 'a');
  ASSERT_GT(OpenMain("main.tlx", {fifty}), 0);
  MakeList("add.tlx", SE_KIND_ADDITION, {fifty + "b"});
  EXPECT_TRUE(Found(fifty));
  EXPECT_FALSE(Found(fifty + "a"));
  EXPECT_FALSE(Found(fifty + "b"));
}

TEST_F(SpellingEngineTest, ExclusionWinsOverEveryOtherLexiconAndAdditionAddsWords) {
  ASSERT_GT(OpenMain("one.tlx", {"cat", "dog"}), 0);
  ASSERT_GT(OpenMain("two.clx", {"emu", "gnu"}), 0);
  MakeList("add.tlx", SE_KIND_ADDITION, {"Qwerty", "cat", "Emu"});
  // Opened last, still wins.
  MakeList("excl.tlx", SE_KIND_EXCLUSION, {"CAT", "emu", "nothing"});

  EXPECT_TRUE(Found("dog"));
  EXPECT_TRUE(Found("GNU"));
  EXPECT_TRUE(Found("qwerty"));
  EXPECT_FALSE(Found("cat"));
  EXPECT_FALSE(Found("Emu"));
  EXPECT_FALSE(Found("nothing"));
}

TEST_F(SpellingEngineTest, UserListKeepsWordsInOrderAsTypedAcrossSaveAndReopen) {
  const std::string path = folder_.File("ADDITION.TLX");
  const int16_t created = SE_CreateLex(session_, path.c_str(), SE_KIND_ADDITION, 0x409);
  ASSERT_GT(created, 0);
  for (const char* word : {"Zeta", "alpha", "Zeta", "mixed Case word"}) {
    EXPECT_EQ(SE_AddToLex(session_, created, word, ""), 0);
  }
  EXPECT_EQ(SE_CloseLex(session_, created), 0);

  const int16_t reopened = SE_OpenLex(session_, path.c_str(), -1);
  ASSERT_GT(reopened, 0);
  EXPECT_EQ(GetLexBytes(session_, reopened),
            std::string("Zeta\0alpha\0Zeta\0mixed Case word\0", 32));
  int32_t size = 0;
  int16_t kind = 0, language = 0, count = 0;
  SE_GetLexInfo(session_, reopened, &size, &kind, &language, &count);
  EXPECT_EQ(kind, SE_KIND_ADDITION);
  EXPECT_EQ(language, 0x409);
  EXPECT_EQ(count, 4);
  EXPECT_TRUE(Found("ZETA"));

  // Adding to an opened list appends and saves on close.
  EXPECT_EQ(SE_AddToLex(session_, reopened, "omega", ""), 0);
  EXPECT_EQ(SE_CloseLex(session_, reopened), 0);
  const int16_t again = SE_OpenLex(session_, path.c_str(), -1);
  EXPECT_EQ(GetLexBytes(session_, again).substr(32), std::string("omega\0", 6));
}

TEST_F(SpellingEngineTest, CreatedListIsWrittenWhenClosedOrWithItsSession) {
  const std::string path = folder_.File("EXCLUDE.TLX");
  folder_.Write("EXCLUDE.TLX", "old content");
  const int16_t other = SE_OpenSession();
  const int16_t list = SE_CreateLex(other, path.c_str(), SE_KIND_EXCLUSION, 0x409);
  SE_AddToLex(other, list, "word", "");
  EXPECT_EQ(ReadFileBytes(path), "old content");
  EXPECT_EQ(SE_CloseSession(other), 0);

  const int16_t reopened = SE_OpenLex(session_, path.c_str(), -1);
  ASSERT_GT(reopened, 0);
  EXPECT_EQ(GetLexBytes(session_, reopened), std::string("word\0", 5));
  EXPECT_FALSE(Found("word"));

  // An empty new list still replaces the file.
  SE_CloseLex(session_, SE_CreateLex(session_, path.c_str(), SE_KIND_EXCLUSION, 0x409));
  EXPECT_EQ(GetLexBytes(session_, SE_OpenLex(session_, path.c_str(), -1)), "");
}

TEST_F(SpellingEngineTest, FailedSaveIsReportedAndKeepsTheOldList) {
  const std::string path = folder_.File("ADDITION.TLX");
  SE_CloseLex(session_, MakeList("ADDITION.TLX", SE_KIND_ADDITION, {"keep", "these"}));
  const std::string before = ReadFileBytes(path);
  ASSERT_FALSE(before.empty());

  const int16_t list = MakeList("ADDITION.TLX", SE_KIND_ADDITION, {std::string(4000, 'x')});
  int32_t closed;
  {
    FileSizeLimit full(1024);
    closed = SE_CloseLex(session_, list);
  }

  EXPECT_EQ(closed, SE_ERROR_SAVE_FAILED);
  EXPECT_EQ(ReadFileBytes(path), before);
  EXPECT_EQ(std::filesystem::directory_iterator(folder_.Path())->path(), path)
      << "no temporary file left behind";

  const int16_t nowhere =
      SE_CreateLex(session_, (folder_.Path() + "/missing/ADDITION.TLX").c_str(), 1, 0x409);
  EXPECT_EQ(SE_CloseLex(session_, nowhere), SE_ERROR_SAVE_FAILED);
}

TEST_F(SpellingEngineTest, MissingOrMalformedFilesGiveNegativeIds) {
  const std::string valid = CompiledLexiconBytes({"cat", "dog"}, 0x409);
  const std::vector<std::string> bad = {
      "",
      std::string(kCompiledLexiconMagic),
      valid.substr(0, valid.size() - 1),
      valid + "x",
      "TOLVANE WORD LIST 1\nkind 2\nlanguage 1033\nword\n",
      "TOLVANE WORD LIST 1\nkind 1\n",
      "TOLVANE WORD LIST 2\nkind 1\nlanguage 1033\n",
      "cat\ndog\n",
  };
  for (const std::string& bytes : bad) {
    const std::string path = folder_.Write("bad.tlx", bytes);
    EXPECT_LT(SE_OpenLex(session_, path.c_str(), -1), 0) << bytes;
  }
  EXPECT_LT(SE_OpenLex(session_, folder_.File("none.tlx").c_str(), -1), 0);
  EXPECT_LT(SE_OpenLex(session_, folder_.Path().c_str(), -1), 0);
  EXPECT_LT(SE_OpenLex(session_, nullptr, -1), 0);
  EXPECT_LT(SE_OpenLex(-5, folder_.Write("ok.tlx", valid).c_str(), -1), 0);
}

TEST_F(SpellingEngineTest, PipesAndDevicesAreNoLexicons) {
  const std::string fifo = folder_.File("SPELAMC.TLX");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string zeros = folder_.File("EXCLUDE.TLX");
  std::filesystem::create_symlink("/dev/zero", zeros);
  EXPECT_LT(SE_OpenLex(session_, fifo.c_str(), -1), 0);
  EXPECT_LT(SE_OpenLex(session_, zeros.c_str(), -1), 0);
}

// One damaged offset used to make every word "misspelled" without a word said.
TEST_F(SpellingEngineTest, DamagedMainLexiconDoesNotOpen) {
  std::string bytes = CompiledLexiconBytes({"ant", "bee", "cat", "dog", "eel"}, 0x409);
  bytes[kCompiledLexiconHeaderSize + 4 * 3] = 0x7F;
  const std::string path = folder_.Write("SPELAMC.TLX", bytes);
  EXPECT_LT(SE_OpenLex(session_, path.c_str(), -1), 0);
}

TEST_F(SpellingEngineTest, ChecksumIsVerifiedOncePerFileInARun) {
  const std::string path = folder_.Write("once.tlx", CompiledLexiconBytes({"cat", "dog"}, 0x409));
  ASSERT_GT(SE_OpenLex(session_, path.c_str(), -1), 0);

  // Damage one letter, but give the file back its size and modification time: taken as
  // the same file, it is not read through again.
  struct stat before {};
  ASSERT_EQ(::stat(path.c_str(), &before), 0);
  std::string bytes = ReadFileBytes(path);
  bytes.back() = 'x';  // "dog" becomes "dox"
  folder_.Write("once.tlx", bytes);
  const timespec sameTimes[2] = {before.st_atim, before.st_mtim};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), sameTimes, 0), 0);
  EXPECT_GT(SE_OpenLex(session_, path.c_str(), -1), 0);

  const timespec laterTimes[2] = {before.st_atim, {before.st_mtim.tv_sec + 1, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), laterTimes, 0), 0);
  EXPECT_LT(SE_OpenLex(session_, path.c_str(), -1), 0);
}

TEST_F(SpellingEngineTest, RefusesWhatCannotBeStoredOrDoesNotExist) {
  const int16_t main = OpenMain("main.tlx", {"cat"});
  EXPECT_EQ(SE_AddToLex(session_, main, "dog", ""), SE_ERROR_READ_ONLY);
  const int16_t list = MakeList("add.tlx", SE_KIND_ADDITION, {});
  for (const char* word : {"", "two\nlines", "cr\r"}) {
    EXPECT_EQ(SE_AddToLex(session_, list, word, ""), SE_ERROR_BAD_ARGUMENT);
  }
  EXPECT_EQ(SE_CreateLex(session_, folder_.File("x").c_str(), 2, 0x409), SE_ERROR_BAD_ARGUMENT);
  EXPECT_EQ(SE_CloseLex(session_, 999), SE_ERROR_NO_LEXICON);
  EXPECT_EQ(SE_CloseLex(session_, -1), SE_ERROR_NO_LEXICON);
  EXPECT_EQ(SE_CloseSession(-3), SE_ERROR_NO_SESSION);
  EXPECT_NE(SE_CheckWord(-3, 0x80000, "cat", nullptr, 0) & SE_WORD_NOT_FOUND, 0);
  EXPECT_NE(SE_CheckWord(session_, 0x80000, nullptr, nullptr, 0) & SE_WORD_NOT_FOUND, 0);
}

TEST_F(SpellingEngineTest, GetLexWritesOnlyWholeWordsThatFit) {
  const int16_t list = MakeList("add.tlx", SE_KIND_ADDITION, {"abc", "de"});
  std::string buffer(6, '#');
  EXPECT_EQ(SE_GetLex(session_, list, buffer.data(), 6), 4);
  EXPECT_EQ(buffer, std::string("abc\0##", 6));
}

TEST(SpellingEngineSessions, SessionsAreSeparateAndIdsAreReusedAfterClosing) {
  TempFolder folder;
  const std::string path = folder.Write("m.tlx", CompiledLexiconBytes({"cat"}, 0x409));
  const int16_t first = SE_OpenSession();
  const int16_t second = SE_OpenSession();
  ASSERT_NE(first, second);
  SE_OpenLex(first, path.c_str(), -1);
  EXPECT_EQ(SE_CheckWord(first, 0x80000, "cat", nullptr, 0), 0);
  EXPECT_EQ(SE_CheckWord(second, 0x80000, "cat", nullptr, 0), SE_WORD_NOT_FOUND);
  SE_CloseSession(first);
  SE_CloseSession(second);

  // Far more sessions over a run than 16-bit ids can count.
  for (int i = 0; i < 70000; ++i) {
    const int16_t session = SE_OpenSession();
    ASSERT_GT(session, 0);
    SE_CloseSession(session);
  }
}

}  // namespace
