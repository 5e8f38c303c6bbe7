#pragma once

#include <QImage>

// The main window's background photograph (assets/background.png), built into the
// program as plain pixels by tools/embed_pixels: shown at once with nothing to decode,
// and its memory shared by every copy of the game running.
QImage BackgroundPicture();

extern const int kBackgroundWidth;
extern const int kBackgroundHeight;
extern const unsigned char kBackgroundPixels[];
