#include <QMenu>
#include <QMenuBar>
#include <set>

#include "history/todays_board.h"
#include "history/utc_time.h"
#include "tests/app/main_win_fixture.h"

namespace {

class MainWinBoardCodeTest : public MainWinTest {};

TEST_F(MainWinBoardCodeTest, ACopiedCodePlaysTheSameBoardElsewhereAndABadOneChangesNothing) {
  PlaceBoard("ABCDEFGHIJKLMNOPQRST     ", 4, 5);
  Menu("MenuCopyCode")->trigger();
  const QString code = platform.clipboard;
  EXPECT_EQ(code.left(4), "4X5-");

  // Another machine: a fresh window on a 5 x 5 board.
  window.reset();
  PlaceBoard("ZZZZZZZZZZZZZZZZZZZZZZZZZ", 5, 5);
  Button("Scramble")->setEnabled(false);
  const auto before = Window().Board().Letters;
  for (const QString& bad :
       {QString(), QString("4X5-ÄBCD"), code.left(code.size() - 1) + "?", QString(10000, 'A')}) {
    platform.textAnswers = {bad};
    Menu("MenuPlayCode")->trigger();
    EXPECT_EQ(Window().Board().Letters, before);
    EXPECT_EQ(Window().Settings().Height, 5);
  }
  EXPECT_EQ(platform.messages.size(), 4u);
  // As pasted from a chat: a no-break space before it, a line break after it.
  platform.textAnswers = {QChar(0xA0) + code.toLower() + "\r\n"};
  Menu("MenuPlayCode")->trigger();
  EXPECT_EQ(platform.messages.size(), 4u);
  EXPECT_EQ(Window().Settings().Height, 4);
  EXPECT_EQ(Window().Settings().Width, 5);
  EXPECT_EQ(Window().Board().Letters[20], 'T');
  EXPECT_FALSE(Window().Board().CellOnBoard[21]);
  EXPECT_TRUE(Button("Start")->isEnabled());
}

TEST_F(MainWinBoardCodeTest, TodaysBoardIsTheDaysBoardAndWaitsBetweenGames) {
  Window();
  Menu("MenuPlayToday")->trigger();
  const PuzzleRecord today = TodaysBoard(DayNumber(platform.utcSeconds));
  for (int cell = 1; cell <= 25; ++cell)
    EXPECT_EQ(Window().Board().Letters[cell], today.PuzzleLetters[static_cast<size_t>(cell - 1)]);
  EXPECT_TRUE(Button("Start")->isEnabled());
  Button("Start")->click();
  EXPECT_FALSE(Menu("MenuPlayToday")->isEnabled());
  EXPECT_FALSE(Menu("MenuPlayCode")->isEnabled());
  Button("ExitButton")->click();
  EXPECT_TRUE(Menu("MenuPlayToday")->isEnabled());
}

TEST_F(MainWinBoardCodeTest, NoTwoItemsOfAMenuShareAMnemonic) {
  for (QMenu* menu : Window().menuBar()->findChildren<QMenu*>()) {
    std::set<QChar> taken;
    for (const QAction* action : menu->actions()) {
      const QString text = action->text();
      const qsizetype amp = text.indexOf('&');
      if (amp < 0 || amp + 1 >= text.size()) continue;
      EXPECT_TRUE(taken.insert(text[amp + 1].toLower()).second)
          << menu->title().toStdString() << ": " << text.toStdString();
    }
  }
}

}  // namespace
