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
#include "game/gauge.h"
#include "tests/app/main_win_fixture.h"
#include "words/show_score.h"

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
  EXPECT_EQ(w.Surface->size(), QSize(632, 418));
  EXPECT_EQ(w.GuessPanel->geometry(), QRect(348, 12, 181, 25));
  EXPECT_EQ(w.GuessList->geometry(), QRect(348, 40, 181, 333));
  EXPECT_EQ(w.CheckList->geometry(), QRect(348, 380, 181, 33));
  EXPECT_EQ(w.ExitButton->geometry(), QRect(544, 380, 81, 33));
  EXPECT_EQ(w.Scramble->geometry(), QRect(28, 328, 145, 33));
  EXPECT_EQ(w.Start->geometry(), QRect(184, 328, 145, 33));
  EXPECT_EQ(w.WordPanel->geometry(), QRect(12, 372, 329, 37));
  EXPECT_EQ(w.WordEntry->geometry(), QRect(92, 4, 233, 29));
  EXPECT_EQ(w.WordLabel->pos(), QPoint(24, 9));
  EXPECT_EQ(w.TimeHeadPanel->geometry(), QRect(548, 12, 69, 53));
  EXPECT_EQ(w.TimePanel->geometry(), QRect(2, 26, 65, 25));
  EXPECT_EQ(w.MyGauge->geometry(), QRect(556, 76, 53, 297));

  EXPECT_EQ(w.GuessLabel->text(), "Word Guesses");
  EXPECT_EQ(w.WordLabel->text(), "Word");
  EXPECT_TRUE(w.WordLabel->font().bold());
  EXPECT_EQ(w.WordLabel->font().pixelSize(), 18);
  EXPECT_EQ(w.TimerLabel->text(), "Timer");
  EXPECT_EQ(w.TimePanel->text(), "00:00:00");
  EXPECT_EQ(w.TimePanel->font().pixelSize(), 15);
  EXPECT_EQ(w.Start->font().family(), "Arial");
  EXPECT_EQ(w.Start->font().pixelSize(), 17);
  EXPECT_EQ(w.GuessPanel->palette().color(QPalette::Window), QColor(0, 128, 128));
  EXPECT_EQ(w.GuessList->font().pointSize(), 9);
  EXPECT_TRUE(w.N640x480->isChecked());
  EXPECT_TRUE(w.MenuBackBit->isChecked());
  EXPECT_EQ(w.GridCursor.bitmap().size(), QSize(32, 32));
  EXPECT_EQ(w.GridCursor.hotSpot(), QPoint(0, 0));

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

  const QList<QAction*> sizes = Window().N640x480->actionGroup()->actions();
  ASSERT_EQ(sizes.size(), 4);
  const char* sizeShortcuts[] = {"Ctrl+F1", "Ctrl+F2", "Ctrl+F3", "Ctrl+F4"};
  const char* sizeCaptions[] = {"640x480", "800x600", "1024x768", "1280x1024"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(sizes[i]->text(), sizeCaptions[i]);
    EXPECT_EQ(sizes[i]->shortcut().toString(), sizeShortcuts[i]);
    EXPECT_TRUE(sizes[i]->isCheckable());
  }
}

TEST_F(MainWinTest, ScrambleAnimatesEveryCellWithTheControlsHidden) {
  TMainWin& w = Window();
  w.GuessList->addItem("OLD");
  int readsWhileHidden = 0;
  int reads = 0;
  platform.clock.onRead = [&] {
    ++reads;
    if (!w.Scramble->isVisible() && !w.GuessList->isVisible() && !w.MyGauge->isVisible())
      ++readsWhileHidden;
  };
  platform.random.ranges.clear();
  w.Scramble->click();
  platform.clock.onRead = nullptr;

  EXPECT_GT(reads, 0);
  EXPECT_EQ(readsWhileHidden, reads);
  EXPECT_TRUE(w.Scramble->isVisible());
  EXPECT_TRUE(w.GuessList->isVisible());
  EXPECT_FALSE(w.ScrambleAnimation);
  EXPECT_EQ(w.GuessList->count(), 0);
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
  w.Scramble->click();
  w.Start->click();
  ExpectState({false, false, false, true, "Abort", false, false, false, false, false}, "running");
  EXPECT_TRUE(w.WordEntry->hasFocus());
  EXPECT_TRUE(platform.ticker->IsActive());
  EXPECT_TRUE(w.GameRunning);
  // Menu items other than the five stay available during a game.
  EXPECT_TRUE(w.MenuAmerican->isEnabled());
  EXPECT_TRUE(w.MenuTimer->isEnabled());

  Type("cat");
  w.ExitButton->click();  // "Abort"
  ExpectState({false, false, true, false, "E&xit", true, true, true, true, true}, "game over");
  EXPECT_TRUE(w.CheckList->hasFocus());
  EXPECT_FALSE(platform.ticker->IsActive());
  EXPECT_FALSE(w.GameRunning);
  EXPECT_TRUE(w.isVisible()) << "Abort ends the game, not the program";

  platform.onExec = [&](QDialog& dialog) { dialog.close(); };
  w.CheckList->click();
  ASSERT_EQ(platform.dialogsShown.size(), 1u);
  EXPECT_EQ(platform.dialogsShown[0], static_cast<QDialog*>(w.ShowScore));
  ExpectState({true, true, true, false, "E&xit", true, true, true, true, true}, "checked");

  // From "Checked", Start replays the same board with an empty list.
  const auto letters = w.Board().Letters;
  w.Start->click();
  EXPECT_EQ(w.GuessList->count(), 0);
  EXPECT_EQ(w.Board().Letters, letters);
}

TEST_F(MainWinTest, AThreeMinuteGameWarnsAt170AndEndsAt180) {
  TMainWin& w = Window();
  w.Scramble->click();
  w.Start->click();
  EXPECT_EQ(w.GameSeconds, 180);
  Tick(169);
  EXPECT_TRUE(platform.sound.played.empty());
  Tick();
  EXPECT_EQ(platform.sound.played, std::vector<std::string>{"async:TENSECS.WAV"});
  EXPECT_EQ(w.TimePanel->text(), "00:02:50");
  Tick(9);
  EXPECT_TRUE(w.GameRunning);
  EXPECT_TRUE(platform.messages.empty());
  Tick();
  EXPECT_FALSE(w.GameRunning);
  EXPECT_EQ(w.TimePanel->text(), "00:03:00");
  EXPECT_EQ(w.MyGauge->Progress(), 180);
  EXPECT_EQ(w.MyGauge->PercentDone(), 100);
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
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.minutes << ":" << c.seconds << " mode " << c.notification);
    platform.sound.played.clear();
    platform.messages.clear();
    w.Settings().Minutes = c.minutes;
    w.Settings().Seconds = c.seconds;
    w.Settings().TimeUpNotification = c.notification;
    w.Scramble->setEnabled(true);
    w.Start->setEnabled(true);
    w.Start->click();
    Tick(c.ticksToEnd - 1);
    EXPECT_TRUE(w.GameRunning);
    Tick();
    EXPECT_FALSE(w.GameRunning);
    EXPECT_EQ(platform.sound.played, c.sounds);
    EXPECT_EQ(platform.messages.size(), c.message ? 1u : 0u);
    EXPECT_EQ(w.MyGauge->PercentDone(), 100);
  }
}

TEST_F(MainWinTest, GuessesAreTrimmedUpperCasedAndRepeatsMarked) {
  TMainWin& w = Window();
  w.Scramble->click();
  w.Start->click();
  Type(" word ");
  Type("word");
  Type("WORD");
  Type("can't");
  Type("two words");
  Type("   ");
  EXPECT_EQ(w.GuessItems(),
            (QStringList{"WORD", "WORD (DUP)", "WORD (DUP)", "CAN'T", "TWO WORDS"}));
  EXPECT_EQ(w.WordEntry->text(), "   ") << "blanks only: nothing added, the box keeps them";
  EXPECT_EQ(w.GuessList->currentRow(), 4);

  // A click on the list enters the word too, and gives the entry box the focus back.
  w.WordEntry->setText("house");
  QTest::mouseClick(w.GuessList->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(w.GuessItems().last(), "HOUSE");
  EXPECT_TRUE(w.WordEntry->hasFocus());
  EXPECT_EQ(w.WordEntry->text(), "");

  // Text typed but not entered survives into the next game.
  w.WordEntry->setText("lef");
  w.ExitButton->click();
  EXPECT_EQ(w.WordEntry->text(), "lef");
  QTest::mouseClick(w.GuessList->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(w.CheckList->hasFocus());
  EXPECT_EQ(w.GuessItems().size(), 6);
  w.Start->setEnabled(true);
  w.Start->click();
  EXPECT_EQ(w.WordEntry->text(), "lef");
  EXPECT_EQ(w.GuessList->count(), 0);
}

TEST_F(MainWinTest, ClickingTilesBuildsTheWordDuringAGameOnly) {
  TMainWin& w = Window();
  PlaceBoard(kBoard5x5, 5, 5);
  const auto click = [&](int x, int y) {
    QTest::mouseClick(w.Surface, Qt::LeftButton, {}, QPoint(x, y));
  };
  click(26 + 30, 14 + 30);  // outside a game nothing happens
  EXPECT_EQ(w.WordEntry->text(), "");

  w.Start->setEnabled(true);
  w.Start->click();
  EXPECT_EQ(w.BoardLeft, 26);
  EXPECT_EQ(w.BoardTop, 14);
  click(26 + 30, 14 + 30);  // C
  click(26 + 90, 14 + 30);  // A
  click(26 + 90, 14 + 30);  // A again: the same tile may be picked twice
  click(26, 14);            // top-left pixel of the board: C
  click(325, 313);          // last pixel of the last tile: T
  click(330, 100);          // between the board and the guess list: nothing
  click(20, 100);           // left of the board: nothing
  click(100, 314);          // just below the board: nothing
  EXPECT_EQ(w.WordEntry->text(), "CAACT");
  EXPECT_EQ(w.WordEntry->cursorPosition(), 5);

  // Pressing on one tile and releasing on another appends nothing.
  QTest::mousePress(w.Surface, Qt::LeftButton, {}, QPoint(40, 40));
  QTest::mouseRelease(w.Surface, Qt::LeftButton, {}, QPoint(100, 40));
  EXPECT_EQ(w.WordEntry->text(), "CAACT");

  EXPECT_EQ(w.GetLetterIndex(26, 14), 1);
  EXPECT_EQ(w.GetLetterIndex(85, 73), 1);
  EXPECT_EQ(w.GetLetterIndex(86, 74), 7);
  EXPECT_EQ(w.GetLetterIndex(326, 100), -1);
}

TEST_F(MainWinTest, AFourColumnBoardPicksNothingRightOfColumnFour) {
  TMainWin& w = Window();
  PlaceBoard(kBoard5x5, 4, 4);
  w.Start->setEnabled(true);
  w.Start->click();
  EXPECT_EQ(w.BoardLeft, 56);
  EXPECT_EQ(w.BoardTop, 44);
  EXPECT_EQ(w.GetLetterIndex(56 + 4 * 60 - 1, 50), 4);
  EXPECT_EQ(w.GetLetterIndex(56 + 4 * 60, 50), -1);
  EXPECT_EQ(w.GetLetterIndex(60, 44 + 4 * 60), -1);

  // Over the board the grid cursor shows; off it, and after the game, the default one.
  QTest::mouseMove(w.Surface, QPoint(100, 100));
  EXPECT_EQ(w.Surface->cursor().shape(), Qt::BitmapCursor);
  QTest::mouseMove(w.Surface, QPoint(320, 100));
  EXPECT_EQ(w.Surface->cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(w.GuessList->viewport()->cursor().shape(), Qt::BitmapCursor);
  w.ExitButton->click();
  EXPECT_EQ(w.GuessList->viewport()->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(MainWinTest, PaintsTilesWithTheirLettersOnTheBoardOnly) {
  TMainWin& w = Window();
  w.Settings().ShowBackgroundBitmap = false;
  PlaceBoard("W                        ", 4, 4);
  const QImage shot = w.Surface->grab().toImage();
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
  EXPECT_EQ(shot.pixelColor(20, 20), w.Surface->palette().color(QPalette::Window));
}

TEST_F(MainWinTest, DictionaryAndBackgroundMenuItemsToggle) {
  TMainWin& w = Window();
  EXPECT_EQ(w.MenuAmerican->text(), "&American Dictionary");
  w.MenuAmerican->trigger();
  EXPECT_FALSE(w.Settings().AmericanDictionary);
  EXPECT_EQ(w.MenuAmerican->text(), "&British Dictionary");
  w.MenuAmerican->trigger();
  EXPECT_EQ(w.MenuAmerican->text(), "&American Dictionary");

  w.MenuBackBit->trigger();
  EXPECT_FALSE(w.Settings().ShowBackgroundBitmap);
  EXPECT_FALSE(w.MenuBackBit->isChecked());
  w.MenuBackBit->trigger();
  EXPECT_TRUE(w.MenuBackBit->isChecked());
}

TEST_F(MainWinTest, HelpAboutAndPrinterSetupGoThroughThePlatform) {
  TMainWin& w = Window();
  w.MenuContents->trigger();
  ASSERT_EQ(platform.helpShown.size(), 1u);
  EXPECT_EQ(platform.helpShown[0], QString(TOLVANE_PROGRAM_DIR) + "/TOLVANE.HLP");
  w.MenuAbout->trigger();
  w.MenuProducts->trigger();
  EXPECT_EQ(platform.dialogsShown.size(), 2u);
  w.MenuSetup->trigger();
  EXPECT_EQ(platform.printerSetups, 1);
}

TEST_F(MainWinTest, ExitDuringAGameClosesTheProgramWithoutAScore) {
  TMainWin& w = Window();
  w.Scramble->click();
  w.Start->click();
  w.MenuExit->trigger();
  EXPECT_FALSE(w.isVisible());
  EXPECT_TRUE(platform.dialogsShown.empty());
}

}  // namespace
