#include <gtest/gtest.h>

#include "tests/fake_game_host.h"
#include "windows/play/board_accessible.h"
#include "windows/play/board_tiles.h"
#include "windows/play/board_view.h"

namespace {

// A screen reader reads the board as a group of tiles with as many rows and columns as on
// screen, each tile named by its letter and place and lying where it is painted. Not as
// a table, whose whole row it would read on every move up or down.
TEST(BoardAccessible, IsAGridOfNamedTilesOnEveryBoardSize) {
  const struct { int height, width; } sizes[] = {{4, 4}, {4, 5}, {5, 4}, {5, 5}};
  for (const auto& size : sizes) {
    SCOPED_TRACE(testing::Message() << size.height << " x " << size.width);
    FakeGameHost host;
    host.settings.Height = size.height;
    host.settings.Width = size.width;
    host.board.ComputeCellOnBoard(size.height, size.width);
    TBoardView board(host, nullptr);
    board.resize(632, 418);
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&board.Tiles());
    ASSERT_NE(table, nullptr);
    ASSERT_NE(table->tableInterface(), nullptr);
    EXPECT_EQ(table->role(), QAccessible::Grouping);
    EXPECT_EQ(table->text(QAccessible::Name),
              QString("Board, %1 by %2").arg(size.height).arg(size.width));
    EXPECT_EQ(table->text(QAccessible::Description), "no letters yet");
    EXPECT_EQ(table->child(0)->text(QAccessible::Name), "blank, row 1, column 1");

    for (int cell = 1; cell <= 25; ++cell) host.board.Letters[cell] = char('A' + cell - 1);
    EXPECT_EQ(table->text(QAccessible::Description), "");
    EXPECT_EQ(table->tableInterface()->rowCount(), size.height);
    EXPECT_EQ(table->tableInterface()->columnCount(), size.width);
    ASSERT_EQ(table->childCount(), size.height * size.width);
    for (int row = 1; row <= size.height; ++row) {
      for (int column = 1; column <= size.width; ++column) {
        const int cell = LetterGrid::CellIndex(row, column);
        QAccessibleInterface* tile = table->child((row - 1) * size.width + column - 1);
        ASSERT_NE(tile, nullptr);
        EXPECT_EQ(tile, table->tableInterface()->cellAt(row - 1, column - 1));
        EXPECT_EQ(table->indexOfChild(tile), (row - 1) * size.width + column - 1);
        EXPECT_EQ(tile->text(QAccessible::Name),
                  QString("%1, row %2, column %3").arg(QChar('A' + cell - 1)).arg(row).arg(column));
        const CellBounds bounds = CellRect(board.Geometry(), cell);
        const QRect painted(board.mapToGlobal(QPoint(bounds.Left, bounds.Top)),
                            QSize(bounds.Size, bounds.Size));
        EXPECT_EQ(tile->rect(), painted);
        EXPECT_EQ(table->childAt(painted.center().x(), painted.center().y()), tile);
      }
    }
  }
}

}  // namespace
