#include "game/end_rule.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// One step of a game played on a stepped clock: `Count` ticks, or a guess judged a valid
// new word worth `Points`, or `Count` guesses that are not.
struct Step {
  enum Kind { Ticks, Word, Miss } What;
  int32_t Count = 1;
  int64_t Points = 0;
};
Step Ticks(int32_t count) { return {Step::Ticks, count}; }
Step Word(int64_t points = 1) { return {Step::Word, 1, points}; }
Step Misses(int32_t count) { return {Step::Miss, count}; }
Step Miss() { return Misses(1); }

// What a game came to: why and when it ended, what time each valid word added, and how
// many ten-second warnings it gave.
struct Played {
  GameEnd End = GameEnd::Running;
  int32_t Elapsed = 0;
  std::vector<int32_t> Added;
  int Warnings = 0;
};

struct Case {
  const char* Name;
  GameMode Mode;
  int32_t TimerSeconds;  // the length Timer Options set
  int64_t WordsOnBoard;
  std::vector<Step> Steps;
  Played Expected;
};

Played Play(const Case& c) {
  TimedGame clock;
  EndRule rule;
  Played played;
  clock.Start(0, c.TimerSeconds, {});
  played.End = rule.Start(ModeRow(c.Mode), clock, c.WordsOnBoard);
  for (const Step& step : c.Steps) {
    if (played.End != GameEnd::Running) break;
    if (step.What == Step::Ticks) {
      for (int32_t i = 0; i < step.Count && played.End == GameEnd::Running; ++i) {
        const TickOutcome outcome = clock.Tick();
        if (outcome == TickOutcome::TenSecondWarning) ++played.Warnings;
        if (outcome == TickOutcome::TimeUp) played.End = GameEnd::TimeUp;
      }
      continue;
    }
    for (int32_t i = 0; i < step.Count && played.End == GameEnd::Running; ++i) {
      const EndRule::Outcome outcome = rule.Judged(clock, step.What == Step::Word, step.Points);
      if (step.What == Step::Word) played.Added.push_back(outcome.AddedSeconds);
      played.End = outcome.End;
    }
  }
  played.Elapsed = clock.ElapsedSeconds();
  return played;
}

TEST(EndRuleTest, EachModeEndsByItsOwnRule) {
  // clang-format off
  const Case cases[] = {
      {"Classic: bad guesses and words change nothing, the timer ends it", GameMode::Classic,
       180, 5, {Misses(3), Word(), Ticks(200)}, {GameEnd::TimeUp, 180, {0}, 1}},
      {"Refill: back to 30 s at each word, warned again each time", GameMode::Refill,
       180, 5, {Ticks(25), Word(), Ticks(29), Word(), Ticks(100)},
       {GameEnd::TimeUp, 84, {25, 29}, 3}},
      {"Time Bonus: points + 8 s", GameMode::TimeBonus,
       180, 5, {Ticks(20), Word(5), Ticks(100)}, {GameEnd::TimeUp, 43, {13}, 2}},
      {"Time Bonus: points set below zero take no time", GameMode::TimeBonus,
       180, 5, {Ticks(5), Word(-50), Ticks(100)}, {GameEnd::TimeUp, 30, {0}, 1}},
      {"Strikeout: the third guess that is not a new word", GameMode::Strikeout,
       180, 5, {Miss(), Word(), Miss(), Ticks(10), Miss(), Ticks(500)},
       {GameEnd::StrikesUsed, 10, {0}, 0}},
      {"Strikeout: the timer still ends it", GameMode::Strikeout,
       60, 5, {Miss(), Ticks(100)}, {GameEnd::TimeUp, 60, {}, 1}},
      {"Allotment: no clock, the 30th guess ends it", GameMode::Allotment,
       180, 50, {Word(), Word(), Ticks(5000), Misses(26), Word(), Word()},
       {GameEnd::GuessesUsed, 5000, {0, 0, 0, 0}, 0}},
      {"Unlimited: no clock, ends when every word is found", GameMode::Unlimited,
       180, 3, {Word(), Misses(3), Word(), Ticks(5000), Word(), Ticks(1)},
       {GameEnd::AllFound, 5000, {0, 0, 0}, 0}},
      {"Unlimited: a board without words ends at once", GameMode::Unlimited,
       180, 0, {Ticks(10)}, {GameEnd::NothingToFind, 0, {}, 0}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    const Played played = Play(c);
    EXPECT_EQ(played.End, c.Expected.End);
    EXPECT_EQ(played.Elapsed, c.Expected.Elapsed);
    EXPECT_EQ(played.Added, c.Expected.Added);
    EXPECT_EQ(played.Warnings, c.Expected.Warnings);
  }
}

TEST(EndRuleTest, CodesNameOneModeEachAndUnknownCodesNone) {
  for (const GameModeRow& row : GameModes()) {
    EXPECT_EQ(ModeFromCode(row.Code), row.Mode) << row.Code;
    EXPECT_EQ(&ModeRow(row.Mode), &row) << row.Code;
  }
  for (const char* code : {"", "Classic", "REFILL", "blitz", "refill "})
    EXPECT_EQ(ModeFromCode(code), std::nullopt) << code;
}

}  // namespace
