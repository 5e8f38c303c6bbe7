#include "game/control_states.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Flags = std::array<bool, kControlCount>;

// The enabled flags after `event`, as the main window switches its controls.
Flags ApplyChanges(const Flags& before, GameEvent event) {
  Flags after = before;
  const ControlChanges& changes = ChangesFor(event);
  for (int i = 0; i < kControlCount; ++i) {
    if (changes.Enabled[i] != Switch::AsBefore) after[i] = changes.Enabled[i] == Switch::On;
  }
  return after;
}

// Columns: Scramble, Start, CheckList, WordEntry, Open, Save, Design, Print, Dimensions.
const Flags kNoBoard = {true, false, false, false, true, false, true, false, true};
const Flags kBoardReady = {true, true, false, false, true, true, true, true, true};
const Flags kRunning = {false, false, false, true, false, false, false, false, false};
const Flags kOverNotChecked = {false, false, true, false, true, true, true, true, true};
const Flags kChecked = {true, true, true, false, true, true, true, true, true};

Flags Play(std::initializer_list<GameEvent> events) {
  Flags flags{};
  for (GameEvent event : events) flags = ApplyChanges(flags, event);
  return flags;
}

TEST(ControlStatesTest, EventsLeadThroughTheStatesOfAGame) {
  using E = GameEvent;
  EXPECT_EQ(Play({E::StartUp}), kNoBoard);
  EXPECT_EQ(Play({E::StartUp, E::Scrambled}), kBoardReady);
  EXPECT_EQ(Play({E::StartUp, E::Scrambled, E::GameStarted}), kRunning);
  EXPECT_EQ(Play({E::StartUp, E::Scrambled, E::GameStarted, E::GameStopped}), kOverNotChecked);
  EXPECT_EQ(Play({E::StartUp, E::Scrambled, E::GameStarted, E::GameStopped, E::Checked}), kChecked);
  // A new board after checking keeps "Check List" as it was.
  Flags again = kChecked;
  again = ApplyChanges(again, E::Scrambled);
  EXPECT_TRUE(again[static_cast<int>(Control::CheckList)]);
}

TEST(ControlStatesTest, LoadingAndResizingTouchOneControlEach) {
  using E = GameEvent;
  Flags opened = Play({E::StartUp, E::PuzzleLoaded});
  Flags expected = kNoBoard;
  expected[static_cast<int>(Control::Start)] = true;  // can be played, not yet saved
  EXPECT_EQ(opened, expected);

  Flags resized = ApplyChanges(kChecked, E::BoardResized);
  expected = kChecked;
  expected[static_cast<int>(Control::MenuPrint)] = false;
  EXPECT_EQ(resized, expected);
}

TEST(ControlStatesTest, FocusAndCaptionFollowTheGame) {
  EXPECT_EQ(ChangesFor(GameEvent::GameStarted).Focus, Control::WordEntry);
  EXPECT_EQ(std::string(ChangesFor(GameEvent::GameStarted).ExitCaption), "Abort");
  EXPECT_EQ(ChangesFor(GameEvent::GameStopped).Focus, Control::CheckList);
  EXPECT_EQ(std::string(ChangesFor(GameEvent::GameStopped).ExitCaption), "E&xit");
  EXPECT_FALSE(ChangesFor(GameEvent::Scrambled).HasFocus);
  EXPECT_EQ(ChangesFor(GameEvent::Scrambled).ExitCaption, nullptr);
}

}  // namespace
