#pragma once

#include <cstdint>

// Integer arithmetic of the window scaling, kept apart from any widget.

// round(value * m / d), halves away from zero.
int32_t ScaleRound(int32_t value, int32_t m, int32_t d);

struct ScaledBounds {
  int32_t Left, Top, Width, Height;
};
// A control keeps its edges where they were relative to its parent: the right edge is
// scaled as a position, so neighbouring controls never drift apart by rounding.
ScaledBounds ScaleBounds(const ScaledBounds& bounds, int32_t m, int32_t d);

// M of the M/100 ratio: 100, 125, 160 or 200.
int32_t LayoutRatio(double scaleFactor);

// Where a window of `outerSize` goes on a screen of `screenSize`, lifted by `topOffset`
// (never above the top edge).
int32_t CentredLeft(int32_t screenWidth, int32_t outerWidth);
int32_t CentredTop(int32_t screenHeight, int32_t outerHeight, int32_t topOffset);

// The window scale chosen from the stored window size and the screen: a size the screen
// cannot show falls back to 640 x 480.
double ScaleFactorFor(int32_t windowSize, int32_t screenWidth, int32_t screenHeight);
