#include "windows/play/background_picture.h"

QImage BackgroundPicture() {
  // Read-only: the image points at the program's own bytes and never copies them.
  return QImage(kBackgroundPixels, kBackgroundWidth, kBackgroundHeight, kBackgroundWidth * 4,
                QImage::Format_RGB32);
}
