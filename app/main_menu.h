#pragma once

#include <vector>

class QMenu;
class TMainWin;

// The main window's menus as data: one row per item, in the order shown. Adding a
// dialog to the game means one row here and the dialog's own file.
enum class MenuName { File, ScreenSize, Options, Help };

struct MenuRow {
  MenuName Menu;
  const char* Name;  // the object name, by which tests and the state table find the item
  const char* Caption;
  int Key;  // with Ctrl; 0 for none
  void (*Handler)(TMainWin& window);
  bool SeparatorBefore = false;
  bool Checkable = false;
  // Set for an item that opens a submenu: fills it.
  void (*FillSubmenu)(TMainWin& window, QMenu* submenu) = nullptr;
};

const std::vector<MenuRow>& MainMenuRows();

class QMenuBar;
// Fills the menu bar from the table, every item wired to its handler.
void BuildMainMenus(TMainWin& window, QMenuBar* bar);
// The dictionary item names the dictionary in use.
void ShowDictionaryChoice(TMainWin& window);
// The language in play: its item checked, its name in the caption (English, the game's
// first language, keeps the plain caption), the dictionary item offered only where the
// language has a choice of dictionary.
void ShowLanguage(TMainWin& window);
