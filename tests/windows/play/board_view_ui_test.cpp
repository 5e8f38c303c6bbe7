#include <gtest/gtest.h>

#include "tests/fake_game_host.h"
#include "windows/play/board_view.h"

namespace {

TEST(BoardView, AShownPathOutlinesItsTilesAndLeavesNoTraceWhenCleared) {
  FakeGameHost host;
  host.settings.Height = host.settings.Width = 4;
  host.board.ComputeCellOnBoard(4, 4);
  for (int cell = 1; cell <= 25; ++cell) host.board.Letters[cell] = 'A' + cell % 26;
  TBoardView board(host, nullptr);
  board.resize(632, 418);
  const QImage before = board.grab().toImage();

  board.ShowPath({1, 7});  // top-left, then the tile diagonally below it
  const QImage shown = board.grab().toImage();
  const auto tile = [&](const QImage& image, int cell) {
    const CellBounds bounds = CellRect(board.Geometry(), cell);
    return image.copy(bounds.Left, bounds.Top, bounds.Size, bounds.Size);
  };
  EXPECT_NE(tile(shown, 1), tile(before, 1));
  EXPECT_NE(tile(shown, 7), tile(before, 7));
  EXPECT_EQ(tile(shown, 4), tile(before, 4)) << "a tile off the path is untouched";

  board.ShowPath({});
  EXPECT_EQ(board.grab().toImage(), before);
}

}  // namespace
