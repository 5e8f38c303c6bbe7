#include "words/board_hints.h"

#include <gtest/gtest.h>

#include "tests/temp_folder.h"
#include "tests/words/board_search/test_board.h"
#include "words/engine/compiled_lexicon.h"

namespace {

// The hints of one board, read from what the word finder gives for it, before and after
// the player finds some of its words.
class BoardHintsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.Write("SPELAMC.TLX",
                  CompiledLexiconBytes({"ace", "case", "cat", "cats", "east", "eat", "eats", "sat",
                                        "scat", "seat", "set", "tea", "teas", "zebra"},
                                       0x409));
    folder_.Write("SPELAMM.CLX", CompiledLexiconBytes({}, 0x409));
    ASSERT_TRUE(OpenCheckSession(session_, folder_.Path(), folder_.Path(), true,
                                 [](const std::string&, const std::string&) {}));
    // C A T .   Every word but ACE and ZEBRA: five of three letters, seven of four.
    // . S E .
    words_ = FindWords(MakeGrid("CATXX"
                                "XSEXX"
                                "QQQQQ"
                                "QQQQQ"
                                "QQQQQ",
                                4, 4),
                       session_, 3, false);
    CloseCheckSession(session_);
  }

  TempFolder folder_;
  CheckSession session_;
  std::vector<BoardWord> words_;
};

TEST_F(BoardHintsTest, WordsLeftByLengthAndOnEachTileCountDownAsWordsAreFound) {
  FoundWords found(words_);
  EXPECT_EQ(WordsByLength(words_, found.Flags()), (std::vector<LengthCount>{{3, 0, 5}, {4, 0, 7}}));
  std::array<int32_t, 26> starting{};
  starting[1] = 3;  // CAT CATS CASE
  starting[3] = 2;  // TEA TEAS
  starting[7] = 4;  // SAT SEAT SET SCAT
  starting[8] = 3;  // EAT EATS EAST
  EXPECT_EQ(WordsStartingOn(words_, found.Flags()), starting);

  EXPECT_TRUE(found.Mark("CAT"));
  EXPECT_TRUE(found.Mark("SEAT"));
  EXPECT_TRUE(found.Mark("EAST"));
  EXPECT_FALSE(found.Mark("CAT")) << "found already";
  EXPECT_FALSE(found.Mark("ACE")) << "a word, but not on the board";
  EXPECT_EQ(found.Count(), 3);
  const std::vector<LengthCount> byLength = WordsByLength(words_, found.Flags());
  EXPECT_EQ(byLength, (std::vector<LengthCount>{{3, 1, 5}, {4, 2, 7}}));
  EXPECT_EQ(LengthCountText(byLength[1]), "4 letters 2/7");
  --starting[1];
  --starting[7];
  --starting[8];
  EXPECT_EQ(WordsStartingOn(words_, found.Flags()), starting);
}

TEST_F(BoardHintsTest, BestPossibleScoreTakesTheBestWordsAModeAllows) {
  GameSettings settings;
  EXPECT_EQ(BestPossibleScore(words_, settings, 0), 12);
  EXPECT_EQ(BestPossibleScore(words_, settings, 30), 12);
  settings.LengthPoints[1] = 3;  // four letters
  EXPECT_EQ(BestPossibleScore(words_, settings, 0), 5 + 21);
  EXPECT_EQ(BestPossibleScore(words_, settings, 2), 6);
  settings.LengthPoints[0] = -4;  // a hand-edited file: no player enters these
  EXPECT_EQ(BestPossibleScore(words_, settings, 0), 21);
  EXPECT_EQ(BestPossibleScore({}, settings, 30), 0);
}

}  // namespace
