#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <string>

// The one way the game reads a file from outside. Opening never blocks and nothing but a
// regular file is read: a FIFO, a device, a socket or a folder (also behind a symbolic
// link) is refused before a byte is read, so a stray /dev/zero or pipe cannot hang the
// game or fill its memory.

enum class FileReadStatus {
  Ok,
  Missing,     // no such file (also a link that leads nowhere)
  Unreadable,  // not a regular file, no permission, or a read error
  TooLarge,    // larger than the caller allows
};

// Tells a changed file from the same one without reading it.
struct FileIdentity {
  uint64_t Device = 0;
  uint64_t Inode = 0;
  uint64_t Size = 0;
  int64_t ModifiedSeconds = 0;
  int64_t ModifiedNanoseconds = 0;
  auto operator<=>(const FileIdentity&) const = default;
};

// An open regular file, read-only. The descriptor closes with the object.
class ReadableFile {
 public:
  explicit ReadableFile(const std::string& path);
  ~ReadableFile();
  ReadableFile(const ReadableFile&) = delete;
  ReadableFile& operator=(const ReadableFile&) = delete;

  FileReadStatus Status() const { return status_; }
  bool IsOpen() const { return status_ == FileReadStatus::Ok; }
  int Descriptor() const { return fd_; }
  uint64_t Size() const { return identity_.Size; }
  const FileIdentity& Identity() const { return identity_; }

  // Up to `limit` bytes from the start of the file; fewer when it is shorter. False on
  // a read error.
  bool ReadStart(std::size_t limit, std::string& bytes) const;

 private:
  int fd_ = -1;
  FileReadStatus status_ = FileReadStatus::Unreadable;
  FileIdentity identity_;
};

// The whole of a regular file of at most `maxSize` bytes. `bytes` is set only on Ok.
FileReadStatus ReadWholeFile(const std::string& path, std::size_t maxSize, std::string& bytes);
