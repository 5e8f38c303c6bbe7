#include "base/file_reader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "tests/temp_folder.h"

namespace {

TEST(FileReader, RefusesWhatIsNoRegularFileWithoutWaiting) {
  TempFolder folder;
  const std::string fifo = folder.File("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string toFifo = folder.File("to-fifo");
  const std::string toZero = folder.File("to-zero");
  std::filesystem::create_symlink(fifo, toFifo);
  std::filesystem::create_symlink("/dev/zero", toZero);

  std::string bytes = "untouched";
  for (const std::string& path : {fifo, toFifo, toZero, folder.Path()}) {
    EXPECT_EQ(ReadWholeFile(path, 1 << 20, bytes), FileReadStatus::Unreadable) << path;
    EXPECT_FALSE(ReadableFile(path).IsOpen()) << path;
  }
  EXPECT_EQ(bytes, "untouched");

  const std::string dangling = folder.File("dangling");
  std::filesystem::create_symlink(folder.File("nowhere"), dangling);
  EXPECT_EQ(ReadWholeFile(dangling, 10, bytes), FileReadStatus::Missing);
  EXPECT_EQ(ReadWholeFile(folder.File("none"), 10, bytes), FileReadStatus::Missing);
  EXPECT_EQ(ReadWholeFile(folder.File("none/deeper"), 10, bytes), FileReadStatus::Missing);
}

}  // namespace
