#include "settings/profile_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/temp_folder.h"

using namespace std::string_literals;

namespace {

class ProfileFileTest : public testing::Test {
 protected:
  void WriteFile(const std::string& bytes) { folder_.Write("TEST.INI", bytes); }
  std::string ReadFile() const { return ReadFileBytes(path_); }
  ProfileFile Loaded(const std::string& bytes) {
    WriteFile(bytes);
    ProfileFile profile(path_);
    profile.Load();
    return profile;
  }

  TempFolder folder_;
  std::string path_ = folder_.File("TEST.INI");
};

TEST_F(ProfileFileTest, ReadsValuesIgnoringCaseAndOuterBlanks) {
  const ProfileFile profile = Loaded(
      "[Misc]\n"
      "  Window Size =  800 \t\n"
      "Name=\"quoted\"\n"
      "Empty=\n"
      "[play options]\n"
      "WIDTH=5\n"
      "Nul=ab\0cd\n"
      "Cr=one\rtwo\r\n"s);
  EXPECT_EQ(profile.GetString("misc", "window size", "x", 15), "800");
  EXPECT_EQ(profile.GetString("Misc", "Name", "x", 15), "\"quoted\"");
  EXPECT_EQ(profile.GetString("Misc", "Empty", "x", 15), "");
  EXPECT_EQ(profile.GetString("Play Options", "Width", "x", 15), "5");
  EXPECT_EQ(profile.GetString("Play Options", "Nul", "x", 15), "ab");
  EXPECT_EQ(profile.GetString("Play Options", "Cr", "x", 15), "one");
  EXPECT_EQ(profile.GetString("Misc", "Missing", "default", 15), "default");
  EXPECT_EQ(profile.GetString("Nowhere", "Width", "default", 15), "default");
  // A key belongs to its own section only.
  EXPECT_EQ(profile.GetString("Misc", "Width", "none", 15), "none");
}

TEST_F(ProfileFileTest, BufferKeepsOneCharacterLessThanItsSize) {
  const ProfileFile profile = Loaded("[S]\nK=" + std::string(160, 'a') + "\n");
  EXPECT_EQ(profile.GetString("S", "K", "", 150), std::string(149, 'a'));
  EXPECT_EQ(profile.GetString("S", "K", "", 15), std::string(14, 'a'));
  EXPECT_EQ(profile.GetString("S", "Missing", "0123456789abcdefgh", 15), "0123456789abcd");
  EXPECT_EQ(profile.GetString("S", "K", "", 0), "");
}

TEST_F(ProfileFileTest, FirstOfDuplicatesWinsAndOddLinesAreNoKeys) {
  ProfileFile profile = Loaded(
      "K=before any section\n"
      "[S]\n"
      "; K=comment\n"
      "K\n"
      "[broken\n"
      "K=first\n"
      "K=second\n"
      "[s]\n"
      "K=other section\n"
      "\0\0\0\n"s);
  EXPECT_EQ(profile.GetString("S", "K", "", 50), "first");
  profile.WriteString("S", "K", "changed");
  EXPECT_EQ(profile.GetString("S", "K", "", 50), "changed");
  EXPECT_NE(profile.Contents().find("K=second\n"), std::string::npos);
  EXPECT_NE(profile.Contents().find("K=other section\n"), std::string::npos);
}

TEST_F(ProfileFileTest, WriteChangesOneLineAndKeepsEverythingElse) {
  const std::string original =
      "; settings\r\n"
      "[Misc]\r\n"
      "  window size = 640\r\n"
      "Unknown=kept\r\n"
      "\r\n"
      "[Other]\r\n"
      "x=1";
  ProfileFile profile = Loaded(original);
  profile.WriteString("MISC", "Window Size", "1024");
  profile.WriteString("Misc", "Unknown", "kept");
  ASSERT_TRUE(profile.Save());
  EXPECT_EQ(ReadFile(),
            "; settings\r\n"
            "[Misc]\r\n"
            "  window size =1024\r\n"
            "Unknown=kept\r\n"
            "\r\n"
            "[Other]\r\n"
            "x=1");
}

TEST_F(ProfileFileTest, SavingUnchangedValuesLeavesTheFileAsItWas) {
  const std::string original = "[A]\n  Key = value  \n\n;note\n[B]\nz=\n";
  ProfileFile profile = Loaded(original);
  profile.WriteString("a", "key", "value");
  profile.WriteString("B", "Z", "");
  ASSERT_TRUE(profile.Save());
  EXPECT_EQ(ReadFile(), original);
}

TEST_F(ProfileFileTest, CreatesMissingKeysSectionsAndFolders) {
  ProfileFile profile = Loaded("[A]\r\nx=1\r\n\r\n; end of A\r\n[B]\r\ny=2");
  profile.WriteString("A", "New", "n");
  profile.WriteString("B", "Also", "a");
  profile.WriteString("C", "Key", "c");
  ASSERT_TRUE(profile.Save());
  EXPECT_EQ(
      ReadFile(),
      "[A]\r\nx=1\r\nNew=n\r\n\r\n; end of A\r\n[B]\r\ny=2\r\nAlso=a\r\n\r\n[C]\r\nKey=c\r\n");

  const std::string nested = folder_.File("one/two/NEW.INI");
  ProfileFile fresh(nested);
  fresh.Load();
  fresh.WriteString("S", "K", "v");
  fresh.WriteString("T", "K", "w");
  ASSERT_TRUE(fresh.Save());
  std::ifstream in(nested, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  EXPECT_EQ(bytes.str(), "[S]\nK=v\n\n[T]\nK=w\n");
}

TEST_F(ProfileFileTest, ValuesCannotBreakOutOfTheirLine) {
  ProfileFile profile = Loaded("");
  profile.WriteString("S", "K", "path\n[Injected]\nK=evil");
  EXPECT_EQ(profile.Contents(), "[S]\nK=path\n");
}

TEST_F(ProfileFileTest, UnreadableFileIsEmptyAndNeverOverwritten) {
  std::filesystem::create_directories(path_);  // a folder where the file should be
  ProfileFile profile(path_);
  profile.Load();
  EXPECT_EQ(profile.GetString("S", "K", "d", 15), "d");
  profile.WriteString("S", "K", "v");
  EXPECT_FALSE(profile.Save());
  EXPECT_TRUE(std::filesystem::is_directory(path_));
}

}  // namespace
