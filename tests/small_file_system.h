#pragma once

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "tests/temp_folder.h"

// A file system of its own, a few hundred kilobytes of memory (tmpfs) mounted on a fresh
// folder while the object lives. A full disk is met where the player meets it: a write to
// the file's own file system fails, while the temporary folder has room. Mounting needs
// root, as the test command has; elsewhere Mounted() is false and the test says so.
class SmallFileSystem {
 public:
  explicit SmallFileSystem(std::size_t bytes = 2 << 20) {
    const std::string options = "size=" + std::to_string(bytes) + ",mode=0777";
    mounted_ = ::mount("tolvane-test", folder_.Path().c_str(), "tmpfs", MS_NOSUID | MS_NODEV,
                       options.c_str()) == 0;
  }
  ~SmallFileSystem() {
    if (mounted_) ::umount2(folder_.Path().c_str(), MNT_DETACH);
  }
  SmallFileSystem(const SmallFileSystem&) = delete;
  SmallFileSystem& operator=(const SmallFileSystem&) = delete;

  bool Mounted() const { return mounted_; }
  const std::string& Path() const { return folder_.Path(); }
  std::string File(const std::string& name) const { return folder_.File(name); }

  // Takes up the free room but about `room` bytes (whole pages), in a file of its own.
  void Fill(std::size_t room = 0) {
    const int fd = ::open(File(kFiller).c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    const std::vector<char> zeros(4096, 0);
    while (::write(fd, zeros.data(), zeros.size()) > 0) {
    }
    const off_t filled = ::lseek(fd, 0, SEEK_END);
    const off_t keep = filled - static_cast<off_t>((room + 4095) / 4096 * 4096);
    (void)!::ftruncate(fd, keep > 0 ? keep : 0);
    ::close(fd);
  }
  // Gives the room back.
  void Empty() { ::unlink(File(kFiller).c_str()); }

  std::size_t FreeBytes() const {
    struct statvfs status {};
    if (::statvfs(Path().c_str(), &status) != 0) return 0;
    return status.f_bavail * status.f_frsize;
  }

  static constexpr const char* kNotMounted =
      "a small file system could not be mounted: the full-disk case needs root (the test "
      "command runs as root, as CI does)";

 private:
  static constexpr const char* kFiller = ".filler";
  TempFolder folder_;
  bool mounted_ = false;
};
