#include "windows/look/tile_picture.h"

#include <QFile>
#include <QImageReader>
#include <algorithm>
#include <cstdlib>

#include "base/file_reader.h"

namespace {

QImage Decode(const std::string& path, TilePictureFault& fault) {
  fault = TilePictureFault::Unreadable;
  if (path.empty()) return {};
  const ReadableFile file(path);
  QFile device;
  if (!file.IsOpen() ||
      !device.open(file.Descriptor(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle)) {
    return {};
  }
  QImageReader reader(&device);
  // The header tells the size; a picture too large to hold is never decoded. A bitmap
  // stored top row first gives its height as a negative number.
  const QSize stated = reader.size();
  const long long width = std::llabs(stated.width()), height = std::llabs(stated.height());
  if (width == 0 || height == 0) return {};
  if (width * height > kMaxTilePicturePixels) {
    fault = TilePictureFault::TooLarge;
    return {};
  }
  const QSize fitted(static_cast<int>(std::min<long long>(width, kLargestTileEdge)),
                     static_cast<int>(std::min<long long>(height, kLargestTileEdge)));
  if (fitted != QSize(static_cast<int>(width), static_cast<int>(height)))
    reader.setScaledSize(fitted);
  const QImage image = reader.read();
  if (image.isNull()) return {};
  fault = TilePictureFault::None;
  return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

QImage LoadTilePicture(const std::string& path, TilePictureFault* fault) {
  TilePictureFault found = TilePictureFault::None;
  QImage image = Decode(path, found);
  if (fault != nullptr) *fault = found;
  return image;
}
