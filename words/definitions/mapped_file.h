#pragma once

#include <atomic>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

// A regular file mapped read-only for as long as the object lives. Missing, unreadable
// and empty files give an empty view; nothing is ever read outside the view.
//
// The installed dictionaries stay mapped while a window is open, and a package upgrade or
// a careless hand may cut such a file short meanwhile. Reading a page the file no longer
// has would kill the game (SIGBUS); instead the mapping is guarded: such a page reads as
// zeros from then on, and the file is no longer Intact(). Whoever reads through the view
// checks Intact() afterwards and discards what it found.
class MappedFile {
 public:
  // Null when the file cannot be opened as a regular file of at most `maxSize` bytes.
  static std::unique_ptr<MappedFile> Open(const std::string& path, std::size_t maxSize);
  ~MappedFile();
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;

  std::string_view Bytes() const { return {data_, size_}; }
  // False once a part of the view was found gone from the file.
  bool Intact() const { return !cut_.load(); }

 private:
  MappedFile() = default;
  const char* data_ = nullptr;
  std::size_t size_ = 0;
  void* mapping_ = nullptr;
  int guard_ = -1;  // the slot of the bus-error guard watching the mapping
  std::atomic<bool> cut_ = false;
};
