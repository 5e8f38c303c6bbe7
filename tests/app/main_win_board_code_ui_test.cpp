#include <QMenu>
#include <QMenuBar>
#include <functional>
#include <set>

#include "history/board_code.h"
#include "history/history_row.h"
#include "history/todays_board.h"
#include "history/utc_time.h"
#include "platform/game_history.h"
#include "settings/puzzle_file.h"
#include "tests/app/main_win_fixture.h"
#include "tests/newest_games.h"

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
  EXPECT_FALSE(Menu("MenuPlayToday")->isEnabled()) << "the game's list is not checked yet";
  platform.onExec = [](QDialog& dialog) { dialog.hide(); };
  Button("CheckList")->click();
  EXPECT_TRUE(Menu("MenuPlayToday")->isEnabled());
  EXPECT_TRUE(Menu("MenuPlayCode")->isEnabled());
}

// A puzzle played, CAT and DOG entered, the game aborted and not checked yet; then a way
// to another board. Our own boards wait for Check List as Scramble does; a puzzle opened
// or designed takes the window's board, but Check List still judges the guesses on the
// board they were entered on, and that is the board the history records.
TEST_F(MainWinBoardCodeTest, AGameNotCheckedYetIsJudgedAndRecordedOnTheBoardItWasPlayedOn) {
  const std::string played = "CATS EARN DOGE LIME      ";
  const std::string other = "ZZZZ ZZZZ ZZZZ ZZZZ      ";
  const auto writePuzzle = [&](const char* name, const std::string& letters) {
    LetterGrid grid;
    std::copy(letters.begin(), letters.end(), grid.Letters.begin() + 1);
    grid.ComputeCellOnBoard(4, 4);
    PuzzleRecord record = PuzzleRecordFromBoard(grid, 4, 4);
    const QString path = dir.filePath(name);
    EXPECT_EQ(WritePuzzleFile(path.toStdString(), record), PuzzleSaveResult::Ok);
    return path;
  };
  LetterGrid otherGrid;
  std::copy(other.begin(), other.end(), otherGrid.Letters.begin() + 1);
  otherGrid.ComputeCellOnBoard(4, 4);
  const QString playedFile = writePuzzle("played.TVN", played);
  const QString otherFile = writePuzzle("other.TVN", other);
  const auto letters = [&] {
    return std::string(Window().Board().Letters.begin() + 1, Window().Board().Letters.end());
  };

  struct Way {
    const char* name;
    std::function<void()> take;
    bool boardTaken;
  };
  const std::vector<Way> ways = {
      {"Play Board Code",
       [&] {
         platform.textAnswers = {QString::fromStdString(*BoardCode(otherGrid, 4, 4))};
         Menu("MenuPlayCode")->trigger();
       },
       false},
      {"Play Today's Board", [&] { Menu("MenuPlayToday")->trigger(); }, false},
      {"Language",
       [&] {
         if (Menu("MenuLanguage")->isEnabled()) Menu("MenuLanguage_de")->trigger();
       },
       false},
      {"Play This Board Again",
       [&] {
         platform.onExec = [](QDialog& dialog) {
           auto* again = dialog.findChild<QPushButton*>("PlayAgainButton");
           if (!again) return;
           EXPECT_FALSE(again->isEnabled());
           again->click();
         };
         Menu("MenuHistory")->trigger();
       },
       false},
      {"Open Puzzle",
       [&] {
         platform.openAnswers = {otherFile};
         Menu("MenuOpen")->trigger();
       },
       true},
      {"Design Puzzle",
       [&] {
         platform.onExec = [](QDialog& dialog) {
           if (dialog.objectName() != "DesignIt") return;
           for (int row = 1; row <= 4; ++row)
             for (int column = 1; column <= 4; ++column)
               dialog.findChild<QLineEdit*>("Box" + QString::number((row - 1) * 5 + column))
                   ->setText("Z");
           dialog.findChild<QPushButton*>("PlayPuzzle")->click();
         };
         Menu("MenuDesign")->trigger();
       },
       true},
  };
  // One game checked first, so that the history has a board to play again.
  PlaceBoard(other.c_str(), 4, 4);
  Button("Start")->click();
  Button("ExitButton")->click();
  platform.onExec = [](QDialog& dialog) { dialog.hide(); };
  Button("CheckList")->click();

  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    platform.openAnswers = {playedFile};
    Menu("MenuOpen")->trigger();
    Button("Start")->click();
    Type("CAT");
    Type("DOG");
    Button("ExitButton")->click();
    way.take();
    EXPECT_EQ(letters(), way.boardTaken ? other : played);

    QStringList valid;
    platform.onExec = [&](QDialog& dialog) {
      if (auto* list = dialog.findChild<QListWidget*>("ValidWords"))
        for (int row = 0; row < list->count(); ++row) valid << list->item(row)->text();
      dialog.hide();
    };
    Button("CheckList")->click();
    EXPECT_EQ(valid, (QStringList{"CAT", "DOG"}));
    const HistoryRow newest =
        platform.History()->Game(NewestGames(*platform.History()).front());
    EXPECT_EQ(newest.Letters, played);
    EXPECT_EQ(newest.Guesses, "CAT:V:1|DOG:V:1");
    EXPECT_EQ(newest.BoardOfTheDay, "");
    platform.utcSeconds += 60;
  }
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
