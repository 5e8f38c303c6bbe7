#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QImage>
#include <filesystem>

#include "settings/game_settings.h"
#include "tests/fake_game_host.h"
#include "tests/temp_folder.h"
#include "windows/look/letter_look.h"
#include "windows/look/tile_picture.h"

namespace {

// A one-bit picture compresses to a small file whatever its pixel size.
std::string SavePicture(const TempFolder& folder, const char* name, int width, int height) {
  QImage picture(width, height, QImage::Format_Mono);
  picture.fill(1);
  const std::string path = folder.File(name);
  EXPECT_TRUE(picture.save(QString::fromStdString(path), "PNG"));
  return path;
}

QSize TileFrom(const std::string& bitmap) {
  FakeGameHost host;
  host.settings.LetterBitmap = bitmap;
  const TLetterLook look(host);
  return look.SavedImage.size();
}

TEST(TilePicture, LargePictureIsScaledDownToTheLargestTileOnce) {
  TempFolder folder;
  EXPECT_EQ(TileFrom(SavePicture(folder, "wide.png", 2000, 90)), QSize(120, 90));
  EXPECT_EQ(TileFrom(SavePicture(folder, "big.png", 3000, 2000)), QSize(120, 120));
  EXPECT_EQ(TileFrom(SavePicture(folder, "small.png", 200, 100)), QSize(120, 100));
  const QImage small = LoadTilePicture(SavePicture(folder, "tiny.png", 30, 20));
  EXPECT_EQ(small.size(), QSize(30, 20));
  EXPECT_EQ(small.format(), QImage::Format_RGB32);
}

TEST(TilePicture, HugePictureOrNoPictureGivesTheBuiltInTile) {
  TempFolder folder;
  const QSize builtIn = TLetterLook::BuiltInTile().size();
  EXPECT_EQ(TileFrom(SavePicture(folder, "huge.png", 4500, 4500)), builtIn);
  EXPECT_EQ(TileFrom(folder.Write("text.bmp", "not a picture")), builtIn);
  EXPECT_EQ(TileFrom(folder.File("missing.bmp")), builtIn);
  const std::string fifo = folder.File("pipe.bmp");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(TileFrom(fifo), builtIn);
  const std::string zeros = folder.File("zeros.bmp");
  std::filesystem::create_symlink("/dev/zero", zeros);
  EXPECT_TRUE(LoadTilePicture(zeros).isNull());
}

// A bitmap may store its top row first, and then gives its height as a negative number.
TEST(TilePicture, ABitmapStoredTopRowFirstIsRead) {
  // 1 x 2 pixels, 24 bits: red on top of blue, each row padded to four bytes.
  // clang-format off
  const unsigned char header[54] = {
      'B', 'M', 62, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,   // file: size 62, pixels at 54
      40, 0, 0, 0, 1, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF,  // width 1, height -2
      1, 0, 24, 0, 0, 0, 0, 0, 8, 0, 0, 0,              // 24 bits, not compressed
      0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  // clang-format on
  const unsigned char rows[8] = {0, 0, 255, 0, 255, 0, 0, 0};  // blue, green, red order
  TempFolder folder;
  const std::string path = folder.Write(
      "topdown.bmp", std::string(reinterpret_cast<const char*>(header), sizeof header) +
                         std::string(reinterpret_cast<const char*>(rows), sizeof rows));
  const QImage picture = LoadTilePicture(path);
  ASSERT_EQ(picture.size(), QSize(1, 2));
  EXPECT_EQ(picture.pixel(0, 0), qRgb(255, 0, 0));
  EXPECT_EQ(picture.pixel(0, 1), qRgb(0, 0, 255));
}

}  // namespace
