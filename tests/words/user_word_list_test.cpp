#include "words/user_word_list.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "tests/ordinary_user.h"
#include "tests/temp_folder.h"
#include "words/engine/compiled_lexicon.h"
#include "words/engine/spelling_engine.h"

namespace {

using Words = std::vector<std::string>;

TEST(UserWordList, SplitDropsEmptyPiecesAndTheUnendedTailAndCutsLongWords) {
  const std::string buffer =
      std::string("\0one\0\0two\0", 10) + std::string(300, 'w') + std::string("\0tail", 5);
  EXPECT_EQ(SplitLexiconWords(buffer.data(), buffer.size()),
            (Words{"one", "two", std::string(255, 'w')}));
  EXPECT_EQ(SplitLexiconWords(nullptr, 0), Words{});
}

TEST(UserWordList, WrittenListReadsBackInOrderWithCaseAndRepeats) {
  TempFolder folder;
  const std::string path = folder.File(kAdditionListFile);
  EXPECT_EQ(ReadUserWordList(path), Words{}) << "no file is an empty list";

  const Words words{"Zeta", "alpha", "Zeta", "cat", std::string(60, 'L')};
  ASSERT_TRUE(WriteUserWordList(path, SE_KIND_ADDITION, words));
  EXPECT_EQ(ReadUserWordList(path), words);

  ASSERT_TRUE(WriteUserWordList(path, SE_KIND_ADDITION, {}));
  EXPECT_TRUE(std::filesystem::exists(path));
  EXPECT_EQ(ReadUserWordList(path), Words{});
}

TEST(UserWordList, TheFirstSaveMakesTheFolder) {
  TempFolder folder;
  const std::string path = folder.File("data/tolvane/EXCLUDE.TLX");
  EXPECT_EQ(ReadUserWordList(path), Words{});
  ASSERT_TRUE(WriteUserWordList(path, SE_KIND_EXCLUSION, {"house"}));
  EXPECT_EQ(ReadUserWordList(path), Words{"house"});
}

TEST(UserWordList, FailuresAreReported) {
  TempFolder folder;
  const std::string notAFolder = folder.Write("file", "x");
  EXPECT_FALSE(WriteUserWordList(notAFolder + "/EXCLUDE.TLX", SE_KIND_EXCLUSION, {"a"}));

  const std::string path = folder.File(kExclusionListFile);
  EXPECT_FALSE(WriteUserWordList(path, SE_KIND_EXCLUSION, {"new", "two\nlines"}));
  EXPECT_EQ(ReadUserWordList(path), Words{"new"});
}

TEST(UserWordList, AFileThatIsNotAListIsNotTakenForAnEmptyOne) {
  TempFolder folder;
  EXPECT_EQ(ReadUserWordList(folder.Write(kAdditionListFile, "not a list")), std::nullopt);
  EXPECT_EQ(ReadUserWordList(folder.Path()), std::nullopt) << "a folder";
  const std::string main = folder.Write("SPELAMC.TLX", CompiledLexiconBytes({"cat", "dog"}, 0x409));
  EXPECT_EQ(ReadUserWordList(main), std::nullopt) << "a main lexicon opens but is no list";
}

TEST(UserWordList, ReadOnlyListIsNotReplaced) {
  TempFolder folder;
  const std::string failures = AsOrdinaryUser(folder.Path(), [&] {
    std::string failures;
    const std::string path = folder.File(kAdditionListFile);
    Check(failures, WriteUserWordList(path, SE_KIND_ADDITION, {"kept"}), "first save failed");
    ::chmod(path.c_str(), 0444);
    Check(failures, !WriteUserWordList(path, SE_KIND_ADDITION, {"lost"}), "not refused");
    Check(failures, ReadUserWordList(path) == Words{"kept"}, "replaced");
    return failures;
  });
  EXPECT_EQ(failures, "");
}

}  // namespace
