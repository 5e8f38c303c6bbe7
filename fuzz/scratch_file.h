#pragma once

// The readers under test take file names, so each input is written to one scratch file,
// in a folder of its own that is removed when the fuzzer exits.

#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

// The path of the scratch file named `name`; the same on every call.
inline const std::string& ScratchFile(const char* name) {
  // Never destroyed: the exit handler that removes the folder still needs the name.
  static const std::string& path = *new std::string([name] {
    // Some readers sync what they write; in memory that costs next to nothing.
    const std::filesystem::path base = std::filesystem::is_directory("/dev/shm")
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path();
    const std::filesystem::path folder = base / ("tolvane-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::atexit([] { std::filesystem::remove_all(std::filesystem::path(path).parent_path()); });
    return (folder / name).string();
  }());
  return path;
}

inline void WriteScratch(const std::string& path, const uint8_t* data, std::size_t size) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) std::abort();
  if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
  std::fclose(file);
}

// A dictionary server's pair of files from one input: the index up to its first NUL
// byte, the compressed text after it.
inline void WriteDictdScratch(std::string_view input, const std::string& indexPath,
                              const std::string& textPath) {
  const std::size_t split = std::min(input.find('\0'), input.size());
  const std::string_view index = input.substr(0, split);
  const std::string_view text = input.substr(std::min(split + 1, input.size()));
  WriteScratch(indexPath, reinterpret_cast<const uint8_t*>(index.data()), index.size());
  WriteScratch(textPath, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

inline std::string ReadScratch(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}
