// Checks the size files the build made beside the main lexicons against the word lists.

#include <gtest/gtest.h>

#include "words/word_commonness.h"

namespace {

TEST(CompiledWordSizes, GiveEachWordTheSmallestListThatHoldsIt) {
  const WordCommonness american(TOLVANE_PROGRAM_DIR, true);
  const WordCommonness british(TOLVANE_PROGRAM_DIR, false);
  const struct {
    const char* word;
    int size;
  } cases[] = {
      {"behave", 10},     {"temper", 20},     {"strapped", 35}, {"surrogate", 40},
      {"gastronomy", 50}, {"urological", 55}, {"bagpiper", 60}, {"umbellate", 70},
      {"strapping", 35},  {"windflower", 60},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(american.SmallestSize(c.word), c.size) << c.word;
    EXPECT_EQ(british.SmallestSize(c.word), c.size) << c.word;
  }
  EXPECT_EQ(american.SmallestSize("color"), 10);
  EXPECT_EQ(british.SmallestSize("colour"), 10);
  EXPECT_EQ(american.SmallestSize("colour"), 0);
}

}  // namespace
