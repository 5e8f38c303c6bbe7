#include <gtest/gtest.h>

#include <QBitmap>
#include <QFile>
#include <QImage>
#include <QtEndian>

#include "windows/play/background_picture.h"

// The pictures are compiled into the static window library; they are only there at run
// time when the library's resource initialiser is linked in.
TEST(Assets, PicturesLoadFromTheProgramItself) {
  EXPECT_EQ(QImage(":/assets/tile.png").size(), QSize(60, 60));
  EXPECT_FALSE(QImage(":/assets/tolvane.png").isNull());
  EXPECT_EQ(QBitmap(":/assets/gridcurs.xbm").size(), QSize(32, 32));
  EXPECT_EQ(QBitmap(":/assets/gridcurs_mask.xbm").size(), QSize(32, 32));
}

// The background the program shows is the picture, pixel for pixel.
TEST(Assets, TheBuiltInBackgroundIsThePicture) {
  const QImage picture(TOLVANE_SOURCE_DIR "/assets/background.png");
  EXPECT_EQ(picture.size(), QSize(640, 510));
  EXPECT_EQ(BackgroundPicture(), picture.convertToFormat(QImage::Format_RGB32));
}

namespace {

struct WaveFormat {
  int audioFormat = 0;
  int bitsPerSample = 0;
  double seconds = 0;
};

// Walks the RIFF chunks of a wave file; a malformed file gives a zero format.
WaveFormat ReadWaveFormat(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") return {};
  WaveFormat wave;
  quint32 byteRate = 0;
  qsizetype at = 12;
  while (at + 8 <= bytes.size()) {
    const QByteArray id = bytes.mid(at, 4);
    const quint32 size = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
    const qsizetype body = at + 8;
    if (size > quint32(bytes.size() - body)) return {};
    if (id == "fmt " && size >= 16) {
      wave.audioFormat = qFromLittleEndian<quint16>(bytes.constData() + body);
      byteRate = qFromLittleEndian<quint32>(bytes.constData() + body + 8);
      wave.bitsPerSample = qFromLittleEndian<quint16>(bytes.constData() + body + 14);
    } else if (id == "data" && byteRate > 0) {
      wave.seconds = double(size) / byteRate;
    }
    at = body + size + (size & 1);
  }
  return wave;
}

}  // namespace

TEST(Assets, WaveFilesArePlainSixteenBitPcmOfTheirIntendedLength) {
  const WaveFormat timeUp = ReadWaveFormat(TOLVANE_SOURCE_DIR "/assets/TIMEUP.WAV");
  EXPECT_EQ(timeUp.audioFormat, 1);
  EXPECT_EQ(timeUp.bitsPerSample, 16);
  EXPECT_GE(timeUp.seconds, 1.0);
  EXPECT_LE(timeUp.seconds, 1.5);

  const WaveFormat tenSeconds = ReadWaveFormat(TOLVANE_SOURCE_DIR "/assets/TENSECS.WAV");
  EXPECT_EQ(tenSeconds.audioFormat, 1);
  EXPECT_EQ(tenSeconds.bitsPerSample, 16);
  EXPECT_GE(tenSeconds.seconds, 0.3);
  EXPECT_LE(tenSeconds.seconds, 0.5);
}
