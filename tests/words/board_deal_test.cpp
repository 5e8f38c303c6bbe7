#include "words/board_deal.h"

#include <gtest/gtest.h>

#include <deque>

#include "game/scramble.h"
#include "settings/game_settings.h"
#include "words/language.h"

namespace {

// The counter answers with the given word counts, one per board it is asked about.
struct Case {
  std::string_view Code;
  int Height;
  std::deque<std::size_t> Counts;
  int Deals;
};

TEST(DealBoardTest, DealsAgainWhileTheBoardIsSparseUpToTwentyTimes) {
  const Case cases[] = {
      {"de", 4, {5, 19, 20}, 3},                                    // 20 is enough on 4 x 4
      {"de", 5, {29, 30}, 2},                                       // 30 on 5 x 5
      {"sv", 4, std::deque<std::size_t>(30, 0), kMostRedeals + 1},  // the last board stays
      {"en", 4, {0}, 1},  // English is dealt once, never counted
  };
  for (const Case& c : cases) {
    GameSettings settings;
    settings.Height = settings.Width = c.Height;
    std::deque<std::size_t> counts = c.Counts;
    int asked = 0;
    XorShiftRandom random(7);
    LetterGrid grid;
    const int deals =
        DealBoard(grid, settings, random, *FindLanguage(c.Code), [&](const LetterGrid&) {
          ++asked;
          const std::size_t count = counts.front();
          counts.pop_front();
          return count;
        });
    EXPECT_EQ(deals, c.Deals) << c.Code;
    EXPECT_EQ(asked, c.Code == "en" ? 0 : std::min(c.Deals, kMostRedeals)) << c.Code;

    // The board kept is the last one dealt from the same draws.
    XorShiftRandom replay(7);
    LetterGrid last;
    for (int deal = 0; deal < deals; ++deal)
      ScrambleLetters(last, settings, replay, *FindLanguage(c.Code));
    EXPECT_EQ(grid.Letters, last.Letters) << c.Code;
  }
}

}  // namespace
