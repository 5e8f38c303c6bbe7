#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "words/definitions/mapped_file.h"

// A dictionary text compressed as gzip with a table of independently compressed chunks
// in its extra field ("RA": version 1, chunk length, chunk count, compressed sizes). A
// range of the text is inflated chunk by chunk, so a look-up never inflates the whole.
class DictzipFile {
 public:
  // Null when the file is missing or its header or chunk table does not add up.
  static std::unique_ptr<DictzipFile> Open(const std::string& path);

  // The `length` bytes of the text at `offset`; nothing when the range lies outside the
  // text, is longer than kMaxRead, or a chunk it needs does not inflate.
  std::optional<std::string> Read(uint64_t offset, uint64_t length) const;

  // Three times the longest entry of the installed dictionary.
  static constexpr uint64_t kMaxRead = 1u << 16;

  // False once the file was found cut short while open (see MappedFile).
  bool Intact() const { return file_->Intact(); }

 private:
  DictzipFile() = default;
  std::optional<std::string> Inflate(std::size_t chunk) const;

  std::unique_ptr<MappedFile> file_;
  std::size_t chunkLength_ = 0;
  std::vector<uint64_t> chunkStarts_;  // in the file; one more than there are chunks
};
