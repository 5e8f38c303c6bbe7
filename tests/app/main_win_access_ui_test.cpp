#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QTest>

#include "tests/app/main_win_fixture.h"
#include "windows/play/board_tiles.h"

namespace {

const char* const kBoard = kWordyBoard;

// A player with the keyboard alone: Tab from the word box to the board, the arrows to a
// tile, Space to pick its letter, Backspace to take one back and Enter to enter the word;
// each step is told to a screen reader, and the player stays on the board throughout.
TEST_F(MainWinTest, AKeyboardOnlyPlayerPicksAWordFromTheBoardAndHearsEachStep) {
  PlaceBoard(kBoard, 4, 4);
  Button("Start")->click();
  auto* tiles = Find<TBoardTiles>("BoardTiles");
  ASSERT_TRUE(WordEntry()->hasFocus());
  QTest::keyClick(WordEntry(), Qt::Key_Tab);
  ASSERT_TRUE(tiles->hasFocus());
  QCoreApplication::processEvents();
  EXPECT_EQ(platform.alerts,
            (std::vector<QString>{"New board, 4 by 4", "Game started, 3 minutes"}));
  platform.alerts.clear();

  QTest::keyClick(tiles, Qt::Key_Left);  // stays at the edge
  QTest::keyClick(tiles, Qt::Key_Up);
  QTest::keyClick(tiles, Qt::Key_Space);  // C
  QTest::keyClick(tiles, Qt::Key_Right);
  QTest::keyClick(tiles, Qt::Key_Space);  // A
  QTest::keyClick(tiles, Qt::Key_Down);
  QTest::keyClick(tiles, Qt::Key_Space);  // O
  QTest::keyClick(tiles, Qt::Key_Backspace);
  QTest::keyClick(tiles, Qt::Key_Right);
  QTest::keyClick(tiles, Qt::Key_Up);
  QTest::keyClick(tiles, Qt::Key_Space);  // T
  EXPECT_EQ(WordEntry()->text(), "CAT");
  QAccessibleInterface* board = QAccessible::queryAccessibleInterface(tiles);
  EXPECT_EQ(board->text(QAccessible::Name), "Board, 4 by 4");
  EXPECT_TRUE(board->tableInterface()->cellAt(0, 1)->state().selected);
  EXPECT_FALSE(board->tableInterface()->cellAt(1, 1)->state().selected) << "taken back";
  EXPECT_TRUE(board->focusChild()->state().focused);
  EXPECT_EQ(board->focusChild()->text(QAccessible::Name), "T, row 1, column 3");

  QTest::keyClick(tiles, Qt::Key_Return);
  EXPECT_EQ(GuessItems(), QStringList{"CAT"});
  EXPECT_EQ(WordEntry()->text(), "");
  EXPECT_TRUE(tiles->hasFocus()) << "the player goes on picking";
  EXPECT_EQ(board->tableInterface()->selectedCellCount(), 0);
  QCoreApplication::processEvents();
  EXPECT_EQ(platform.alerts, (std::vector<QString>{"C — C", "A — CA", "O — CAO", "back — CA",
                                                   "T — CAT", "CAT entered"}));

  // The same rules as a click: no neighbour rule, a tile may be picked again.
  for (int times = 0; times < 2; ++times) QTest::keyClick(tiles, Qt::Key_Space);
  EXPECT_EQ(WordEntry()->text(), "TT");

  // Tab goes on to the guesses and Abort, and back the same way.
  const char* const order[] = {"BoardTiles", "GuessList", "ExitButton", "WordEntry"};
  for (int step = 1; step <= 4; ++step) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), order[step % 4]);
  }
  for (int step = 3; step >= 0; --step) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), order[step]);
  }

  Button("ExitButton")->click();  // Abort
  EXPECT_EQ(tiles->focusPolicy(), Qt::NoFocus) << "outside a game the board takes no keys";
}

TEST_F(MainWinTest, StartSaysHowLongTheGameLasts) {
  const struct {
    int minutes, seconds;
    const char* said;
  } lengths[] = {{3, 0, "Game started, 3 minutes"},
                 {2, 30, "Game started, 2 minutes 30 seconds"},
                 {1, 1, "Game started, 1 minute 1 second"},
                 {0, 45, "Game started, 45 seconds"}};
  for (const auto& length : lengths) {
    PlaceBoard(kBoard, 4, 4);
    Window().Settings().Minutes = length.minutes;
    Window().Settings().Seconds = length.seconds;
    QCoreApplication::processEvents();
    platform.alerts.clear();
    Button("Start")->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(platform.alerts, std::vector<QString>{length.said});
    Button("ExitButton")->click();
  }
}

// The warning and the end are spoken whatever the chimes do.
TEST_F(MainWinTest, TheWarningAndTheEndRaiseAlerts) {
  TMainWin& w = Window();
  PlaceBoard(kBoard, 4, 4);
  w.Settings().Minutes = 0;
  w.Settings().Seconds = 12;
  w.Settings().TimeUpNotification = 2;  // no chimes
  Button("Start")->click();
  Tick();
  EXPECT_TRUE(platform.alerts.empty());
  Tick();
  EXPECT_EQ(platform.alerts, std::vector<QString>{"10 seconds left"});
  Tick(10);
  EXPECT_EQ(platform.alerts, (std::vector<QString>{"10 seconds left", "Time is up."}));
  EXPECT_TRUE(platform.sound.played.empty());

  QAccessibleInterface* gauge = QAccessible::queryAccessibleInterface(Find<TGauge>("MyGauge"));
  EXPECT_EQ(gauge->valueInterface()->currentValue().toInt(), 100);
  EXPECT_EQ(gauge->text(QAccessible::Value), "100%");
}

}  // namespace
