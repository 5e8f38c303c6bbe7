#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <string>

#include "tests/windows/options/option_dialog_driver.h"
#include "windows/options/design_it.h"

namespace {

QLineEdit* Box(QWidget& dialog, int i) {
  return dialog.findChild<QLineEdit*>("Box" + QString::number(i));
}

class DesignItTest : public ::testing::Test {
 protected:
  DesignItTest() {
    host.settings.Height = 4;
    host.settings.Width = 5;
    host.board.ComputeCellOnBoard(4, 5);
    for (int cell = 1; cell <= LetterGrid::kCells; ++cell) host.board.Letters[cell] = 'Q';
  }

  // Types into the boxes on the board, row by row, one character of `letters` each; a
  // blank leaves that box empty.
  void TypeBoard(const std::string& letters) {
    int next = 0;
    for (int row = 1; row <= host.settings.Height; ++row)
      for (int column = 1; column <= host.settings.Width; ++column) {
        QLineEdit* box = Box(dialog, LetterGrid::CellIndex(row, column));
        const char letter = letters[next++];
        if (letter != ' ') QTest::keyClicks(box, QString(QChar(letter)));
      }
  }

  std::string BoardLetters() const {
    return std::string(host.board.Letters.begin() + 1, host.board.Letters.end());
  }

  FakeGameHost host;
  TDesignIt dialog{host};
};

TEST_F(DesignItTest, OffersOneEmptyBoxPerCellOfTheBoardWithTheFocusOnTheFirst) {
  QTest::keyClicks(Box(dialog, 3), "K");  // emptied again on showing
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), "Design Own Puzzle");
  for (int i = 1; i <= 25; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(Box(dialog, i)->isVisible(), i <= 20);
    EXPECT_EQ(Box(dialog, i)->isEnabled(), i <= 20);
    EXPECT_TRUE(Box(dialog, i)->text().isEmpty());
  }
  EXPECT_EQ(Box(dialog, 7)->geometry(), QRect(45, 45, 29, 29));
  EXPECT_EQ(FocusName(dialog), "Box1");
}

TEST_F(DesignItTest, TakesLettersOnlyAndEnterPressesNoButton) {
  dialog.show();
  QTest::keyClicks(Box(dialog, 1), "1");
  QKeyEvent accented(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QString::fromUtf8("é"));
  QApplication::sendEvent(Box(dialog, 2), &accented);
  QTest::keyClicks(Box(dialog, 3), "ab");
  EXPECT_TRUE(Box(dialog, 1)->text().isEmpty());
  EXPECT_TRUE(Box(dialog, 2)->text().isEmpty());
  EXPECT_EQ(Box(dialog, 3)->text(), "a");

  QTest::keyClick(Box(dialog, 3), Qt::Key_Return);
  EXPECT_TRUE(StillOpen(dialog));
  EXPECT_TRUE(host.platform.messages.empty());
}

// In German a box takes the German tiles as typed, and any other letter folded to one:
// ä is Ä, é is E; ß would be two tiles and a digit none.
TEST(DesignItLanguageTest, TakesTheLanguagesLettersFoldedToItsTiles) {
  FakeGameHost host;
  host.settings.LanguageCode = "de";
  host.board.ComputeCellOnBoard(4, 4);
  TDesignIt dialog{host};
  dialog.show();
  const std::pair<const char*, QString> typed[] = {{"ä", "Ä"}, {"Ü", "Ü"}, {"é", "E"},
                                                   {"ß", ""},  {"1", ""},  {"ñ", "N"}};
  int box = 1;
  for (const auto& [letter, shown] : typed) {
    QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8(letter));
    QApplication::sendEvent(Box(dialog, box), &key);
    EXPECT_EQ(Box(dialog, box)->text(), shown) << letter;
    ++box;
  }
  for (int cell = 1; cell <= 25; ++cell)
    if (Box(dialog, cell)->isEnabled() && Box(dialog, cell)->text().isEmpty())
      QTest::keyClicks(Box(dialog, cell), "a");
  dialog.findChild<QPushButton*>("PlayPuzzle")->click();
  EXPECT_EQ(std::string(host.board.Letters.begin() + 1, host.board.Letters.begin() + 5),
            "\xC4\xDC"
            "EA");
}

TEST_F(DesignItTest, EveryButtonButExitReportsTheFirstEmptyBoxAndDoesNothingMore) {
  dialog.show();
  TypeBoard(
      "ABCDE"
      "F HIJ"
      "KLM O"
      "PQRST");
  for (const char* button : {"SavePuzzle", "SaveAndPlay", "PlayPuzzle"}) {
    SCOPED_TRACE(button);
    Box(dialog, 1)->setFocus();
    ClickOn(dialog, button);
    ExpectOneError(host, dialog, "Not all letters have been filled in.");
    EXPECT_EQ(FocusName(dialog), "Box7");
    EXPECT_TRUE(StillOpen(dialog));
  }
  EXPECT_TRUE(host.savedPuzzles.empty());
  EXPECT_EQ(host.boardLoaded, 0);
  EXPECT_EQ(BoardLetters(), std::string(25, 'Q'));

  ClickOn(dialog, "ExitButton");
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_TRUE(host.platform.messages.empty());
  EXPECT_EQ(BoardLetters(), std::string(25, 'Q'));
}

TEST_F(DesignItTest, SavingKeepsTheDialogOpenAndTheBoardAsItWasUntilPlayed) {
  dialog.show();
  TypeBoard(
      "abcde"
      "FGHIJ"
      "klmno"
      "PQRSz");
  ClickOn(dialog, "SavePuzzle");
  ASSERT_EQ(host.savedPuzzles.size(), 1u);
  const PuzzleRecord& saved = host.savedPuzzles[0];
  const std::string expected = "ABCDEFGHIJKLMNOPQRSZ     ";
  EXPECT_EQ(std::string(saved.PuzzleLetters.begin(), saved.PuzzleLetters.end()), expected);
  EXPECT_EQ(saved.PuzzleHeight, 4);
  EXPECT_EQ(saved.PuzzleWidth, 5);
  EXPECT_TRUE(StillOpen(dialog));
  EXPECT_EQ(BoardLetters(), std::string(25, 'Q'));

  ClickOn(dialog, "PlayPuzzle");
  EXPECT_TRUE(Accepted(dialog));
  EXPECT_EQ(host.savedPuzzles.size(), 1u);
  EXPECT_EQ(BoardLetters(), expected);
  EXPECT_EQ(host.boardLoaded, 1);
  EXPECT_EQ(host.settings.Height, 4);
  EXPECT_EQ(host.settings.Width, 5);
  EXPECT_FALSE(host.board.CellOnBoard[21]);
}

TEST_F(DesignItTest, SaveAndPlayPlaysEvenWhenTheSaveWasCancelled) {
  host.saveSucceeds = false;
  dialog.show();
  TypeBoard(std::string(20, 'e'));
  ClickOn(dialog, "SaveAndPlay");
  EXPECT_EQ(host.savedPuzzles.size(), 1u);
  EXPECT_TRUE(Accepted(dialog));
  EXPECT_EQ(BoardLetters(), std::string(20, 'E') + std::string(5, ' '));
  EXPECT_EQ(host.boardLoaded, 1);
}

}  // namespace
