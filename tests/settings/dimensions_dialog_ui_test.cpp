#include <gtest/gtest.h>

#include "settings/dimensions_dialog.h"
#include "tests/settings/option_dialog_driver.h"

namespace {

class DimensionsDialogTest : public ::testing::Test {
 protected:
  DimensionsDialogTest() {
    host.board.ComputeCellOnBoard(4, 4);
    for (int cell = 1; cell <= LetterGrid::kCells; ++cell) host.board.Letters[cell] = 'A';
  }
  FakeGameHost host;
};

TEST_F(DimensionsDialogTest, TheSameSizeKeepsTheBoard) {
  TMyDimen dialog(host);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), "Dimensions");
  ClickOn(dialog, "OkButton");
  EXPECT_TRUE(Accepted(dialog));
  EXPECT_EQ(host.boardResized, 0);
  EXPECT_EQ(host.board.Letters[1], 'A');
}

TEST_F(DimensionsDialogTest, ANewSizeBlanksTheBoardAndPutsItsCellsOnIt) {
  TMyDimen dialog(host);
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
  TMyDimen dialog(host);
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
