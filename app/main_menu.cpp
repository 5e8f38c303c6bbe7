#include "app/main_menu.h"

#include <QAction>
#include <QMenuBar>

#include "app/about_box.h"
#include "app/main_win.h"
#include "app/product_window.h"
#include "base/paths.h"
#include "history/board_code_commands.h"
#include "history/history_window.h"
#include "platform/qt_text.h"
#include "presentation/guess_font.h"
#include "presentation/letter_look.h"
#include "presentation/print_opt.h"
#include "presentation/window_size.h"
#include "settings/design_it.h"
#include "settings/dimensions_dialog.h"
#include "settings/guess_columns_dialog.h"
#include "settings/score_options_dialog.h"
#include "settings/set_the_timer_dialog.h"
#include "settings/show_options_dialog.h"
#include "settings/word_length_dialog.h"
#include "words/dictionary_maintenance.h"
#include "words/look_up_word.h"

const std::vector<MenuRow>& MainMenuRows() {
  using M = MenuName;
  static const std::vector<MenuRow> rows = {
      {M::File, "MenuOpen", "&Open Puzzle", Qt::Key_O, [](TMainWin& w) { w.MenuOpenClick(); }},
      {M::File, "MenuSave", "Sa&ve Puzzle", Qt::Key_V, [](TMainWin& w) { w.MenuSaveClick(); }},
      {M::File, "MenuDesign", "&Design Puzzle", Qt::Key_Z,
       [](TMainWin& w) { ShowDesignPuzzle(w); }},
      {M::File, "MenuCopyCode", "Copy &Board Code", 0, [](TMainWin& w) { CopyBoardCode(w); },
       true},
      {M::File, "MenuPlayCode", "P&lay Board Code...", 0, [](TMainWin& w) { PlayBoardCode(w); }},
      {M::File, "MenuPlayToday", "Play &Today's Board", 0,
       [](TMainWin& w) { PlayTodaysBoard(w); }},
      {M::File, "MenuHistory", "Game &History", 0, [](TMainWin& w) { ShowGameHistory(w); }},
      {M::ScreenSize, "N640x480", "640x480", Qt::Key_F1,
       [](TMainWin& w) { ChooseWindowSize(w, 640); }, false, true},
      {M::ScreenSize, "N800x600", "800x600", Qt::Key_F2,
       [](TMainWin& w) { ChooseWindowSize(w, 800); }, false, true},
      {M::ScreenSize, "N1024x768", "1024x768", Qt::Key_F3,
       [](TMainWin& w) { ChooseWindowSize(w, 1024); }, false, true},
      {M::ScreenSize, "N1280x1024", "1280x1024", Qt::Key_F4,
       [](TMainWin& w) { ChooseWindowSize(w, 1280); }, false, true},
      {M::File, "MenuPrint", "&Print Puzzle", Qt::Key_P, [](TMainWin& w) { ShowPrintOpt(w); }},
      {M::File, "MenuSetup", "Printer &Setup", Qt::Key_R,
       [](TMainWin& w) { w.Services().PrinterSetup(&w); }},
      {M::File, "MenuExit", "E&xit", Qt::Key_X, [](TMainWin& w) { w.close(); }, true},

      {M::Options, "MenuDimensions", "&Dimensions", Qt::Key_D,
       [](TMainWin& w) { ShowDimensions(w); }},
      {M::Options, "MenuFont", "&Puzzle Font", Qt::Key_F,
       [](TMainWin& w) { ShowLetterLook(w, w.LetterLook()); }},
      {M::Options, "MenuTimer", "&Timer Options", Qt::Key_T, [](TMainWin& w) { ShowTimer(w); }},
      {M::Options, "MenuWordLength", "&Word Length", Qt::Key_W,
       [](TMainWin& w) { ShowWordLength(w); }},
      {M::Options, "MenuScoring", "Word &Scoring", Qt::Key_S, [](TMainWin& w) { ShowScoring(w); }},
      {M::Options, "MenuPlayOptions", "Pla&y Options", Qt::Key_Y,
       [](TMainWin& w) { ShowPlayOptions(w); }},
      {M::Options, "MenuBackBit", "Show &Background Bitmap", Qt::Key_B,
       [](TMainWin& w) {
         GameSettings& settings = w.Settings();
         settings.ShowBackgroundBitmap = !settings.ShowBackgroundBitmap;
         w.MenuItem("MenuBackBit")->setChecked(settings.ShowBackgroundBitmap);
         w.RepaintBoard();
       },
       true, true},
      {M::Options, "MenuGuessFont", "Word &Guess Font", Qt::Key_G,
       [](TMainWin& w) { ChooseGuessFont(w); }},
      {M::Options, "MenuGuessColumns", "Word Guess &Columns", Qt::Key_E,
       [](TMainWin& w) { ShowGuessColumns(w); }},
      {M::Options, "MenuAmerican", "&American Dictionary", Qt::Key_M,
       [](TMainWin& w) {
         w.Settings().AmericanDictionary = !w.Settings().AmericanDictionary;
         ShowDictionaryChoice(w);
       },
       true},
      {M::Options, "MenuAddTo", "Add To D&ictionary", Qt::Key_I,
       [](TMainWin& w) { ShowDictionaryMaintenance(w, 2); }},
      {M::Options, "MenuExclude", "Excl&ude From Dictionary", Qt::Key_U,
       [](TMainWin& w) { ShowDictionaryMaintenance(w, 1); }},
      {M::Options, "MenuLookUp", "&Look Up Word", Qt::Key_L,
       [](TMainWin& w) { ShowLookUpWord(w); }},

      {M::Help, "MenuContents", "&Contents", Qt::Key_C,
       [](TMainWin& w) {
         w.Services().ShowHelp(&w, PathFromBytes(JoinPath(w.ProgramDirectory(), "TOLVANE.HLP")));
       }},
      {M::Help, "MenuAbout", "&About", Qt::Key_A,
       [](TMainWin& w) {
         TAboutBox about(&w);
         w.Services().ExecDialog(about);
       }},
      {M::Help, "MenuProducts", "Other &Products", 0,
       [](TMainWin& w) {
         TProductWindow products(&w);
         w.Services().ExecDialog(products);
       }},
  };
  return rows;
}

void BuildMainMenus(TMainWin& window, QMenuBar* bar) {
  QMenu* file = bar->addMenu("&File");
  QMenu* options = bar->addMenu("&Options");
  QMenu* help = bar->addMenu("&Help");
  QMenu* sizes = nullptr;
  for (const MenuRow& row : MainMenuRows()) {
    QMenu* menu = row.Menu == MenuName::File      ? file
                  : row.Menu == MenuName::Options ? options
                                                  : help;
    if (row.Menu == MenuName::ScreenSize) {
      if (!sizes) {
        file->addSeparator();
        sizes = file->addMenu("S&creen Size");
      }
      menu = sizes;
    }
    if (row.SeparatorBefore) menu->addSeparator();
    QAction* action = menu->addAction(row.Caption);
    action->setObjectName(row.Name);
    if (row.Key) action->setShortcut(QKeySequence(Qt::CTRL | row.Key));
    action->setCheckable(row.Checkable);
    if (row.Handler)
      QObject::connect(action, &QAction::triggered, &window,
                       [&window, handler = row.Handler] { handler(window); });
  }
}

void ShowDictionaryChoice(TMainWin& window) {
  window.MenuItem("MenuAmerican")
      ->setText(window.Settings().AmericanDictionary ? "&American Dictionary"
                                                     : "&British Dictionary");
}
