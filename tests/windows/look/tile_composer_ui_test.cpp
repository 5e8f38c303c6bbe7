#include <gtest/gtest.h>

#include <QFont>
#include <QImage>
#include <utility>

#include "windows/look/tile_composer.h"

namespace {

// A background with a different colour in every pixel, so that any pixel the letter
// leaves alone can be checked exactly.
QImage Gradient(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(120 + x, 80 + y, 200));
  return image;
}

QFont Letters(int points) {
  QFont font("Arial");
  font.setPointSize(points);
  font.setBold(true);
  return font;
}

TEST(TileComposition, AWhiteLetterOrABlankLeavesTheBackgroundUnchanged) {
  const std::pair<char, QColor> cases[] = {{'M', Qt::white}, {' ', Qt::black}};
  for (const auto& [letter, color] : cases) {
    QImage tile, letterImage(120, 120, QImage::Format_RGB32);
    const QImage background = Gradient(60, 60);
    ComposeTile(tile, letterImage, background, 60, letter, Letters(26), color);
    ASSERT_EQ(tile.size(), QSize(60, 60));
    EXPECT_EQ(tile, background.convertToFormat(QImage::Format_RGB32)) << letter;
  }
}

TEST(TileComposition, ABlackLetterBlackensItsGlyphAndNothingElse) {
  QImage tile, letter(120, 120, QImage::Format_RGB32);
  const QImage background = Gradient(60, 60);
  ComposeTile(tile, letter, background, 60, 'M', Letters(26), Qt::black);
  int black = 0, untouched = 0, other = 0;
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < 60; ++x) {
      const QRgb got = tile.pixel(x, y);
      if (got == background.pixel(x, y)) {
        ++untouched;
      } else if (qRed(got) == 0 && qGreen(got) == 0 && qBlue(got) == 0) {
        ++black;
      } else {
        // Anti-aliased edge pixels: AND can only take bits away from the background.
        const QRgb base = background.pixel(x, y);
        EXPECT_EQ(qRed(got) & ~qRed(base), 0);
        EXPECT_EQ(qGreen(got) & ~qGreen(base), 0);
        ++other;
      }
    }
  }
  EXPECT_GT(black, 60);
  EXPECT_GT(untouched, 1800);
  // The glyph sits in the middle: the corners stay background.
  EXPECT_EQ(tile.pixel(0, 0), background.pixel(0, 0));
  EXPECT_EQ(tile.pixel(59, 59), background.pixel(59, 59));
}

TEST(TileComposition, ABackgroundOfAnySizeIsStretchedOverTheTile) {
  QImage tile, letter(120, 120, QImage::Format_RGB32);
  QImage wide(200, 100, QImage::Format_RGB32);
  wide.fill(qRgb(10, 200, 30));
  ComposeTile(tile, letter, wide, 75, ' ', Letters(26), Qt::black);
  ASSERT_EQ(tile.size(), QSize(75, 75));
  for (const QPoint corner : {QPoint(0, 0), QPoint(74, 0), QPoint(0, 74), QPoint(74, 74)})
    EXPECT_EQ(tile.pixel(corner), qRgb(10, 200, 30));
}

TEST(TileComposition, ALetterLargerThanTheTileIsClipped) {
  QImage tile, letter(120, 120, QImage::Format_RGB32);
  const QImage background = Gradient(60, 60);
  ComposeTile(tile, letter, background, 60, 'W', Letters(200), Qt::black);
  ASSERT_EQ(tile.size(), QSize(60, 60));
  int black = 0;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 60; ++x) black += tile.pixel(x, y) == qRgb(0, 0, 0);
  EXPECT_GT(black, 0);
  // The letter image outside the tile's square is never used: a second, small tile
  // composed afterwards is not smudged by the first letter's overflow.
  ComposeTile(tile, letter, background, 30, ' ', Letters(10), Qt::black);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x) ASSERT_EQ(qBlue(tile.pixel(x, y)), 200) << x << "," << y;
}

TEST(TileComposition, AColouredLetterTintsTheBackgroundThroughTheGlyph) {
  QImage tile, letter(120, 120, QImage::Format_RGB32);
  QImage background(60, 60, QImage::Format_RGB32);
  background.fill(qRgb(255, 255, 255));
  ComposeTile(tile, letter, background, 60, 'O', Letters(30), QColor(255, 0, 0));
  bool red = false;
  for (int y = 0; y < 60 && !red; ++y)
    for (int x = 0; x < 60 && !red; ++x) red = tile.pixel(x, y) == qRgb(255, 0, 0);
  EXPECT_TRUE(red);
}

}  // namespace
