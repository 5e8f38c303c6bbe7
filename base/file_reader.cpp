#include "base/file_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

ReadableFile::ReadableFile(const std::string& path) {
  // Without O_NONBLOCK, opening a FIFO waits for a writer that never comes.
  fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd_ < 0) {
    status_ =
        errno == ENOENT || errno == ENOTDIR ? FileReadStatus::Missing : FileReadStatus::Unreadable;
    return;
  }
  struct stat status {};
  if (::fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode)) return;
  // A regular file never blocks anyway; plain reads are simpler to reason about.
  ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
  identity_ = {static_cast<uint64_t>(status.st_dev), static_cast<uint64_t>(status.st_ino),
               static_cast<uint64_t>(status.st_size), static_cast<int64_t>(status.st_mtim.tv_sec),
               static_cast<int64_t>(status.st_mtim.tv_nsec)};
  status_ = FileReadStatus::Ok;
}

ReadableFile::~ReadableFile() {
  if (fd_ >= 0) ::close(fd_);
}

bool ReadableFile::ReadStart(std::size_t limit, std::string& bytes) const {
  if (!IsOpen()) return false;
  // The size is only a hint: the file may have grown or shrunk since it was opened.
  std::string read(static_cast<std::size_t>(std::min<uint64_t>(limit, Size())), '\0');
  std::size_t done = 0;
  for (;;) {
    if (done == read.size()) {
      if (done == limit) break;
      read.resize(std::min(limit, done + 65536));
    }
    const ssize_t got =
        ::pread(fd_, read.data() + done, read.size() - done, static_cast<off_t>(done));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) break;
    done += static_cast<std::size_t>(got);
  }
  read.resize(done);
  bytes = std::move(read);
  return true;
}

FileReadStatus ReadWholeFile(const std::string& path, std::size_t maxSize, std::string& bytes) {
  const ReadableFile file(path);
  if (!file.IsOpen()) return file.Status();
  if (file.Size() > maxSize) return FileReadStatus::TooLarge;
  std::string read;
  // One byte more than allowed tells a file that grew meanwhile.
  if (!file.ReadStart(maxSize + 1, read)) return FileReadStatus::Unreadable;
  if (read.size() > maxSize) return FileReadStatus::TooLarge;
  bytes = std::move(read);
  return FileReadStatus::Ok;
}
