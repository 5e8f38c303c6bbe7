#include "presentation/layout_scaling.h"

#include <gtest/gtest.h>

namespace {

TEST(LayoutScaling, RoundsHalvesAwayFromZero) {
  EXPECT_EQ(ScaleRound(418, 125, 100), 523);  // 522.5
  EXPECT_EQ(ScaleRound(632, 125, 100), 790);
  EXPECT_EQ(ScaleRound(418, 160, 100), 669);
  EXPECT_EQ(ScaleRound(632, 160, 100), 1011);
  EXPECT_EQ(ScaleRound(418, 200, 100), 836);
  EXPECT_EQ(ScaleRound(-20, 125, 100), -25);
  EXPECT_EQ(ScaleRound(-2, 125, 100), -3);  // -2.5
  EXPECT_EQ(ScaleRound(7, 100, 100), 7);
}

TEST(LayoutScaling, RightAndBottomEdgesScaleAsPositions) {
  // 181 wide at 348: the right edge 529 goes to 661.25 -> 661; the left to 435.
  const ScaledBounds list = ScaleBounds({348, 40, 181, 333}, 125, 100);
  EXPECT_EQ(list.Left, 435);
  EXPECT_EQ(list.Top, 50);
  EXPECT_EQ(list.Width, 661 - 435);
  EXPECT_EQ(list.Height, 466 - 50);
  const ScaledBounds same = ScaleBounds({348, 40, 181, 333}, 100, 100);
  EXPECT_EQ(same.Width, 181);
  EXPECT_EQ(same.Height, 333);
}

TEST(LayoutScaling, EverySizeScalesTheMainWindowFromItsDesign) {
  struct Expected {
    int32_t ratio, clientWidth, clientHeight;
    ScaledBounds guessList;
  };
  const Expected sizes[] = {
      {100, 632, 418, {348, 40, 181, 333}},
      {125, 790, 523, {435, 50, 226, 416}},
      {160, 1011, 669, {557, 64, 289, 533}},
      {200, 1264, 836, {696, 80, 362, 666}},
  };
  for (const Expected& size : sizes) {
    SCOPED_TRACE(size.ratio);
    EXPECT_EQ(ScaleRound(632, size.ratio, 100), size.clientWidth);
    EXPECT_EQ(ScaleRound(418, size.ratio, 100), size.clientHeight);
    const ScaledBounds got = ScaleBounds({348, 40, 181, 333}, size.ratio, 100);
    EXPECT_EQ(got.Left, size.guessList.Left);
    EXPECT_EQ(got.Top, size.guessList.Top);
    EXPECT_EQ(got.Width, size.guessList.Width);
    EXPECT_EQ(got.Height, size.guessList.Height);
  }
  EXPECT_EQ(Scaled(60, 1.6), 96);  // the tile edge
  EXPECT_EQ(Scaled(9, 1.25), 11);  // the guess list's font
}

TEST(LayoutScaling, ChoosesTheScaleTheScreenCanShow) {
  EXPECT_EQ(ScaleFactorFor(640, 640, 480), 1.0);
  EXPECT_EQ(ScaleFactorFor(800, 800, 600), 1.25);
  EXPECT_EQ(ScaleFactorFor(800, 799, 600), 1.0);
  EXPECT_EQ(ScaleFactorFor(1024, 800, 600), 1.0);
  EXPECT_EQ(ScaleFactorFor(1024, 1024, 768), 1.6);
  EXPECT_EQ(ScaleFactorFor(1280, 1280, 1024), 2.0);
  EXPECT_EQ(ScaleFactorFor(1280, 1280, 1023), 1.0);
  EXPECT_EQ(ScaleFactorFor(999, 1920, 1080), 1.0);
  EXPECT_EQ(LayoutRatio(1.25), 125);
  EXPECT_EQ(LayoutRatio(1.6), 160);
  EXPECT_EQ(LayoutRatio(2.0), 200);
}

TEST(LayoutScaling, CentresWithTheLiftClampedAtTheTop) {
  EXPECT_EQ(CentredTop(1024, 900, 15), 47);
  EXPECT_EQ(CentredTop(1024, 1020, 15), 0);
  EXPECT_EQ(CentredLeft(1024, 300), 362);
  EXPECT_EQ(CentredLeft(640, 700), -30);  // the left edge is not clamped
}

}  // namespace
