#include "settings/puzzle_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/file_size_limit.h"
#include "tests/ordinary_user.h"
#include "tests/temp_folder.h"

namespace {

class PuzzleFileTest : public testing::Test {
 protected:
  std::string PathOf(const std::string& name) const { return folder_.File(name); }
  static std::string ReadBytes(const std::string& path) { return ReadFileBytes(path); }
  static void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }

  // A 4 x 5 board whose fifth row also holds letters.
  static LetterGrid SampleBoard() {
    LetterGrid grid;
    for (int cell = 1; cell <= LetterGrid::kCells; ++cell)
      grid.Letters[cell] = static_cast<char>('A' + cell - 1);
    grid.ComputeCellOnBoard(4, 5);
    return grid;
  }

  TempFolder folder_;
};

TEST_F(PuzzleFileTest, SavedBoardHasTheFixedLayout) {
  PuzzleRecord record = PuzzleRecordFromBoard(SampleBoard(), 4, 5);
  const std::string path = PathOf("board.TVN");
  ASSERT_EQ(WritePuzzleFile(path, record), PuzzleSaveResult::Ok);
  EXPECT_EQ(record.PuzzleVersion, "1.1");

  const std::string bytes = ReadBytes(path);
  ASSERT_EQ(bytes.size(), 755u);
  EXPECT_EQ(bytes.substr(0, 6), std::string("\x03"
                                            "1.1\0\0",
                                            6));
  EXPECT_EQ(bytes.substr(6, 25), "ABCDEFGHIJKLMNOPQRSTUVWXY");
  for (int slot = 0; slot < 20; ++slot) EXPECT_EQ(bytes[31 + slot * 11], 0) << slot;
  EXPECT_EQ(bytes.substr(251, 4), std::string("\x04\0\x05\0", 4));
  EXPECT_EQ(bytes.substr(255), std::string(500, '\0'));
}

TEST_F(PuzzleFileTest, OpenGivesBackTheBoard) {
  PuzzleRecord saved = PuzzleRecordFromBoard(SampleBoard(), 4, 5);
  const std::string path = PathOf("round.tvn");
  ASSERT_EQ(WritePuzzleFile(path, saved), PuzzleSaveResult::Ok);

  PuzzleRecord opened;
  ASSERT_EQ(ReadPuzzleFile(path, opened), PuzzleOpenResult::Ok);
  LetterGrid grid;
  GameSettings settings;
  PuzzleRecordToBoard(opened, grid, settings);
  EXPECT_EQ(grid.Letters, SampleBoard().Letters);
  EXPECT_EQ(settings.Height, 4);
  EXPECT_EQ(settings.Width, 5);
  EXPECT_TRUE(grid.CellOnBoard[LetterGrid::CellIndex(4, 5)]);
  EXPECT_FALSE(grid.CellOnBoard[LetterGrid::CellIndex(5, 1)]);
}

TEST_F(PuzzleFileTest, EncodeAndDecodeAgree) {
  PuzzleRecord record;
  record.PuzzleVersion = "2.0b";
  record.PuzzleLetters.fill('Q');
  record.WordSlots[0] = "QUEEN";
  record.WordSlots[19] = "ABCDEFGHIJ";
  record.PuzzleHeight = 0x1234;
  record.PuzzleWidth = 5;
  record.Reserved[499] = 7;
  const PuzzleBytes bytes = EncodePuzzleRecord(record);
  EXPECT_EQ(bytes[251], 0x34);
  EXPECT_EQ(bytes[252], 0x12);
  EXPECT_EQ(bytes[31], 5);
  EXPECT_EQ(bytes[31 + 19 * 11], 10);
  EXPECT_EQ(EncodePuzzleRecord(DecodePuzzleRecord(bytes)), bytes);

  // Length bytes beyond their room read as much as there is room for.
  PuzzleBytes odd = bytes;
  odd[0] = 255;
  odd[31] = 200;
  const PuzzleRecord decoded = DecodePuzzleRecord(odd);
  EXPECT_EQ(decoded.PuzzleVersion.size(), 5u);
  EXPECT_EQ(decoded.WordSlots[0].size(), 10u);
}

TEST_F(PuzzleFileTest, AnyContentWithTheRightSizeAndExtensionOpens) {
  std::string bytes(800, 'x');
  bytes[0] = 9;  // not "1.1"
  bytes[251] = 5, bytes[252] = 0, bytes[253] = 4, bytes[254] = 0;
  const std::string path = PathOf("odd.Tvn");
  WriteBytes(path, bytes);
  ::chmod(path.c_str(), 0444);  // read-only

  PuzzleRecord record;
  ASSERT_EQ(ReadPuzzleFile(path, record), PuzzleOpenResult::Ok);
  EXPECT_EQ(record.PuzzleHeight, 5);
  EXPECT_EQ(record.PuzzleWidth, 4);
  EXPECT_EQ(record.PuzzleLetters[0], 'x');
}

TEST_F(PuzzleFileTest, FailedOpensLeaveTheRecordAlone) {
  PuzzleRecord good = PuzzleRecordFromBoard(SampleBoard(), 5, 5);
  const std::string valid = PathOf("valid.TVN");
  ASSERT_EQ(WritePuzzleFile(valid, good), PuzzleSaveResult::Ok);
  const std::string content = ReadBytes(valid);

  const std::string wrongExtension = PathOf("valid.txt");
  WriteBytes(wrongExtension, content);
  const std::string noExtension = PathOf("TVN");
  WriteBytes(noExtension, content);
  const std::string dotInFolder = folder_.File("x.TVN/puzzle");
  std::filesystem::create_directories(folder_.File("x.TVN"));
  WriteBytes(dotInFolder, content);
  const std::string shortFile = PathOf("short.TVN");
  WriteBytes(shortFile, content.substr(0, 754));
  std::string tooTall = content;
  tooTall[251] = 6;
  const std::string tallFile = PathOf("tall.TVN");
  WriteBytes(tallFile, tooTall);
  std::string tooNarrow = content;
  tooNarrow[253] = 3;
  const std::string narrowFile = PathOf("narrow.TVN");
  WriteBytes(narrowFile, tooNarrow);
  const std::string folderFile = PathOf("folder.TVN");
  std::filesystem::create_directories(folderFile);

  const std::vector<std::pair<std::string, PuzzleOpenResult>> cases = {
      {wrongExtension, PuzzleOpenResult::NotAPuzzleFile},
      {noExtension, PuzzleOpenResult::NotAPuzzleFile},
      {dotInFolder, PuzzleOpenResult::NotAPuzzleFile},
      {tallFile, PuzzleOpenResult::NotAPuzzleFile},
      {narrowFile, PuzzleOpenResult::NotAPuzzleFile},
      {PathOf("missing.TVN"), PuzzleOpenResult::UnableToOpen},
      {folderFile, PuzzleOpenResult::UnableToOpen},
      {shortFile, PuzzleOpenResult::ReadBeyondEnd},
  };
  for (const auto& [path, expected] : cases) {
    PuzzleRecord record;
    record.PuzzleVersion = "keep";
    EXPECT_EQ(ReadPuzzleFile(path, record), expected) << path;
    EXPECT_EQ(record.PuzzleVersion, "keep") << path;
  }
}

TEST_F(PuzzleFileTest, FailedSaveWritesNothing) {
  PuzzleRecord record = PuzzleRecordFromBoard(SampleBoard(), 4, 4);
  EXPECT_EQ(WritePuzzleFile(PathOf("no/such/folder/p.TVN"), record),
            PuzzleSaveResult::UnableToSave);

  // A file size limit makes the write fail for anyone, root included: the disk is "full".
  const std::string existing = PathOf("old.TVN");
  WriteBytes(existing, "old puzzle");
  PuzzleSaveResult result;
  {
    FileSizeLimit full(100);
    result = WritePuzzleFile(existing, record);
  }

  EXPECT_EQ(result, PuzzleSaveResult::DiskFull);
  EXPECT_EQ(ReadBytes(existing), "old puzzle");
  int files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder_.Path()))
    ++files;
  EXPECT_EQ(files, 1) << "no partial file left behind";
}

TEST_F(PuzzleFileTest, PipesAndDevicesAreNoPuzzleFiles) {
  const std::string fifo = PathOf("pipe.TVN");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string zeros = PathOf("zeros.TVN");
  std::filesystem::create_symlink("/dev/zero", zeros);
  for (const std::string& path : {fifo, zeros}) {
    PuzzleRecord record;
    EXPECT_EQ(ReadPuzzleFile(path, record), PuzzleOpenResult::UnableToOpen) << path;
  }
}

TEST_F(PuzzleFileTest, ReadOnlyPuzzleIsNotOverwritten) {
  const std::string failures = AsOrdinaryUser(folder_.Path(), [&] {
    std::string failures;
    const std::string path = PathOf("P1.TVN");
    WriteBytes(path, "read-only puzzle");
    ::chmod(path.c_str(), 0444);
    PuzzleRecord record = PuzzleRecordFromBoard(SampleBoard(), 4, 5);
    Check(failures, WritePuzzleFile(path, record) == PuzzleSaveResult::UnableToSave, "not refused");
    Check(failures, ReadBytes(path) == "read-only puzzle", "overwritten");
    return failures;
  });
  EXPECT_EQ(failures, "");
}

TEST(PuzzleMessages, TextsOfTheErrorBoxes) {
  EXPECT_EQ(PuzzleOpenMessage(PuzzleOpenResult::NotAPuzzleFile),
            "The file selected is not a valid puzzle file.");
  EXPECT_EQ(PuzzleOpenMessage(PuzzleOpenResult::UnableToOpen), "Unable to open file.");
  EXPECT_EQ(PuzzleOpenMessage(PuzzleOpenResult::ReadBeyondEnd), "Read beyond end of file");
  EXPECT_EQ(PuzzleSaveMessage(PuzzleSaveResult::UnableToSave), "Unable to save puzzle.");
  EXPECT_EQ(PuzzleSaveMessage(PuzzleSaveResult::DiskFull), "Disk full");
}

}  // namespace
