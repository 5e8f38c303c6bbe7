#include "windows/look/tile_picture.h"

#include <QFile>
#include <QImageReader>
#include <algorithm>

#include "base/file_reader.h"

QImage LoadTilePicture(const std::string& path) {
  if (path.empty()) return {};
  const ReadableFile file(path);
  QFile device;
  if (!file.IsOpen() ||
      !device.open(file.Descriptor(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle)) {
    return {};
  }
  QImageReader reader(&device);
  // The header tells the size; a picture too large to hold is never decoded.
  const QSize size = reader.size();
  if (size.isEmpty() ||
      static_cast<long long>(size.width()) * size.height() > kMaxTilePicturePixels)
    return {};
  const QSize fitted(std::min(size.width(), kLargestTileEdge),
                     std::min(size.height(), kLargestTileEdge));
  if (fitted != size) reader.setScaledSize(fitted);
  const QImage image = reader.read();
  return image.isNull() ? QImage() : image.convertToFormat(QImage::Format_RGB32);
}
