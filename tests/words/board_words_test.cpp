#include "words/board_words.h"

#include <gtest/gtest.h>

#include "tests/temp_folder.h"
#include "tests/words/board_search/test_board.h"
#include "words/engine/compiled_lexicon.h"
#include "words/engine/spelling_engine.h"
#include "words/user_word_list.h"

namespace {

// A board is searched once for the words and rules in force, whoever asks; anything
// that changes what the board holds searches it again.
TEST(BoardWordsTest, ABoardIsSearchedAgainOnlyWhenWhatItHoldsMayHaveChanged) {
  TempFolder folder;
  folder.Write("SPELAMC.TLX", CompiledLexiconBytes({"at", "cat", "cats", "tat"}, 0x409));
  folder.Write("SPELAMM.CLX", CompiledLexiconBytes({"scat"}, 0x409));
  folder.Write("SPELBRC.TLX", CompiledLexiconBytes({"cat"}, 0x809));
  folder.Write("SPELBRM.CLX", CompiledLexiconBytes({}, 0x809));
  const auto open = [&](bool american) {
    CheckSession session;
    EXPECT_TRUE(OpenCheckSession(session, folder.Path(), folder.Path(), american,
                                 [](const std::string&, const std::string&) {}));
    return session;
  };
  const LetterGrid board = MakeGrid("CATXXXSXXX" + std::string(15, 'Q'), 4, 4);
  LetterGrid other = board;
  other.Letters[2] = 'O';

  BoardWords words;
  CheckSession session = open(true);
  EXPECT_EQ(words.Of(board, session, 3, false).size(), 3u);  // CAT CATS SCAT
  CloseCheckSession(session);
  struct Ask {
    const char* what;
    LetterGrid grid;
    bool american;
    int32_t length;
    bool repeats;
    const char* added;
    size_t found;
    int searches;
  };
  const Ask asks[] = {
      {"the same again, in a session of its own", board, true, 3, false, nullptr, 3, 1},
      {"other letters", other, true, 3, false, nullptr, 0, 2},
      {"the first board again", board, true, 3, false, nullptr, 3, 3},
      {"another word length", board, true, 2, false, nullptr, 4, 4},
      {"repeats allowed", board, true, 2, true, nullptr, 5, 5},
      {"the other dictionary", board, false, 2, true, nullptr, 1, 6},
      {"a word added to the player's list", board, false, 2, true, "tas", 2, 7},
      {"the same list again", board, false, 2, true, "tas", 2, 7},
  };
  for (const Ask& ask : asks) {
    SCOPED_TRACE(ask.what);
    if (ask.added) WriteUserWordList(folder.File(kAdditionListFile), SE_KIND_ADDITION, {ask.added});
    session = open(ask.american);
    EXPECT_EQ(words.Of(ask.grid, session, ask.length, ask.repeats).size(), ask.found);
    EXPECT_EQ(words.Searches(), ask.searches);
    CloseCheckSession(session);
  }
  EXPECT_TRUE(words.Of(board, CheckSession{}, 3, false).empty()) << "no session open";
}

}  // namespace
