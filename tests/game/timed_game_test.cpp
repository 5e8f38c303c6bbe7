#include "game/timed_game.h"

#include <gtest/gtest.h>

namespace {

// The outcome of every tick until the game stops.
std::vector<TickOutcome> PlayOut(TimedGame& game) {
  std::vector<TickOutcome> outcomes;
  while (game.Running()) outcomes.push_back(game.Tick());
  return outcomes;
}

TEST(TimedGameTest, ThreeMinutesWarnAtOneHundredSeventyAndEndAtOneHundredEighty) {
  TimedGame game;
  game.Start(3, 0, {});
  const std::vector<TickOutcome> outcomes = PlayOut(game);
  ASSERT_EQ(outcomes.size(), 180u);
  EXPECT_EQ(outcomes[169], TickOutcome::TenSecondWarning);
  EXPECT_EQ(std::count(outcomes.begin(), outcomes.end(), TickOutcome::TenSecondWarning), 1);
  EXPECT_EQ(outcomes.back(), TickOutcome::TimeUp);
  EXPECT_EQ(game.TimeText(), "00:03:00");
}

TEST(TimedGameTest, ShortAndEmptyGames) {
  TimedGame game;
  game.Start(0, 5, {});  // the warning comes on the first tick
  EXPECT_EQ(game.Tick(), TickOutcome::TenSecondWarning);
  game.Start(0, 1, {});  // the first tick ends it, without a warning
  EXPECT_EQ(PlayOut(game), std::vector<TickOutcome>{TickOutcome::TimeUp});
  game.Start(0, 0, {});  // a hand-edited length of zero ends on the first tick too
  EXPECT_EQ(PlayOut(game), std::vector<TickOutcome>{TickOutcome::TimeUp});
  game.Start(0, -30, {});  // so does a negative one
  EXPECT_EQ(PlayOut(game), std::vector<TickOutcome>{TickOutcome::TimeUp});
}

TEST(TimedGameTest, TimeTextCountsHoursMinutesAndSeconds) {
  TimedGame game;
  game.Start(70, 0, {});
  for (int i = 0; i < 3725; ++i) game.Tick();
  EXPECT_EQ(game.TimeText(), "01:02:05");
}

TEST(TimedGameTest, GuessesAreTidiedAndRepeatsMarked) {
  TimedGame game;
  game.Start(3, 0, {});
  EXPECT_TRUE(game.AddGuess(" word "));
  EXPECT_TRUE(game.AddGuess("word"));
  EXPECT_TRUE(game.AddGuess("WORD"));
  EXPECT_TRUE(game.AddGuess("can't"));
  EXPECT_TRUE(game.AddGuess("two words"));
  EXPECT_FALSE(game.AddGuess("   "));
  EXPECT_EQ(game.Guesses(),
            (std::vector<std::string>{"WORD", "WORD (DUP)", "WORD (DUP)", "CAN'T", "TWO WORDS"}));
  game.Start(3, 0, {});
  EXPECT_TRUE(game.Guesses().empty());
}

TEST(TimedGameTest, LongGuessesAreCutAt255AndStillRecognisedAsRepeats) {
  TimedGame game;
  const std::string longWord(300, 'a');
  game.AddGuess(longWord);
  game.AddGuess(longWord);
  ASSERT_EQ(game.Guesses().size(), 2u);
  EXPECT_EQ(game.Guesses()[0], std::string(255, 'A'));
  EXPECT_EQ(game.Guesses()[1], std::string(255, 'A') + " (DUP)");
}

TEST(TimedGameTest, AnnouncementCodes) {
  EXPECT_TRUE(AnnouncementFor(1).Sound && !AnnouncementFor(1).Message);
  EXPECT_TRUE(!AnnouncementFor(2).Sound && AnnouncementFor(2).Message);
  EXPECT_TRUE(AnnouncementFor(3).Sound && AnnouncementFor(3).Message);
  EXPECT_TRUE(!AnnouncementFor(7).Sound && !AnnouncementFor(7).Message);
}

}  // namespace
