#pragma once

#include <array>
#include <cstdint>
#include <vector>

// Which of the main window's controls are offered in each turn of the game. Only the
// actions that fit the moment are enabled, so no handler has to check the state again.
enum class Control {
  Scramble,
  Start,
  CheckList,
  WordEntry,
  MenuOpen,
  MenuSave,
  MenuDesign,
  MenuPrint,
  MenuDimensions,
};
inline constexpr int kControlCount = 9;

// The object name of a control's widget or menu item.
const char* ControlName(Control control);

// The events that switch controls. Each leaves the controls it does not name as they were,
// which is why a puzzle opened before any Scramble still cannot be saved.
enum class GameEvent {
  StartUp,
  Scrambled,
  PuzzleLoaded,  // opened from a file, or a designed board played
  BoardResized,
  GameStarted,
  GameStopped,  // time up, or aborted
  Checked,
};

enum class Switch : uint8_t { AsBefore, On, Off };

struct ControlChanges {
  std::array<Switch, kControlCount> Enabled{};
  bool HasFocus = false;
  Control Focus = Control::Scramble;
  const char* ExitCaption = nullptr;  // nullptr: as before
};

const ControlChanges& ChangesFor(GameEvent event);

// A menu item that is offered exactly when another control is.
struct FollowingItem {
  const char* Name;  // the object name
  Control Leader;
};
const std::vector<FollowingItem>& FollowingItems();
