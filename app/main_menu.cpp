#include "app/main_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenuBar>

#include "app/about_box.h"
#include "app/main_win.h"
#include "app/product_window.h"
#include "base/paths.h"
#include "platform/qt_text.h"
#include "windows/history/board_code_commands.h"
#include "windows/history/history_window.h"
#include "windows/look/guess_font.h"
#include "windows/look/letter_look.h"
#include "windows/look/print_opt.h"
#include "windows/look/window_size.h"
#include "windows/options/design_it.h"
#include "windows/options/number_dialog.h"
#include "windows/options/score_options_dialog.h"
#include "windows/options/set_the_timer_dialog.h"
#include "windows/options/show_options_dialog.h"
#include "windows/words/dictionary_maintenance.h"
#include "windows/words/host_check_session.h"
#include "windows/words/look_up_word.h"
#include "words/language.h"

namespace {

QString LanguageItemName(const Language& language) {
  return "MenuLanguage_" + TextFromBytes(std::string(language.Code));
}

void FillLanguageMenu(TMainWin& window, QMenu* submenu) {
  auto* group = new QActionGroup(submenu);
  for (const Language& language : Languages()) {
    QAction* action = submenu->addAction(TextFromBytes(std::string(language.MenuText)));
    action->setObjectName(LanguageItemName(language));
    action->setCheckable(true);
    group->addAction(action);
    QObject::connect(action, &QAction::triggered, &window, [&window, &language] {
      // Refused: the item of the language still played is checked again.
      if (!ChooseLanguage(window, language)) ShowLanguage(window);
    });
  }
}

}  // namespace

const std::vector<MenuRow>& MainMenuRows() {
  using M = MenuName;
  static const std::vector<MenuRow> rows = {
      {M::File, "MenuOpen", "&Open Puzzle", Qt::Key_O,
       [](TMainWin& w) { w.PuzzleFiles().MenuOpenClick(); }},
      {M::File, "MenuSave", "Sa&ve Puzzle", Qt::Key_V,
       [](TMainWin& w) { w.PuzzleFiles().MenuSaveClick(); }},
      {M::File, "MenuDesign", "&Design Puzzle", Qt::Key_Z,
       [](TMainWin& w) { ShowDialog<TDesignIt>(w); }},
      {M::File, "MenuCopyCode", "Copy &Board Code", 0, [](TMainWin& w) { CopyBoardCode(w); }, true},
      {M::File, "MenuPlayCode", "P&lay Board Code...", 0, [](TMainWin& w) { PlayBoardCode(w); }},
      {M::File, "MenuPlayToday", "Play &Today's Board", 0, [](TMainWin& w) { PlayTodaysBoard(w); }},
      {M::File, "MenuHistory", "Game &History", 0, [](TMainWin& w) { ShowGameHistory(w); }},
      {M::ScreenSize, "N640x480", "640x480", Qt::Key_F1,
       [](TMainWin& w) { ChooseWindowSize(w, 640); }, false, true},
      {M::ScreenSize, "N800x600", "800x600", Qt::Key_F2,
       [](TMainWin& w) { ChooseWindowSize(w, 800); }, false, true},
      {M::ScreenSize, "N1024x768", "1024x768", Qt::Key_F3,
       [](TMainWin& w) { ChooseWindowSize(w, 1024); }, false, true},
      {M::ScreenSize, "N1280x1024", "1280x1024", Qt::Key_F4,
       [](TMainWin& w) { ChooseWindowSize(w, 1280); }, false, true},
      {M::File, "MenuPrint", "&Print Puzzle", Qt::Key_P,
       [](TMainWin& w) { ShowDialog<TPrintOpt>(w); }},
      {M::File, "MenuSetup", "Printer &Setup", Qt::Key_R,
       [](TMainWin& w) { w.Services().PrinterSetup(&w); }},
      {M::File, "MenuExit", "E&xit", Qt::Key_X, [](TMainWin& w) { w.close(); }, true},

      {M::Options, "MenuDimensions", "&Dimensions", Qt::Key_D,
       [](TMainWin& w) { ShowDialog<TNumberDialog>(w, NumberDialog::Dimensions); }},
      {M::Options, "MenuFont", "&Puzzle Font", Qt::Key_F,
       [](TMainWin& w) { w.Services().ExecDialog(w.LetterLook()); }},
      {M::Options, "MenuTimer", "&Timer Options", Qt::Key_T,
       [](TMainWin& w) { ShowDialog<TSetTheTimer>(w); }},
      {M::Options, "MenuWordLength", "&Word Length", Qt::Key_W,
       [](TMainWin& w) { ShowDialog<TNumberDialog>(w, NumberDialog::WordLength); }},
      {M::Options, "MenuScoring", "Word &Scoring", Qt::Key_S,
       [](TMainWin& w) { ShowDialog<TScoreOptions>(w); }},
      {M::Options, "MenuPlayOptions", "Pla&y Options", Qt::Key_Y,
       [](TMainWin& w) { ShowDialog<TShowOptions>(w); }},
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
       [](TMainWin& w) { ShowDialog<TNumberDialog>(w, NumberDialog::GuessColumns); }},
      {M::Options, "MenuAmerican", "&American Dictionary", Qt::Key_M,
       [](TMainWin& w) {
         w.Settings().AmericanDictionary = !w.Settings().AmericanDictionary;
         ShowDictionaryChoice(w);
       },
       true},
      {M::Options, "MenuLanguage", "La&nguage", 0, nullptr, false, false, FillLanguageMenu},
      {M::Options, "MenuAddTo", "Add To D&ictionary", Qt::Key_I,
       [](TMainWin& w) { ShowDialog<TMyEditBox>(w, int16_t{2}); }},
      {M::Options, "MenuExclude", "Excl&ude From Dictionary", Qt::Key_U,
       [](TMainWin& w) { ShowDialog<TMyEditBox>(w, int16_t{1}); }},
      {M::Options, "MenuLookUp", "&Look Up Word", Qt::Key_L,
       [](TMainWin& w) { ShowDialog<TLookUpWord>(w); }},

      {M::Help, "MenuContents", "&Contents", Qt::Key_C,
       [](TMainWin& w) {
         w.Services().ShowHelp(&w, PathFromBytes(JoinPath(w.ProgramDirectory(), "TOLVANE.HLP")));
       }},
      {M::Help, "MenuAbout", "&About", Qt::Key_A, [](TMainWin& w) { ShowDialog<TAboutBox>(w); }},
      {M::Help, "MenuProducts", "Other &Products", 0,
       [](TMainWin& w) { ShowDialog<TProductWindow>(w); }},
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
    if (row.FillSubmenu) {
      QMenu* submenu = menu->addMenu(row.Caption);
      submenu->menuAction()->setObjectName(row.Name);
      row.FillSubmenu(window, submenu);
      continue;
    }
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

void ShowLanguage(TMainWin& window) {
  const Language& language = ChosenLanguage(window.Settings());
  window.findChild<QAction*>(LanguageItemName(language))->setChecked(true);
  QString caption = "Tolvane 95";
  if (&language != &English())
    caption += QString(" ") + QChar(0x2014) + " " + TextFromBytes(std::string(language.Name));
  window.setWindowTitle(caption);
  window.MenuItem("MenuAmerican")->setEnabled(language.HasDictionaryChoice());
}
