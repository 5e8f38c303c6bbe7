#include <gtest/gtest.h>

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/main_win.h"
#include "tests/app/main_win_fixture.h"
#include "windows/play/gauge.h"
#include "windows/words/show_score.h"

namespace {

const char* kBoard5x5 =
    "CATSX"
    "HOUSE"
    "DOGEN"
    "MILKR"
    "PQRST";

TEST_F(MainWinTest, StartsWithItsLayoutAtDesignSize) {
  TMainWin& w = Window();
  EXPECT_EQ(w.windowTitle(), "Tolvane 95");
  EXPECT_EQ(Surface()->size(), QSize(632, 418));
  EXPECT_EQ(Find<QFrame>("GuessPanel")->geometry(), QRect(348, 12, 181, 25));
  EXPECT_EQ(GuessList()->geometry(), QRect(348, 40, 181, 333));
  EXPECT_EQ(Button("CheckList")->geometry(), QRect(348, 380, 181, 33));
  EXPECT_EQ(Button("ExitButton")->geometry(), QRect(544, 380, 81, 33));
  EXPECT_EQ(Button("Scramble")->geometry(), QRect(28, 328, 145, 33));
  EXPECT_EQ(Button("Start")->geometry(), QRect(184, 328, 145, 33));
  EXPECT_EQ(Find<QFrame>("WordPanel")->geometry(), QRect(12, 372, 329, 37));
  EXPECT_EQ(WordEntry()->geometry(), QRect(92, 4, 233, 29));
  EXPECT_EQ(Find<QLabel>("WordLabel")->pos(), QPoint(24, 9));
  EXPECT_EQ(Find<QFrame>("TimeHeadPanel")->geometry(), QRect(548, 12, 69, 53));
  EXPECT_EQ(Find<QLabel>("TimePanel")->geometry(), QRect(2, 26, 65, 25));
  EXPECT_EQ(Find<TGauge>("MyGauge")->geometry(), QRect(556, 76, 53, 297));

  EXPECT_EQ(Find<QLabel>("GuessLabel")->text(), "Word Guesses");
  EXPECT_EQ(Find<QLabel>("WordLabel")->text(), "Word");
  EXPECT_TRUE(Find<QLabel>("WordLabel")->font().bold());
  EXPECT_EQ(Find<QLabel>("WordLabel")->font().pixelSize(), 18);
  EXPECT_EQ(Find<QLabel>("TimerLabel")->text(), "Timer");
  EXPECT_EQ(Find<QLabel>("TimePanel")->text(), "00:00:00");
  EXPECT_EQ(Find<QLabel>("TimePanel")->font().pixelSize(), 15);
  EXPECT_EQ(Button("Start")->font().family(), "Arial");
  EXPECT_EQ(Button("Start")->font().pixelSize(), 17);
  EXPECT_EQ(Find<QFrame>("GuessPanel")->palette().color(QPalette::Window), QColor(0, 128, 128));
  EXPECT_EQ(GuessList()->font().pointSize(), 9);
  EXPECT_TRUE(Menu("N640x480")->isChecked());
  EXPECT_TRUE(Menu("MenuBackBit")->isChecked());

  // No board yet: every letter blank, a 4 x 4 board on.
  for (int cell = 1; cell <= 25; ++cell) EXPECT_EQ(w.Board().Letters[cell], ' ');
  EXPECT_TRUE(w.Board().CellOnBoard[16]);
  EXPECT_FALSE(w.Board().CellOnBoard[5]);
  ExpectState({true, false, false, false, "E&xit", true, false, true, false, true}, "start-up");
}

TEST_F(MainWinTest, MenusHoldEveryItemWithItsShortcut) {
  struct Item {
    const char* caption;
    const char* shortcut;
  };
  const std::vector<std::pair<const char*, std::vector<Item>>> expected = {
      {"&File",
       {{"&Open Puzzle", "Ctrl+O"},
        {"Sa&ve Puzzle", "Ctrl+V"},
        {"&Design Puzzle", "Ctrl+Z"},
        {"-", ""},
        {"Copy &Board Code", ""},
        {"P&lay Board Code...", ""},
        {"Play &Today's Board", ""},
        {"Game &History", ""},
        {"-", ""},
        {"S&creen Size", ""},
        {"&Print Puzzle", "Ctrl+P"},
        {"Printer &Setup", "Ctrl+R"},
        {"-", ""},
        {"E&xit", "Ctrl+X"}}},
      {"&Options",
       {{"&Dimensions", "Ctrl+D"},
        {"&Puzzle Font", "Ctrl+F"},
        {"&Timer Options", "Ctrl+T"},
        {"&Word Length", "Ctrl+W"},
        {"Word &Scoring", "Ctrl+S"},
        {"Pla&y Options", "Ctrl+Y"},
        {"-", ""},
        {"Show &Background Bitmap", "Ctrl+B"},
        {"Word &Guess Font", "Ctrl+G"},
        {"Word Guess &Columns", "Ctrl+E"},
        {"-", ""},
        {"&American Dictionary", "Ctrl+M"},
        {"La&nguage", ""},
        {"Add To D&ictionary", "Ctrl+I"},
        {"Excl&ude From Dictionary", "Ctrl+U"},
        {"&Look Up Word", "Ctrl+L"}}},
      {"&Help", {{"&Contents", "Ctrl+C"}, {"&About", "Ctrl+A"}, {"Other &Products", ""}}}};

  const QList<QAction*> menus = Window().menuBar()->actions();
  ASSERT_EQ(menus.size(), 3);
  for (size_t m = 0; m < expected.size(); ++m) {
    EXPECT_EQ(menus[m]->text(), expected[m].first);
    const QList<QAction*> items = menus[m]->menu()->actions();
    ASSERT_EQ(items.size(), expected[m].second.size()) << expected[m].first;
    for (qsizetype i = 0; i < items.size(); ++i) {
      const Item& want = expected[m].second[static_cast<size_t>(i)];
      if (std::string(want.caption) == "-") {
        EXPECT_TRUE(items[i]->isSeparator()) << i;
        continue;
      }
      EXPECT_EQ(items[i]->text(), want.caption);
      EXPECT_EQ(items[i]->shortcut().toString(), want.shortcut) << want.caption;
    }
  }

  QMenu* sizeMenu = nullptr;
  for (QAction* item : menus[0]->menu()->actions())
    if (item->menu()) sizeMenu = item->menu();
  ASSERT_NE(sizeMenu, nullptr);
  EXPECT_EQ(sizeMenu->title(), "S&creen Size");
  const QList<QAction*> sizes = sizeMenu->actions();
  ASSERT_EQ(sizes.size(), 4);
  const char* sizeShortcuts[] = {"Ctrl+F1", "Ctrl+F2", "Ctrl+F3", "Ctrl+F4"};
  const char* sizeCaptions[] = {"640x480", "800x600", "1024x768", "1280x1024"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(sizes[i]->text(), sizeCaptions[i]);
    EXPECT_EQ(sizes[i]->shortcut().toString(), sizeShortcuts[i]);
    EXPECT_TRUE(sizes[i]->isCheckable());
    // Check marks, not radio dots: no exclusive group around them.
    EXPECT_FALSE(sizes[i]->actionGroup() && sizes[i]->actionGroup()->isExclusive());
  }
}

TEST_F(MainWinTest, ScrambleAnimatesEveryCellWithTheControlsHidden) {
  TMainWin& w = Window();
  GuessList()->addItem("OLD");
  int readsWhileHidden = 0;
  int reads = 0;
  platform.clock.onRead = [&] {
    ++reads;
    if (!Button("Scramble")->isVisible() && !GuessList()->isVisible() &&
        !Find<TGauge>("MyGauge")->isVisible())
      ++readsWhileHidden;
  };
  platform.random.ranges.clear();
  Button("Scramble")->click();
  platform.clock.onRead = nullptr;

  EXPECT_GT(reads, 0);
  EXPECT_EQ(readsWhileHidden, reads);
  EXPECT_TRUE(Button("Scramble")->isVisible());
  EXPECT_TRUE(GuessList()->isVisible());
  EXPECT_EQ(GuessList()->count(), 0);
  for (int cell = 1; cell <= 25; ++cell)
    EXPECT_EQ(w.Board().Letters[cell] != ' ', w.Board().CellOnBoard[cell]) << cell;
  // The animation shows each of the 16 cells at least one random letter: 150 ms at 50 ms a
  // reading is three frames, each one Random(26) after the board's own draws.
  const long letterDraws =
      std::count(platform.random.ranges.begin(), platform.random.ranges.end(), 26);
  EXPECT_GE(letterDraws, 16 + 16 * 3);
  ExpectState({true, true, false, false, "E&xit", true, true, true, true, true}, "after Scramble");
}

TEST_F(MainWinTest, ControlsFollowTheGameThroughItsStates) {
  TMainWin& w = Window();
  Button("Scramble")->click();
  Button("Start")->click();
  ExpectState({false, false, false, true, "Abort", false, false, false, false, false}, "running");
  EXPECT_TRUE(WordEntry()->hasFocus());
  EXPECT_TRUE(platform.ticker->IsActive());
  EXPECT_TRUE(GameRunning());
  // Menu items other than the five stay available during a game.
  EXPECT_TRUE(Menu("MenuAmerican")->isEnabled());
  EXPECT_TRUE(Menu("MenuTimer")->isEnabled());

  Type("cat");
  Button("ExitButton")->click();  // "Abort"
  ExpectState({false, false, true, false, "E&xit", true, true, true, true, true}, "game over");
  EXPECT_TRUE(Button("CheckList")->hasFocus());
  EXPECT_FALSE(platform.ticker->IsActive());
  EXPECT_FALSE(GameRunning());
  EXPECT_TRUE(w.isVisible()) << "Abort ends the game, not the program";

  platform.onExec = [&](QDialog& dialog) { dialog.close(); };
  Button("CheckList")->click();
  ASSERT_EQ(platform.dialogsShown.size(), 1u);
  EXPECT_EQ(platform.dialogsShown[0], static_cast<QDialog*>(&w.ShowScore()));
  ExpectState({true, true, true, false, "E&xit", true, true, true, true, true}, "checked");

  // From "Checked", Start replays the same board with an empty list.
  const auto letters = w.Board().Letters;
  Button("Start")->click();
  EXPECT_EQ(GuessList()->count(), 0);
  EXPECT_EQ(w.Board().Letters, letters);
}

TEST_F(MainWinTest, AThreeMinuteGameWarnsAt170AndEndsAt180) {
  TMainWin& w = Window();
  Button("Scramble")->click();
  Button("Start")->click();
  Tick(169);
  EXPECT_TRUE(platform.sound.played.empty());
  Tick();
  EXPECT_EQ(platform.sound.played, std::vector<std::string>{"async:TENSECS.WAV"});
  EXPECT_EQ(Find<QLabel>("TimePanel")->text(), "00:02:50");
  Tick(9);
  EXPECT_TRUE(GameRunning());
  EXPECT_TRUE(platform.messages.empty());
  Tick();
  EXPECT_FALSE(GameRunning());
  EXPECT_EQ(Find<QLabel>("TimePanel")->text(), "00:03:00");
  EXPECT_EQ(Find<TGauge>("MyGauge")->Progress(), 180);
  EXPECT_EQ(Find<TGauge>("MyGauge")->PercentDone(), 100);
  EXPECT_EQ(platform.sound.played,
            (std::vector<std::string>{"async:TENSECS.WAV", "wait:TIMEUP.WAV"}));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Time is up.");
  EXPECT_EQ(platform.messages[0].caption, "Notice");
  EXPECT_EQ(platform.messages[0].owner, &w);
  ExpectState({false, false, true, false, "E&xit", true, true, true, true, true}, "time up");
}

TEST_F(MainWinTest, ShortGamesAndNotificationModes) {
  struct Case {
    int minutes, seconds, notification;
    int ticksToEnd;
    std::vector<std::string> sounds;
    bool message;
  };
  const Case cases[] = {
      {0, 5, 3, 5, {"async:TENSECS.WAV", "wait:TIMEUP.WAV"}, true},  // warning on tick 1
      {0, 1, 3, 1, {"wait:TIMEUP.WAV"}, true},                       // no warning at all
      {0, 0, 3, 1, {"wait:TIMEUP.WAV"}, true},                       // ends on the first tick
      {0, 12, 1, 12, {"async:TENSECS.WAV", "wait:TIMEUP.WAV"}, false},
      {0, 12, 2, 12, {}, true},
      {0, 12, 7, 12, {}, false},
  };
  TMainWin& w = Window();
  Button("Scramble")->click();
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.minutes << ":" << c.seconds << " mode " << c.notification);
    platform.sound.played.clear();
    platform.messages.clear();
    w.Settings().Minutes = c.minutes;
    w.Settings().Seconds = c.seconds;
    w.Settings().TimeUpNotification = c.notification;
    Button("Start")->click();
    Tick(c.ticksToEnd - 1);
    EXPECT_TRUE(GameRunning());
    Tick();
    EXPECT_FALSE(GameRunning());
    EXPECT_EQ(platform.sound.played, c.sounds);
    EXPECT_EQ(platform.messages.size(), c.message ? 1u : 0u);
    EXPECT_EQ(Find<TGauge>("MyGauge")->PercentDone(), 100);
    Button("CheckList")->click();  // offers "Start" again
  }
}

TEST_F(MainWinTest, GuessesAreTrimmedUpperCasedAndRepeatsMarked) {
  Window();
  Button("Scramble")->click();
  Button("Start")->click();
  Type(" word ");
  Type("word");
  Type("WORD");
  Type("can't");
  Type("two words");
  Type("   ");
  EXPECT_EQ(GuessItems(), (QStringList{"WORD", "WORD (DUP)", "WORD (DUP)", "CAN'T", "TWO WORDS"}));
  EXPECT_EQ(WordEntry()->text(), "   ") << "blanks only: nothing added, the box keeps them";
  EXPECT_EQ(GuessList()->currentRow(), 4);

  // A click on the list enters the word too, and gives the entry box the focus back.
  WordEntry()->setText("house");
  QTest::mouseClick(GuessList()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(GuessItems().last(), "HOUSE");
  EXPECT_TRUE(WordEntry()->hasFocus());
  EXPECT_EQ(WordEntry()->text(), "");

  // Text typed but not entered survives into the next game.
  WordEntry()->setText("lef");
  Button("ExitButton")->click();
  EXPECT_EQ(WordEntry()->text(), "lef");
  QTest::mouseClick(GuessList()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(Button("CheckList")->hasFocus());
  EXPECT_EQ(GuessItems().size(), 6);
  Button("CheckList")->click();
  Button("Start")->click();
  EXPECT_EQ(WordEntry()->text(), "lef");
  EXPECT_EQ(GuessList()->count(), 0);
}

TEST_F(MainWinTest, ClickingTilesBuildsTheWordDuringAGameOnly) {
  Window();
  PlaceBoard(kBoard5x5, 5, 5);
  const auto click = [&](int x, int y) {
    QTest::mouseClick(Surface(), Qt::LeftButton, {}, QPoint(x, y));
  };
  click(26 + 30, 14 + 30);  // outside a game nothing happens
  EXPECT_EQ(WordEntry()->text(), "");

  Button("Start")->click();
  EXPECT_EQ(Geometry().BoardLeft, 26);
  EXPECT_EQ(Geometry().BoardTop, 14);
  click(26 + 30, 14 + 30);  // C
  click(26 + 90, 14 + 30);  // A
  click(26 + 90, 14 + 30);  // A again: the same tile may be picked twice
  click(26, 14);            // top-left pixel of the board: C
  click(325, 313);          // last pixel of the last tile: T
  click(330, 100);          // between the board and the guess list: nothing
  click(20, 100);           // left of the board: nothing
  click(100, 314);          // just below the board: nothing
  EXPECT_EQ(WordEntry()->text(), "CAACT");
  EXPECT_EQ(WordEntry()->cursorPosition(), 5);

  // Pressing on one tile and releasing on another appends nothing.
  QTest::mousePress(Surface(), Qt::LeftButton, {}, QPoint(40, 40));
  QTest::mouseRelease(Surface(), Qt::LeftButton, {}, QPoint(100, 40));
  EXPECT_EQ(WordEntry()->text(), "CAACT");
}

TEST_F(MainWinTest, AFourColumnBoardPicksNothingRightOfColumnFour) {
  Window();
  PlaceBoard(kBoard5x5, 4, 4);
  Button("Start")->click();
  EXPECT_EQ(Geometry().BoardLeft, 56);
  EXPECT_EQ(Geometry().BoardTop, 44);

  // Over the board the grid cursor shows; off it, and after the game, the default one.
  QTest::mouseMove(Surface(), QPoint(100, 100));
  EXPECT_EQ(Surface()->cursor().shape(), Qt::BitmapCursor);
  QTest::mouseMove(Surface(), QPoint(320, 100));
  EXPECT_EQ(Surface()->cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(GuessList()->viewport()->cursor().shape(), Qt::BitmapCursor);
  Button("ExitButton")->click();
  EXPECT_EQ(GuessList()->viewport()->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(MainWinTest, PaintsTilesWithTheirLettersOnTheBoardOnly) {
  TMainWin& w = Window();
  w.Settings().ShowBackgroundBitmap = false;
  PlaceBoard("W                        ", 4, 4);
  const QImage shot = Surface()->grab().toImage();
  // The tile of cell 1 at (56, 44): the letter W darkens some of its middle pixels.
  int dark = 0;
  for (int y = 44; y < 104; ++y)
    for (int x = 56; x < 116; ++x)
      if (qGray(shot.pixel(x, y)) < 60) ++dark;
  EXPECT_GT(dark, 40);
  // An empty tile is plain: no glyph-dark pixels inside it.
  int darkEmpty = 0;
  for (int y = 54; y < 94; ++y)
    for (int x = 126; x < 166; ++x)
      if (qGray(shot.pixel(x, y)) < 60) ++darkEmpty;
  EXPECT_EQ(darkEmpty, 0);
  // Off the board the window's own background shows.
  EXPECT_EQ(shot.pixelColor(20, 20), Surface()->palette().color(QPalette::Window));
}

TEST_F(MainWinTest, DictionaryAndBackgroundMenuItemsToggle) {
  TMainWin& w = Window();
  EXPECT_EQ(Menu("MenuAmerican")->text(), "&American Dictionary");
  Menu("MenuAmerican")->trigger();
  EXPECT_FALSE(w.Settings().AmericanDictionary);
  EXPECT_EQ(Menu("MenuAmerican")->text(), "&British Dictionary");
  Menu("MenuAmerican")->trigger();
  EXPECT_EQ(Menu("MenuAmerican")->text(), "&American Dictionary");

  Menu("MenuBackBit")->trigger();
  EXPECT_FALSE(w.Settings().ShowBackgroundBitmap);
  EXPECT_FALSE(Menu("MenuBackBit")->isChecked());
  Menu("MenuBackBit")->trigger();
  EXPECT_TRUE(Menu("MenuBackBit")->isChecked());
}

TEST_F(MainWinTest, HelpAboutAndPrinterSetupGoThroughThePlatform) {
  Window();
  Menu("MenuContents")->trigger();
  ASSERT_EQ(platform.helpShown.size(), 1u);
  EXPECT_EQ(platform.helpShown[0], QString(TOLVANE_PROGRAM_DIR) + "/TOLVANE.HLP");
  Menu("MenuAbout")->trigger();
  Menu("MenuProducts")->trigger();
  EXPECT_EQ(platform.dialogsShown.size(), 2u);
  Menu("MenuSetup")->trigger();
  EXPECT_EQ(platform.printerSetups, 1);
}

TEST_F(MainWinTest, ExitDuringAGameClosesTheProgramWithoutAScore) {
  TMainWin& w = Window();
  Button("Scramble")->click();
  Button("Start")->click();
  Menu("MenuExit")->trigger();
  EXPECT_FALSE(w.isVisible());
  EXPECT_TRUE(platform.dialogsShown.empty());
}

}  // namespace
