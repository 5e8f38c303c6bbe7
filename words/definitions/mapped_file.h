#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

// A regular file mapped read-only for as long as the object lives. Missing, unreadable
// and empty files give an empty view; nothing is ever read outside the view.
class MappedFile {
 public:
  // Null when the file cannot be opened as a regular file of at most `maxSize` bytes.
  static std::unique_ptr<MappedFile> Open(const std::string& path, std::size_t maxSize);
  ~MappedFile();
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;

  std::string_view Bytes() const { return {data_, size_}; }

 private:
  MappedFile() = default;
  const char* data_ = nullptr;
  std::size_t size_ = 0;
  void* mapping_ = nullptr;
};
