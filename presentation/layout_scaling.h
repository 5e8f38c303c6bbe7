#pragma once

#include <array>
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

// The four window sizes the game offers. The factor scales tiles and fonts; the ratio
// M of M/100 scales the layout of every window; the screen must be at least as large
// (any screen will do for the design size).
struct WindowScale {
  int32_t WindowSize;
  double Factor;
  int32_t Ratio;
  int32_t ScreenWidth, ScreenHeight;
  const char* MenuItem;
};
inline constexpr std::array<WindowScale, 4> kWindowScales{{
    {640, 1.0, 100, 0, 0, "N640x480"},
    {800, 1.25, 125, 800, 600, "N800x600"},
    {1024, 1.6, 160, 1024, 768, "N1024x768"},
    {1280, 2.0, 200, 1280, 1024, "N1280x1024"},
}};

// The entry of `windowSize` (640, 800, 1024 or 1280), or null for any other value.
const WindowScale* WindowScaleOfSize(int32_t windowSize);

// The entry of `scaleFactor`; the 640 x 480 entry for any other factor.
const WindowScale& WindowScaleFor(double scaleFactor);

// M of the M/100 ratio: 100, 125, 160 or 200.
int32_t LayoutRatio(double scaleFactor);

// Trunc(value x scaleFactor): tile edges, board offsets and font sizes.
int32_t Scaled(int32_t value, double scaleFactor);

// Where a window of `outerSize` goes on a screen of `screenSize`, lifted by `topOffset`
// (never above the top edge).
int32_t CentredLeft(int32_t screenWidth, int32_t outerWidth);
int32_t CentredTop(int32_t screenHeight, int32_t outerHeight, int32_t topOffset);

// The window scale chosen from the stored window size and the screen: a size the screen
// cannot show falls back to 640 x 480.
double ScaleFactorFor(int32_t windowSize, int32_t screenWidth, int32_t screenHeight);
