#pragma once

#include <QSize>
#include <vector>

class Platform;
class QWidget;

// The design layout of one component: bounds in its parent and its font size (pixel
// size where the font is set in pixels, else points; 0 when it takes its parent's).
struct ComponentDimensions {
  QWidget* Component = nullptr;
  int Left = 0, Top = 0, Width = 0, Height = 0;
  int FontSize = 0;
  bool FontInPixels = false;
};

// A window's design layout, recorded once when the window is made, so that every
// rescaling starts from the design and rounding never accumulates.
struct SavedDimensions {
  std::vector<ComponentDimensions> Components;
  QSize Client;
  // The client's own font, which every control without a font of its own follows.
  ComponentDimensions ClientFont;
};

// No window records more components than this; the rest keep whatever bounds they have.
inline constexpr int kMaxSavedComponents = 101;

// `client` is the widget whose size is the window's client area. With `services`, a
// window with too many components is reported to the player.
void SaveDimensions(QWidget* client, SavedDimensions& saved, Platform* services = nullptr);
// Puts the design layout back and scales it by `scaleFactor`, the client's fixed size
// included; placing the window is the caller's.
void RestoreDimensions(QWidget* client, const SavedDimensions& saved, double scaleFactor);
