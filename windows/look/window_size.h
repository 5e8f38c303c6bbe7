#pragma once

#include <cstdint>

class GameHost;
class QWidget;

// A "S&creen Size" item chosen: the window grows or shrinks to `windowSize` (640, 800,
// 1024 or 1280) when the screen can show it, and the choice is kept for the next start.
void ChooseWindowSize(GameHost& host, int32_t windowSize);

// The check mark on exactly the size item of `scaleFactor`, found by name in `window`.
void MarkWindowSize(QWidget& window, double scaleFactor);
