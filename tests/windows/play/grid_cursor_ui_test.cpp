#include <gtest/gtest.h>

#include <QBitmap>
#include <QImage>

#include "windows/play/grid_cursor.h"

TEST(GridCursor, IsABlackFourByFourGridHeldAtItsTopLeftCorner) {
  const QCursor cursor = MakeGridCursor();
  EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
  EXPECT_EQ(cursor.hotSpot(), QPoint(0, 0));

  const QImage bitmap = cursor.bitmap().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage mask = cursor.mask().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(bitmap.size(), QSize(32, 32));
  ASSERT_EQ(mask.size(), QSize(32, 32));

  int linePixels = 0;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const bool onGrid = x <= 20 && y <= 20 && (x % 5 == 0 || y % 5 == 0);
      linePixels += onGrid;
      // A set bitmap bit draws black; a set mask bit makes the pixel opaque.
      const bool opaque = mask.pixel(x, y) == qRgb(0, 0, 0);
      const bool black = bitmap.pixel(x, y) == qRgb(0, 0, 0);
      EXPECT_EQ(opaque, onGrid) << x << "," << y;
      if (onGrid) {
        EXPECT_TRUE(black) << x << "," << y;
      }
    }
  }
  EXPECT_EQ(linePixels, 5 * 21 * 2 - 25);
}
