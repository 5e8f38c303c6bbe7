#include "settings/settings_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>

#include "settings/profile_file.h"
#include "tests/ordinary_user.h"
#include "tests/temp_folder.h"

namespace {

const char kStart[] = "/home/player";

const char kDefaultFile[] =
    "[Misc]\n"
    "Last Import File=/home/player\n"
    "Last Export File=/home/player\n"
    "Last Group=/home/player/TOLVANE.TVN\n"
    "Window Size=640\n"
    "Show Background Bitmap=Yes\n"
    "\n"
    "[Scoring]\n"
    "Word Misspelled=Yes\n"
    "Word Too Short=Yes\n"
    "Word Not In Puzzle=Yes\n"
    "3 Letter Words=1\n"
    "4 Letter Words=1\n"
    "5 Letter Words=2\n"
    "6 Letter Words=3\n"
    "7 Letter Words=5\n"
    "8 Letter Words=8\n"
    "9 Letter Words=11\n"
    "10 Letter Words=11\n"
    "11 Letter Words=11\n"
    "Larger Words=11\n"
    "Maximum Word Length=9\n"
    "\n"
    "[Play Options]\n"
    "Width=4\n"
    "Height=4\n"
    "Minutes=3\n"
    "Seconds=0\n"
    "Time Up Notification=3\n"
    "Minimum Word Length=3\n"
    "Guess List Columns=2\n"
    "Allow Repeating Letters=No\n"
    "Alternate Letters=No\n"
    "High Frequency Letters=No\n"
    "American Dictionary=Yes\n"
    "\n"
    "[Letter Font]\n"
    "Color=0\n"
    "Font Name=Arial\n"
    "Size=26\n"
    "Bold=Yes\n"
    "Italic=No\n"
    "Underline=No\n"
    "Strikeout=No\n"
    "Bitmap=\n"
    "\n"
    "[Print Puzzle Font]\n"
    "Color=0\n"
    "Font Name=Arial\n"
    "Size=16\n"
    "Bold=No\n"
    "Italic=No\n"
    "Underline=No\n"
    "Strikeout=No\n"
    "\n"
    "[Word List Font]\n"
    "Color=0\n"
    "Font Name=Arial\n"
    "Size=9\n"
    "Bold=No\n"
    "Italic=No\n";

class SettingsFileTest : public testing::Test {
 protected:
  void WriteFile(const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path_).parent_path());
    std::ofstream(path_, std::ios::binary) << bytes;
  }
  std::string ReadFile() const { return ReadFileBytes(path_); }
  GameSettings LoadedFrom(const std::string& bytes) {
    WriteFile(bytes);
    GameSettings settings = DefaultSettings(kStart);
    LoadSettings(settings, path_);
    return settings;
  }

  TempFolder folder_;
  std::string path_ = folder_.File("tolvane/TOLVANE.INI");
};

TEST_F(SettingsFileTest, FirstRunWritesEveryKeyInOrderAndSecondSaveChangesNothing) {
  GameSettings settings = DefaultSettings(kStart);
  LoadSettings(settings, path_);
  ASSERT_TRUE(SaveSettings(settings, path_));
  EXPECT_EQ(ReadFile(), kDefaultFile);

  GameSettings again = DefaultSettings(kStart);
  LoadSettings(again, path_);
  ASSERT_TRUE(SaveSettings(again, path_));
  EXPECT_EQ(ReadFile(), kDefaultFile);
}

TEST_F(SettingsFileTest, CommonWordsChoiceIsKeptInItsOwnSectionOnceItWasChanged) {
  GameSettings settings = DefaultSettings(kStart);
  settings.CommonWordsOnly = false;
  ASSERT_TRUE(SaveSettings(settings, path_));
  EXPECT_EQ(ReadFile(), std::string(kDefaultFile) + "\n[Missed Words]\nCommon Words Only=No\n");
  GameSettings loaded = DefaultSettings(kStart);
  LoadSettings(loaded, path_);
  EXPECT_FALSE(loaded.CommonWordsOnly);

  // Back to the default: the key stays, now saying so.
  loaded.CommonWordsOnly = true;
  ASSERT_TRUE(SaveSettings(loaded, path_));
  EXPECT_EQ(ReadFile(), std::string(kDefaultFile) + "\n[Missed Words]\nCommon Words Only=Yes\n");
}

TEST_F(SettingsFileTest, LanguageIsKeptInItsOwnSectionAndAnUnknownOnePlaysEnglish) {
  GameSettings settings = DefaultSettings(kStart);
  settings.LanguageCode = "de";
  ASSERT_TRUE(SaveSettings(settings, path_));
  EXPECT_EQ(ReadFile(), std::string(kDefaultFile) + "\n[Language]\nLanguage=de\n");
  GameSettings loaded = DefaultSettings(kStart);
  LoadSettings(loaded, path_);
  EXPECT_EQ(loaded.LanguageCode, "de");

  // A language this copy has no row for, as a newer copy may have written.
  loaded.LanguageCode = "xx";
  ASSERT_TRUE(SaveSettings(loaded, path_));
  LoadSettings(loaded, path_);
  EXPECT_EQ(loaded.LanguageCode, "en");
}

TEST_F(SettingsFileTest, ValuesRoundTrip) {
  GameSettings settings = DefaultSettings(kStart);
  settings.LetterFont = {0x00ff8040, "Times New Roman", 30, false, true, true, true};
  settings.PrintPuzzleFont = {255, "Courier", 12, true, false, false, true};
  settings.WordListFont = {-1, "Liberation Sans", 11, true, true, false, false};
  settings.LetterBitmap = "/pictures/wood tile.bmp";
  settings.WindowSize = 1024;
  settings.LengthPoints[4] = 20;
  settings.WordTooShort = false;
  settings.Height = 5;
  settings.Width = 5;
  settings.Minutes = 0;
  settings.Seconds = 45;
  settings.TimeUpNotification = 7;
  settings.GuessListColumns = 3;
  settings.AlternateLetters = true;
  settings.AmericanDictionary = false;
  settings.ShowBackgroundBitmap = false;
  ASSERT_TRUE(SaveSettings(settings, path_));

  GameSettings loaded = DefaultSettings("/elsewhere");
  LoadSettings(loaded, path_);
  EXPECT_EQ(loaded.LastGroup, "/home/player/TOLVANE.TVN");
  EXPECT_EQ(loaded.LetterFont.Color, 0x00ff8040);
  EXPECT_EQ(loaded.LetterFont.Name, "Times New Roman");
  EXPECT_EQ(loaded.LetterFont.Size, 30);
  EXPECT_FALSE(loaded.LetterFont.Bold);
  EXPECT_TRUE(loaded.LetterFont.Italic && loaded.LetterFont.Underline &&
              loaded.LetterFont.Strikeout);
  EXPECT_TRUE(loaded.PrintPuzzleFont.Bold && loaded.PrintPuzzleFont.Strikeout);
  EXPECT_EQ(loaded.WordListFont.Color, -1);
  EXPECT_TRUE(loaded.WordListFont.Bold && loaded.WordListFont.Italic);
  EXPECT_EQ(loaded.LetterBitmap, "/pictures/wood tile.bmp");
  EXPECT_EQ(loaded.WindowSize, 1024);
  EXPECT_EQ(loaded.LengthPoints[4], 20);
  EXPECT_FALSE(loaded.WordTooShort);
  EXPECT_EQ(loaded.Height, 5);
  EXPECT_EQ(loaded.Width, 5);
  EXPECT_EQ(loaded.Minutes, 0);
  EXPECT_EQ(loaded.Seconds, 45);
  EXPECT_EQ(loaded.TimeUpNotification, 7);
  EXPECT_EQ(loaded.GuessListColumns, 3);
  EXPECT_TRUE(loaded.AlternateLetters);
  EXPECT_FALSE(loaded.AmericanDictionary);
  EXPECT_FALSE(loaded.ShowBackgroundBitmap);
}

TEST_F(SettingsFileTest, YesNoValues) {
  EXPECT_EQ(YesNoText(true), "Yes");
  EXPECT_EQ(YesNoText(false), "No");
  for (const char* yes : {"yes", "Yes", "YES", "  yEs  "}) {
    const GameSettings s = LoadedFrom(std::string("[Print Puzzle Font]\nBold=") + yes + "\n");
    EXPECT_TRUE(s.PrintPuzzleFont.Bold) << yes;
  }
  for (const char* no : {"Y", "1", "True", "", "yes please", "NO"}) {
    const GameSettings s = LoadedFrom(std::string("[Letter Font]\nBold=") + no + "\n");
    EXPECT_FALSE(s.LetterFont.Bold) << no;
  }
}

TEST_F(SettingsFileTest, IntegersAndEmptyValues) {
  const GameSettings s = LoadedFrom(
      "[Play Options]\n"
      "Minutes=5x\n"
      "Seconds=\n"
      "Guess List Columns=  -2\n"
      "[Scoring]\n"
      "Word Misspelled=\n"
      "3 Letter Words=$10\n"
      "[Misc]\n"
      "Last Group=\n");
  EXPECT_EQ(s.Minutes, 5);
  EXPECT_EQ(s.Seconds, 0);
  EXPECT_EQ(s.GuessListColumns, -2);
  EXPECT_FALSE(s.WordMisspelled);
  EXPECT_EQ(s.LengthPoints[0], 16);
  EXPECT_EQ(s.LastGroup, "");
  EXPECT_EQ(s.LastImportFile, kStart);

  const GameSettings empty = LoadedFrom("[Play Options]\nMinutes=\n");
  EXPECT_EQ(empty.Minutes, 0);
  EXPECT_EQ(empty.Seconds, 0);
}

TEST_F(SettingsFileTest, LongValuesAreCutToTheirBuffers) {
  const GameSettings s = LoadedFrom("[Letter Font]\nFont Name=" + std::string(160, 'F') +
                                    "\nBitmap=" + std::string(200, 'b') +
                                    "\n[Misc]\nWindow Size=" + std::string(20, '8') + "\n");
  EXPECT_EQ(s.LetterFont.Name, std::string(149, 'F'));
  EXPECT_EQ(s.LetterBitmap, std::string(149, 'b'));
  // Fourteen eights fit no 32-bit value: the reading stops where the number overflows.
  EXPECT_EQ(s.WindowSize, 888888888);
}

TEST_F(SettingsFileTest, WordListFontKeepsOnlyBoldAndItalic) {
  GameSettings settings = DefaultSettings(kStart);
  settings.WordListFont.Underline = true;
  settings.WordListFont.Strikeout = true;
  settings.WordListFont.Italic = true;
  ASSERT_TRUE(SaveSettings(settings, path_));
  EXPECT_TRUE(settings.WordListFont.Italic);

  GameSettings loaded = DefaultSettings(kStart);
  loaded.WordListFont.Underline = true;  // whatever the font held before is cleared
  LoadSettings(loaded, path_);
  EXPECT_TRUE(loaded.WordListFont.Italic);
  EXPECT_FALSE(loaded.WordListFont.Underline);
  EXPECT_FALSE(loaded.WordListFont.Strikeout);
}

TEST_F(SettingsFileTest, UnplayableBoardSizeAndGameLengthGiveDefaults) {
  const GameSettings big = LoadedFrom("[Play Options]\nHeight=7\nWidth=3\n");
  EXPECT_EQ(big.Height, 4);
  EXPECT_EQ(big.Width, 4);
  const GameSettings five = LoadedFrom("[Play Options]\nHeight=5\nWidth=5\n");
  EXPECT_EQ(five.Height, 5);
  EXPECT_EQ(five.Width, 5);

  const GameSettings negative = LoadedFrom("[Play Options]\nMinutes=1\nSeconds=-61\n");
  EXPECT_EQ(negative.Minutes, 3);
  EXPECT_EQ(negative.Seconds, 0);
  const GameSettings zero = LoadedFrom("[Play Options]\nMinutes=1\nSeconds=-60\n");
  EXPECT_EQ(zero.Minutes, 1);
  EXPECT_EQ(zero.Seconds, -60);
  const GameSettings huge = LoadedFrom("[Play Options]\nMinutes=2000000000\n");
  EXPECT_EQ(huge.Minutes, 3);
}

TEST_F(SettingsFileTest, HandWrittenFileKeepsItsOwnLines) {
  const std::string handWritten =
      "; my settings\r\n"
      "[misc]\r\n"
      "window size = 800\r\n"
      "Favourite=blue\r\n"
      "\r\n"
      "[Extra]\r\n"
      "Key=Value\r\n";
  GameSettings settings = LoadedFrom(handWritten);
  EXPECT_EQ(settings.WindowSize, 800);
  ASSERT_TRUE(SaveSettings(settings, path_));
  const std::string saved = ReadFile();
  EXPECT_EQ(saved.rfind("; my settings\r\n[misc]\r\nwindow size = 800\r\nFavourite=blue\r\n", 0),
            0u)
      << saved;
  EXPECT_NE(saved.find("\r\n[Extra]\r\nKey=Value\r\n"), std::string::npos);
  EXPECT_NE(saved.find("Last Group=/home/player/TOLVANE.TVN\r\n"), std::string::npos);
  EXPECT_EQ(saved.find("\r\n[Misc]"), std::string::npos);
  for (std::size_t i = saved.find('\n'); i != std::string::npos; i = saved.find('\n', i + 1))
    EXPECT_EQ(saved[i - 1], '\r') << "line end without CR at " << i;

  GameSettings again = DefaultSettings(kStart);
  LoadSettings(again, path_);
  ASSERT_TRUE(SaveSettings(again, path_));
  EXPECT_EQ(ReadFile(), saved);
}

TEST_F(SettingsFileTest, ByteOrderMarkIsNoPartOfTheFirstSection) {
  const std::string bom = "\xEF\xBB\xBF";
  GameSettings settings = LoadedFrom(bom + "[Misc]\nWindow Size=800\n");
  EXPECT_EQ(settings.WindowSize, 800);
  ASSERT_TRUE(SaveSettings(settings, path_));
  const std::string saved = ReadFile();
  EXPECT_EQ(saved.rfind(bom + "[Misc]\nWindow Size=800\nLast Import File=", 0), 0u) << saved;
  EXPECT_EQ(saved.find("[Misc]"), saved.rfind("[Misc]")) << "a second [Misc]";
  EXPECT_NE(saved.find("Window Size=800\n"), std::string::npos);
}

// Anything but a readable settings file of sane size gives the defaults and is left
// exactly as it was.
TEST_F(SettingsFileTest, FileThatCannotBeReadGivesDefaultsAndIsNeverOverwritten) {
  const std::string tooLarge = "[Misc]\nWindow Size=800\n" + std::string(1024 * 1024, '\n');
  GameSettings settings = LoadedFrom(tooLarge);
  EXPECT_EQ(settings.WindowSize, 640);
  EXPECT_FALSE(SaveSettings(settings, path_));
  EXPECT_EQ(ReadFile(), tooLarge);

  std::filesystem::remove(path_);
  ASSERT_EQ(::mkfifo(path_.c_str(), 0600), 0);
  settings = DefaultSettings(kStart);
  LoadSettings(settings, path_);
  EXPECT_FALSE(SaveSettings(settings, path_));
  EXPECT_TRUE(std::filesystem::is_fifo(path_));

  std::filesystem::remove(path_);
  std::filesystem::create_symlink("/dev/zero", path_);
  settings = DefaultSettings(kStart);
  LoadSettings(settings, path_);
  EXPECT_EQ(settings.WindowSize, 640);
  EXPECT_FALSE(SaveSettings(settings, path_));
  EXPECT_TRUE(std::filesystem::is_symlink(path_));
}

TEST_F(SettingsFileTest, ReadOnlyFileStaysAsItWas) {
  const std::string failures = AsOrdinaryUser(folder_.Path(), [&] {
    std::string failures;
    const std::string original = "[Misc]\nWindow Size=800\n";
    WriteFile(original);
    ::chmod(path_.c_str(), 0444);
    GameSettings settings = DefaultSettings(kStart);
    LoadSettings(settings, path_);
    Check(failures, settings.WindowSize == 800, "not read");
    Check(failures, !SaveSettings(settings, path_), "save reported as done");
    Check(failures, ReadFile() == original, "rewritten");
    return failures;
  });
  EXPECT_EQ(failures, "");
}

TEST_F(SettingsFileTest, LargestFileReadsAndWritesInLinearTime) {
  // Near the limit: one line for almost every byte, and every key of the game missing.
  // Each key must cost the same however many lines there are.
  const std::string blankLines(ProfileFile::kMaxBytes - 4096, '\n');
  const std::clock_t start = std::clock();
  GameSettings settings = LoadedFrom(blankLines);
  ASSERT_TRUE(SaveSettings(settings, path_));
  const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
  EXPECT_EQ(ReadFile().substr(0, blankLines.size() + 7), blankLines + "[Misc]\n");
  EXPECT_LT(seconds, 1.5) << "processor time for one load and save";

  // Keys that would take the file over the limit are not written: it stays readable.
  const std::string nearlyFull(ProfileFile::kMaxBytes - 16, '\n');
  settings = LoadedFrom(nearlyFull);
  EXPECT_FALSE(SaveSettings(settings, path_));
  EXPECT_EQ(ReadFile(), nearlyFull);
}

}  // namespace
