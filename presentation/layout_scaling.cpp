#include "presentation/layout_scaling.h"

#include <cstdlib>

int32_t ScaleRound(int32_t value, int32_t m, int32_t d) {
  const int64_t twice = 2LL * std::llabs(value) * m;
  const int64_t rounded = (twice + d) / (2LL * d);
  return static_cast<int32_t>(value < 0 ? -rounded : rounded);
}

ScaledBounds ScaleBounds(const ScaledBounds& bounds, int32_t m, int32_t d) {
  ScaledBounds scaled{};
  scaled.Left = ScaleRound(bounds.Left, m, d);
  scaled.Top = ScaleRound(bounds.Top, m, d);
  scaled.Width = ScaleRound(bounds.Left + bounds.Width, m, d) - scaled.Left;
  scaled.Height = ScaleRound(bounds.Top + bounds.Height, m, d) - scaled.Top;
  return scaled;
}

const WindowScale& WindowScaleFor(double scaleFactor) {
  for (const WindowScale& scale : kWindowScales)
    if (scale.Factor == scaleFactor) return scale;
  return kWindowScales[0];
}

int32_t LayoutRatio(double scaleFactor) { return WindowScaleFor(scaleFactor).Ratio; }

int32_t Scaled(int32_t value, double scaleFactor) {
  return static_cast<int32_t>(value * scaleFactor);
}

int32_t CentredLeft(int32_t screenWidth, int32_t outerWidth) {
  return (screenWidth - outerWidth) / 2;
}

int32_t CentredTop(int32_t screenHeight, int32_t outerHeight, int32_t topOffset) {
  const int32_t top = (screenHeight - outerHeight) / 2 - topOffset;
  return top > 0 ? top : 0;
}

const WindowScale* WindowScaleOfSize(int32_t windowSize) {
  for (const WindowScale& scale : kWindowScales)
    if (scale.WindowSize == windowSize) return &scale;
  return nullptr;
}

double ScaleFactorFor(int32_t windowSize, int32_t screenWidth, int32_t screenHeight) {
  const WindowScale* scale = WindowScaleOfSize(windowSize);
  if (scale && screenWidth >= scale->ScreenWidth && screenHeight >= scale->ScreenHeight)
    return scale->Factor;
  return 1.0;
}
