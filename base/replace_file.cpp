#include "base/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

namespace {

bool WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

mode_t CurrentUmask() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

}  // namespace

ReplaceFileResult ReplaceFileContents(const std::string& path, const void* data, std::size_t size) {
  std::string tempPath = path + ".XXXXXX";
  std::vector<char> name(tempPath.begin(), tempPath.end());
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return ReplaceFileResult::CannotCreate;
  tempPath = name.data();

  // mkstemp makes the file private; a replaced file should get the usual permissions.
  struct stat existing {};
  const mode_t mode =
      ::stat(path.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : (0666 & ~CurrentUmask());
  ::fchmod(fd, mode);

  const bool written = WriteAll(fd, static_cast<const char*>(data), size) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || std::rename(tempPath.c_str(), path.c_str()) != 0) {
    ::unlink(tempPath.c_str());
    return ReplaceFileResult::WriteFailed;
  }
  return ReplaceFileResult::Ok;
}
