#include <gtest/gtest.h>

#include "tests/windows/options/option_dialog_driver.h"
#include "windows/options/number_dialog.h"

namespace {

TEST(WordLengthDialogTest, RefusesALengthOutOfRangeAndStoresAGoodOneWithEnter) {
  FakeGameHost host;
  host.settings.MinimumWordLength = 4;
  host.platform.onExec = [&](QDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "Word Length");
    EXPECT_EQ(FieldNamed(dialog, "MinWordLen")->text(), "4");
    EXPECT_EQ(FieldNamed(dialog, "MinWordLen")->maxLength(), 1);

    for (const char* bad : {"8", "2", "x"}) {
      TypeInto(dialog, "MinWordLen", bad);
      ClickOn(dialog, "OkButton");
      ExpectOneError(host, dialog,
                     "Invalid minimum word length.  Minimum word length should be between 3 "
                     "and 7.");
      EXPECT_EQ(FocusName(dialog), "MinWordLen");
      EXPECT_TRUE(StillOpen(dialog));
      EXPECT_EQ(host.settings.MinimumWordLength, 4);
    }

    TypeInto(dialog, "MinWordLen", "7");
    QTest::keyClick(FieldNamed(dialog, "MinWordLen"), Qt::Key_Return);
    EXPECT_TRUE(Accepted(dialog));
  };
  ShowDialog<TNumberDialog>(host, NumberDialog::WordLength);
  ASSERT_EQ(host.platform.dialogsShown.size(), 1u);
  EXPECT_EQ(host.settings.MinimumWordLength, 7);
  EXPECT_TRUE(host.platform.messages.empty());
}

TEST(WordLengthDialogTest, ClosingWithoutOkStoresNothing) {
  FakeGameHost host;
  TNumberDialog dialog(host, NumberDialog::WordLength);
  dialog.show();
  TypeInto(dialog, "MinWordLen", "6");
  dialog.close();
  EXPECT_EQ(host.settings.MinimumWordLength, 3);
}

TEST(GuessColumnsDialogTest, AppliesAGoodCountAtOnceAndRefusesOthers) {
  FakeGameHost host;
  TNumberDialog dialog(host, NumberDialog::GuessColumns);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), "Guess List");
  EXPECT_EQ(FieldNamed(dialog, "NumGuessCol")->text(), "2");
  for (const char* bad : {"0", "4"}) {
    TypeInto(dialog, "NumGuessCol", bad);
    ClickOn(dialog, "OkButton");
    ExpectOneError(host, dialog,
                   "Invalid number of columns specified.  Columns should be between 1 and 3.");
    EXPECT_EQ(FocusName(dialog), "NumGuessCol");
    EXPECT_EQ(host.guessListLookChanged, 0);
  }
  TypeInto(dialog, "NumGuessCol", "1");
  ClickOn(dialog, "OkButton");
  EXPECT_TRUE(Accepted(dialog));
  EXPECT_EQ(host.settings.GuessListColumns, 1);
  EXPECT_EQ(host.guessListLookChanged, 1);
}

class DimensionsDialogTest : public ::testing::Test {
 protected:
  DimensionsDialogTest() {
    host.board.ComputeCellOnBoard(4, 4);
    for (int cell = 1; cell <= LetterGrid::kCells; ++cell) host.board.Letters[cell] = 'A';
  }
  FakeGameHost host;
};

TEST_F(DimensionsDialogTest, TheSameSizeKeepsTheBoard) {
  TNumberDialog dialog(host, NumberDialog::Dimensions);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), "Dimensions");
  ClickOn(dialog, "OkButton");
  EXPECT_TRUE(Accepted(dialog));
  EXPECT_EQ(host.boardResized, 0);
  EXPECT_EQ(host.board.Letters[1], 'A');
}

TEST_F(DimensionsDialogTest, ANewSizeBlanksTheBoardAndPutsItsCellsOnIt) {
  TNumberDialog dialog(host, NumberDialog::Dimensions);
  dialog.show();
  TypeInto(dialog, "PuzzWidth", "5");
  ClickOn(dialog, "OkButton");
  EXPECT_TRUE(Accepted(dialog));
  EXPECT_EQ(host.settings.Width, 5);
  EXPECT_EQ(host.settings.Height, 4);
  EXPECT_EQ(host.boardResized, 1);
  for (int cell = 1; cell <= LetterGrid::kCells; ++cell) {
    EXPECT_EQ(host.board.Letters[cell], ' ') << cell;
    EXPECT_EQ(host.board.CellOnBoard[cell], cell <= 20) << cell;
  }
}

TEST_F(DimensionsDialogTest, ABadHeightStoresNotEvenTheGoodWidth) {
  TNumberDialog dialog(host, NumberDialog::Dimensions);
  dialog.show();
  TypeInto(dialog, "PuzzWidth", "5");
  TypeInto(dialog, "PuzzHeight", "6");
  ClickOn(dialog, "OkButton");
  ExpectOneError(host, dialog,
                 "Invalid height specified.  Height must be 4 or 5.  Please correct.");
  EXPECT_EQ(FocusName(dialog), "PuzzHeight");
  EXPECT_TRUE(StillOpen(dialog));
  EXPECT_EQ(host.settings.Width, 4);
  EXPECT_EQ(host.boardResized, 0);
  EXPECT_EQ(host.board.Letters[1], 'A');
}

}  // namespace
