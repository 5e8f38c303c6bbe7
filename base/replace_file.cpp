#include "base/replace_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <optional>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kLeftoverMark = ".tolvane-save.";
constexpr int kMostLinksFollowed = 40;

class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  ~Descriptor() { Close(); }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int Get() const { return fd_; }
  bool Close() {
    const bool closed = fd_ < 0 || ::close(fd_) == 0;
    fd_ = -1;
    return closed;
  }

 private:
  int fd_;
};

std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a save of `path` replaces: the end of its chain of symbolic links, which need
// not exist yet. Nothing for a chain that loops.
std::optional<std::string> FollowLinks(std::string path) {
  for (int hops = 0; hops < kMostLinksFollowed; ++hops) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return path;
    char target[PATH_MAX];
    const ssize_t length = ::readlink(path.c_str(), target, sizeof target);
    if (length <= 0 || static_cast<std::size_t>(length) >= sizeof target) return std::nullopt;
    const std::string_view link(target, static_cast<std::size_t>(length));
    const auto slash = path.rfind('/');
    if (link.front() == '/' || slash == std::string::npos) {
      path = std::string(link);
    } else {
      path = path.substr(0, slash + 1) + std::string(link);
    }
  }
  return std::nullopt;
}

bool WriteAll(int fd, const char* data, std::size_t size, off_t offset) {
  while (size > 0) {
    const ssize_t written = ::pwrite(fd, data, size, offset);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += written;
    size -= static_cast<std::size_t>(written);
    offset += written;
  }
  return true;
}

mode_t CurrentUmask() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

// The writer of a leftover named `<name><mark><pid>.<6 characters>`; 0 for any other name.
pid_t LeftoverWriter(std::string_view entry, std::string_view prefix) {
  if (entry.substr(0, prefix.size()) != prefix) return 0;
  const std::string_view rest = entry.substr(prefix.size());
  const auto dot = rest.find('.');
  if (dot == 0 || dot == std::string_view::npos || dot > 9 || rest.size() - dot - 1 != 6) return 0;
  pid_t pid = 0;
  for (const char digit : rest.substr(0, dot)) {
    if (digit < '0' || digit > '9') return 0;
    pid = pid * 10 + (digit - '0');
  }
  return pid;
}

bool IsRunning(pid_t pid) {
  // Saves run on one thread: a leftover under this process's own id is from an earlier
  // process that had the same id.
  if (pid == ::getpid()) return false;
  return ::kill(pid, 0) == 0 || errno != ESRCH;
}

void RemoveStaleLeftovers(const std::string& target) {
  DIR* folder = ::opendir(FolderOf(target).c_str());
  if (folder == nullptr) return;
  const std::string prefix = NameOf(target) + std::string(kLeftoverMark);
  while (const dirent* entry = ::readdir(folder)) {
    const pid_t writer = LeftoverWriter(entry->d_name, prefix);
    if (writer <= 0 || IsRunning(writer)) continue;
    struct stat status {};
    if (::fstatat(::dirfd(folder), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISREG(status.st_mode)) {
      ::unlinkat(::dirfd(folder), entry->d_name, 0);
    }
  }
  ::closedir(folder);
}

// Gives the new file the old one's owner, group and mode, or the usual mode when there
// was no old file. False when the old owner or group cannot be kept.
bool TakeOverOwnerAndMode(int fd, const struct stat* old) {
  if (old == nullptr) {
    ::fchmod(fd, 0666 & ~CurrentUmask());
    return true;
  }
  struct stat mine {};
  if (::fstat(fd, &mine) != 0) return false;
  if ((mine.st_uid != old->st_uid || mine.st_gid != old->st_gid) &&
      ::fchown(fd, old->st_uid, old->st_gid) != 0) {
    return false;
  }
  // After the change of owner, which clears set-id bits.
  return ::fchmod(fd, old->st_mode & 07777) == 0;
}

// For a file whose folder does not allow the new file beside it. Room for the new
// content is claimed first, so a full disk still leaves the old content as it was.
ReplaceFileResult WriteInPlace(int fd, const char* data, std::size_t size) {
  struct stat status {};
  if (::fstat(fd, &status) != 0) return ReplaceFileResult::WriteFailed;
  if (static_cast<off_t>(size) > status.st_size) {
    const int claimed = ::posix_fallocate(fd, 0, static_cast<off_t>(size));
    if (claimed == ENOSPC || claimed == EFBIG || claimed == EDQUOT)
      return ReplaceFileResult::WriteFailed;
  }
  if (!WriteAll(fd, data, size, 0) || ::ftruncate(fd, static_cast<off_t>(size)) != 0 ||
      ::fsync(fd) != 0) {
    return ReplaceFileResult::WriteFailed;
  }
  return ReplaceFileResult::Ok;
}

// Makes the rename itself last through a power cut; a folder that cannot be synced
// changes nothing about the result.
void SyncFolder(const std::string& path) {
  Descriptor folder(::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.Get() >= 0) ::fsync(folder.Get());
}

}  // namespace

ReplaceFileResult ReplaceFileContents(const std::string& path, const void* data, std::size_t size) {
  const std::optional<std::string> target = FollowLinks(path);
  if (!target) return ReplaceFileResult::CannotCreate;
  const char* bytes = static_cast<const char*>(data);

  struct stat old {};
  const bool exists = ::lstat(target->c_str(), &old) == 0;
  if (exists && !S_ISREG(old.st_mode)) return ReplaceFileResult::CannotCreate;
  // Whoever may not write the file itself may not replace it, whatever the folder allows.
  const Descriptor existing(
      exists ? ::open(target->c_str(), O_WRONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC)
             : -1);
  if (exists && existing.Get() < 0) return ReplaceFileResult::CannotCreate;

  RemoveStaleLeftovers(*target);
  std::string tempPath = *target;
  tempPath.append(kLeftoverMark).append(std::to_string(::getpid())).append(".XXXXXX");
  Descriptor fresh(::mkostemp(tempPath.data(), O_CLOEXEC));
  if (fresh.Get() < 0) {
    if (exists && (errno == EACCES || errno == EPERM || errno == EROFS || errno == ENAMETOOLONG))
      return WriteInPlace(existing.Get(), bytes, size);
    return ReplaceFileResult::CannotCreate;
  }
  if (!TakeOverOwnerAndMode(fresh.Get(), exists ? &old : nullptr)) {
    ::unlink(tempPath.c_str());
    return WriteInPlace(existing.Get(), bytes, size);
  }

  const bool written = WriteAll(fresh.Get(), bytes, size, 0) && ::fsync(fresh.Get()) == 0;
  if (!fresh.Close() || !written || std::rename(tempPath.c_str(), target->c_str()) != 0) {
    ::unlink(tempPath.c_str());
    return ReplaceFileResult::WriteFailed;
  }
  SyncFolder(*target);
  return ReplaceFileResult::Ok;
}
