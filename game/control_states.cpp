#include "game/control_states.h"

namespace {

constexpr Switch _ = Switch::AsBefore;
constexpr Switch On = Switch::On;
constexpr Switch Off = Switch::Off;

struct EventRow {
  GameEvent Event;
  ControlChanges Changes;
};

// Columns: Scramble, Start, CheckList, WordEntry, Open, Save, Design, Print, Dimensions.
const EventRow kRows[] = {
    {GameEvent::StartUp, {{On, Off, Off, Off, On, Off, On, Off, On}, false, {}, "E&xit"}},
    {GameEvent::Scrambled, {{_, On, _, _, _, On, _, On, _}, false, {}, nullptr}},
    {GameEvent::PuzzleLoaded, {{_, On, _, _, _, _, _, _, _}, false, {}, nullptr}},
    {GameEvent::BoardResized, {{_, _, _, _, _, _, _, Off, _}, false, {}, nullptr}},
    {GameEvent::GameStarted,
     {{Off, Off, Off, On, Off, Off, Off, Off, Off}, true, Control::WordEntry, "Abort"}},
    {GameEvent::GameStopped,
     {{Off, _, On, Off, On, On, On, On, On}, true, Control::CheckList, "E&xit"}},
    {GameEvent::Checked, {{On, On, _, _, _, _, _, _, _}, false, {}, nullptr}},
};

}  // namespace

const char* ControlName(Control control) {
  static const char* const kNames[kControlCount] = {"Scramble",   "Start",     "CheckList",
                                                    "WordEntry",  "MenuOpen",  "MenuSave",
                                                    "MenuDesign", "MenuPrint", "MenuDimensions"};
  return kNames[static_cast<int>(control)];
}

const ControlChanges& ChangesFor(GameEvent event) {
  for (const EventRow& row : kRows)
    if (row.Event == event) return row.Changes;
  return kRows[0].Changes;
}

const std::vector<FollowingItem>& FollowingItems() {
  static const std::vector<FollowingItem> items = {
      // Our own ways to a new board wait, as Scramble does, until the last game's list is
      // checked: its guesses belong to the board it was played on.
      {"MenuPlayCode", Control::Scramble},
      {"MenuPlayToday", Control::Scramble},
      {"MenuPlayChallenge", Control::Scramble},
      {"MenuHostMatch", Control::Scramble},
      {"MenuJoinMatch", Control::Scramble},
      // The games played are looked back on between games.
      {"MenuHistory", Control::MenuOpen},
      {"MenuCopyChallenge", Control::MenuOpen},
      // A game is judged in the language it was dealt in, and a new language deals a new
      // board: it waits for the list to be checked as Scramble does.
      {"MenuLanguage", Control::Scramble},
      // A game keeps the mode and hints it started with.
      {"MenuGameMode", Control::MenuDimensions},
      {"MenuHints", Control::MenuDimensions},
  };
  return items;
}
