#pragma once

#include <QImage>
#include <string>

// The largest edge a tile is ever drawn with: 60 pixels in the largest window scale.
inline constexpr int kLargestTileEdge = 120;
// Pictures with more pixels than this are refused before any of them is decoded.
inline constexpr long long kMaxTilePicturePixels = 4096LL * 4096LL;

enum class TilePictureFault { None, Unreadable, TooLarge };

// The tile background picture in the file `path`, in RGB32 and at most kLargestTileEdge
// pixels either way: every tile stretches the picture to a square anyway, so a larger one
// is scaled down once, here. Null for a file that is missing, not a regular file, not a
// picture (Unreadable), or a picture of more than kMaxTilePicturePixels (TooLarge); the
// reason goes to `fault` when given.
QImage LoadTilePicture(const std::string& path, TilePictureFault* fault = nullptr);
