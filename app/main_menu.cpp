#include "app/main_menu.h"

#include <Qt>

#include "app/main_win.h"
#include "presentation/guess_font.h"
#include "presentation/letter_look.h"
#include "presentation/window_size.h"

// Items with no handler yet do nothing when chosen.
const std::vector<MenuRow>& MainMenuRows() {
  using M = MenuName;
  static const std::vector<MenuRow> rows = {
      {M::File, "MenuOpen", "&Open Puzzle", Qt::Key_O, [](TMainWin& w) { w.MenuOpenClick(); }},
      {M::File, "MenuSave", "Sa&ve Puzzle", Qt::Key_V, [](TMainWin& w) { w.MenuSaveClick(); }},
      {M::File, "MenuDesign", "&Design Puzzle", Qt::Key_Z, nullptr},
      {M::ScreenSize, "N640x480", "640x480", Qt::Key_F1,
       [](TMainWin& w) { ChooseWindowSize(w, 640); }, false, true},
      {M::ScreenSize, "N800x600", "800x600", Qt::Key_F2,
       [](TMainWin& w) { ChooseWindowSize(w, 800); }, false, true},
      {M::ScreenSize, "N1024x768", "1024x768", Qt::Key_F3,
       [](TMainWin& w) { ChooseWindowSize(w, 1024); }, false, true},
      {M::ScreenSize, "N1280x1024", "1280x1024", Qt::Key_F4,
       [](TMainWin& w) { ChooseWindowSize(w, 1280); }, false, true},
      {M::File, "MenuPrint", "&Print Puzzle", Qt::Key_P, nullptr},
      {M::File, "MenuSetup", "Printer &Setup", Qt::Key_R, [](TMainWin& w) { w.MenuSetupClick(); }},
      {M::File, "MenuExit", "E&xit", Qt::Key_X, [](TMainWin& w) { w.MenuExitClick(); }, true},

      {M::Options, "MenuDimensions", "&Dimensions", Qt::Key_D, nullptr},
      {M::Options, "MenuFont", "&Puzzle Font", Qt::Key_F,
       [](TMainWin& w) {
         if (w.LetterLook) ShowLetterLook(w, *w.LetterLook);
       }},
      {M::Options, "MenuTimer", "&Timer Options", Qt::Key_T, nullptr},
      {M::Options, "MenuWordLength", "&Word Length", Qt::Key_W, nullptr},
      {M::Options, "MenuScoring", "Word &Scoring", Qt::Key_S, nullptr},
      {M::Options, "MenuPlayOptions", "Pla&y Options", Qt::Key_Y, nullptr},
      {M::Options, "MenuBackBit", "Show &Background Bitmap", Qt::Key_B,
       [](TMainWin& w) { w.MenuBackBitClick(); }, true, true},
      {M::Options, "MenuGuessFont", "Word &Guess Font", Qt::Key_G,
       [](TMainWin& w) { ChooseGuessFont(w); }},
      {M::Options, "MenuGuessColumns", "Word Guess &Columns", Qt::Key_E, nullptr},
      {M::Options, "MenuAmerican", "&American Dictionary", Qt::Key_M,
       [](TMainWin& w) { w.MenuAmericanClick(); }, true},
      {M::Options, "MenuAddTo", "Add To D&ictionary", Qt::Key_I, nullptr},
      {M::Options, "MenuExclude", "Excl&ude From Dictionary", Qt::Key_U, nullptr},
      {M::Options, "MenuLookUp", "&Look Up Word", Qt::Key_L, nullptr},

      {M::Help, "MenuContents", "&Contents", Qt::Key_C, [](TMainWin& w) { w.MenuContentsClick(); }},
      {M::Help, "MenuAbout", "&About", Qt::Key_A, [](TMainWin& w) { w.MenuAboutClick(); }},
      {M::Help, "MenuProducts", "Other &Products", 0, [](TMainWin& w) { w.MenuProductsClick(); }},
  };
  return rows;
}
