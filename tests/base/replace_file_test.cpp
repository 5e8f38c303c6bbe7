#include "base/replace_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>

#include "tests/file_size_limit.h"
#include "tests/ordinary_user.h"
#include "tests/temp_folder.h"

namespace fs = std::filesystem;

namespace {

ReplaceFileResult Replace(const std::string& path, const std::string& bytes) {
  return ReplaceFileContents(path, bytes.data(), bytes.size());
}

std::set<std::string> Names(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder))
    names.insert(entry.path().filename().string());
  return names;
}

struct stat StatusOf(const std::string& path) {
  struct stat status {};
  ::lstat(path.c_str(), &status);
  return status;
}

// The id of a process that has ended.
pid_t EndedProcess() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}

TEST(ReplaceFile, FileTheUserMayNotWriteIsRefusedAndKept) {
  TempFolder folder;
  const std::string failures = AsOrdinaryUser(folder.Path(), [&] {
    std::string failures;
    const std::string path = folder.Write("P1.TVN", "old");
    ::chmod(path.c_str(), 0444);
    Check(failures, Replace(path, "new") == ReplaceFileResult::CannotCreate, "not refused");
    Check(failures, ReadFileBytes(path) == "old", "contents changed");
    Check(failures, (StatusOf(path).st_mode & 07777) == 0444, "mode changed");
    Check(failures, Names(folder.Path()).size() == 1, "a file left beside it");
    return failures;
  });
  EXPECT_EQ(failures, "");
}

TEST(ReplaceFile, WritableFileInAFolderThatIsNotIsWrittenInPlace) {
  TempFolder folder;
  const std::string failures = AsOrdinaryUser(folder.Path(), [&] {
    std::string failures;
    const std::string path = folder.Write("TOLVANE.INI", "[Misc]\nWindow Size=640\n");
    const ino_t inode = StatusOf(path).st_ino;
    ::chmod(folder.Path().c_str(), 0555);
    Check(failures, Replace(path, "short") == ReplaceFileResult::Ok, "shorter not saved");
    Check(failures, ReadFileBytes(path) == "short", "shorter contents wrong");
    const std::string longer(5000, 'x');
    Check(failures, Replace(path, longer) == ReplaceFileResult::Ok, "longer not saved");
    Check(failures, ReadFileBytes(path) == longer, "longer contents wrong");
    Check(failures, StatusOf(path).st_ino == inode, "not the same file");

    // A full disk while writing in place leaves the old contents.
    {
      FileSizeLimit full(6000);
      Check(failures, Replace(path, std::string(9000, 'y')) == ReplaceFileResult::WriteFailed,
            "full disk not reported");
    }
    Check(failures, ReadFileBytes(path) == longer, "full disk damaged the file");
    ::chmod(folder.Path().c_str(), 0755);
    return failures;
  });
  EXPECT_EQ(failures, "");
}

TEST(ReplaceFile, SavesThroughSymbolicLinksToTheirTarget) {
  TempFolder folder;
  fs::create_directories(folder.File("dotfiles"));
  fs::create_directories(folder.File("config"));
  const std::string target = folder.Write("dotfiles/TOLVANE.INI", "old");
  const std::string link = folder.File("config/TOLVANE.INI");
  fs::create_symlink("../dotfiles/TOLVANE.INI", link);
  const std::string linkToLink = folder.File("config/again");
  fs::create_symlink(link, linkToLink);

  ASSERT_EQ(Replace(link, "new"), ReplaceFileResult::Ok);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadFileBytes(target), "new");
  ASSERT_EQ(Replace(linkToLink, "newer"), ReplaceFileResult::Ok);
  EXPECT_TRUE(fs::is_symlink(linkToLink));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadFileBytes(target), "newer");
  EXPECT_EQ(Names(folder.File("dotfiles")), std::set<std::string>{"TOLVANE.INI"});
  EXPECT_EQ(Names(folder.File("config")), (std::set<std::string>{"TOLVANE.INI", "again"}));

  // A link to a file not made yet makes it; a loop of links saves nothing.
  const std::string ahead = folder.File("config/ahead");
  fs::create_symlink(folder.File("dotfiles/later"), ahead);
  ASSERT_EQ(Replace(ahead, "made"), ReplaceFileResult::Ok);
  EXPECT_TRUE(fs::is_symlink(ahead));
  EXPECT_EQ(ReadFileBytes(folder.File("dotfiles/later")), "made");
  fs::create_symlink(folder.File("loop2"), folder.File("loop1"));
  fs::create_symlink(folder.File("loop1"), folder.File("loop2"));
  EXPECT_EQ(Replace(folder.File("loop1"), "x"), ReplaceFileResult::CannotCreate);
}

TEST(ReplaceFile, WhatIsNoRegularFileIsNeverReplaced) {
  TempFolder folder;
  const std::string fifo = folder.File("P1.TVN");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  EXPECT_EQ(Replace(fifo, "x"), ReplaceFileResult::CannotCreate);
  EXPECT_TRUE(S_ISFIFO(StatusOf(fifo).st_mode));
  const std::string subfolder = folder.File("sub");
  fs::create_directories(subfolder);
  EXPECT_EQ(Replace(subfolder, "x"), ReplaceFileResult::CannotCreate);
  EXPECT_TRUE(fs::is_directory(subfolder));
  EXPECT_EQ(Names(folder.Path()), (std::set<std::string>{"P1.TVN", "sub"}));
}

TEST(ReplaceFile, KeepsOwnerGroupAndMode) {
  TempFolder folder;
  const std::string path = folder.Write("P1.TVN", "old");
  ::chmod(path.c_str(), 0640);
  ASSERT_EQ(Replace(path, "new"), ReplaceFileResult::Ok);
  EXPECT_EQ(StatusOf(path).st_mode & 07777, 0640u);
  const std::string fresh = folder.File("fresh.TVN");
  const mode_t mask = ::umask(022);
  ASSERT_EQ(Replace(fresh, "new"), ReplaceFileResult::Ok);
  ::umask(mask);
  EXPECT_EQ(StatusOf(fresh).st_mode & 07777, 0644u);
  if (!RunningAsRoot()) GTEST_SKIP() << "changing owners needs root";

  // Root saving someone else's file gives it back to them.
  ASSERT_EQ(::chown(path.c_str(), 1, kOrdinaryGroup), 0);
  ASSERT_EQ(Replace(path, "by root"), ReplaceFileResult::Ok);
  EXPECT_EQ(StatusOf(path).st_uid, 1u);
  EXPECT_EQ(StatusOf(path).st_gid, kOrdinaryGroup);
  EXPECT_EQ(StatusOf(path).st_mode & 07777, 0640u);

  // A group member cannot give a new file another owner, so writes the old one in place.
  const std::string shared = folder.Write("shared.TVN", "old");
  ASSERT_EQ(::chown(shared.c_str(), 1, kOrdinaryGroup), 0);
  ::chmod(shared.c_str(), 0664);
  const std::string failures = AsOrdinaryUser(folder.Path(), [&] {
    std::string failures;
    Check(failures, Replace(shared, "by member") == ReplaceFileResult::Ok, "not saved");
    return failures;
  });
  EXPECT_EQ(failures, "");
  EXPECT_EQ(ReadFileBytes(shared), "by member");
  EXPECT_EQ(StatusOf(shared).st_uid, 1u);
  EXPECT_EQ(StatusOf(shared).st_mode & 07777, 0664u);
}

TEST(ReplaceFile, ClearsLeftoversOfInterruptedSavesOfThatFileOnly) {
  TempFolder folder;
  const std::string path = folder.Write("P1.TVN", "old");
  const std::string dead = "P1.TVN.tolvane-save." + std::to_string(EndedProcess()) + ".Ab12Cd";
  const std::string own = "P1.TVN.tolvane-save." + std::to_string(::getpid()) + ".xxxxxx";
  const std::string live = "P1.TVN.tolvane-save." + std::to_string(::getppid()) + ".Ab12Cd";
  const std::string otherFile = "P2.TVN.tolvane-save." + std::to_string(EndedProcess()) + ".a1b2c3";
  const std::set<std::string> kept = {"P1.TVN", live, otherFile, "P1.TVN.XXXXXX",
                                      "P1.TVN.tolvane-save.12x.abcdef"};
  for (const std::string& name : kept) folder.Write(name, "");
  folder.Write(dead, "partial");
  folder.Write(own, "partial");

  ASSERT_EQ(Replace(path, "new"), ReplaceFileResult::Ok);
  EXPECT_EQ(Names(folder.Path()), kept);
}

// Kills a saving process at whatever point it has reached, again and again: the file is
// always the old or the new one, whole, and the next save clears what the kill left.
TEST(ReplaceFile, SaveKilledAtAnyPointLeavesAWholeFile) {
  TempFolder folder;
  const std::string oldBytes(4 << 20, 'o');
  const std::string newBytes(6 << 20, 'n');
  const std::string path = folder.Write("P1.TVN", oldBytes);
  bool leftoverSeen = false;
  for (int attempt = 0; attempt < 5; ++attempt) {
    const pid_t child = ::fork();
    if (child == 0) {
      Replace(path, newBytes);
      ::_exit(0);
    }
    // Kill as soon as the new file shows beside the old one, unless the save is done.
    bool ended = false;
    while (!ended && Names(folder.Path()).size() == 1)
      ended = ::waitpid(child, nullptr, WNOHANG) == child;
    if (!ended) {
      ::kill(child, SIGKILL);
      ::waitpid(child, nullptr, 0);
    }
    const std::string now = ReadFileBytes(path);
    EXPECT_TRUE(now == oldBytes || now == newBytes) << "a torn file of " << now.size();
    leftoverSeen = leftoverSeen || Names(folder.Path()).size() > 1;
    ASSERT_EQ(Replace(path, oldBytes), ReplaceFileResult::Ok);
    EXPECT_EQ(Names(folder.Path()), std::set<std::string>{"P1.TVN"});
  }
  EXPECT_TRUE(leftoverSeen) << "no save was caught midway";
}

}  // namespace
