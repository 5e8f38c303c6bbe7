// Any bytes as the settings file load without harm, give a playable board size and game
// length, and are saved into a file that a second load and save leave unchanged.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "settings/settings_file.h"

namespace {

const std::string& ScratchFile() {
  // Left allocated: the clean-up at exit still needs it.
  static const std::string& path = *new std::string([] {
    // Every save syncs the file to disk; in memory that costs next to nothing.
    const std::filesystem::path base = std::filesystem::is_directory("/dev/shm")
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path();
    const std::filesystem::path folder =
        base / ("fuzz_settings_file-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::atexit(
        [] { std::filesystem::remove_all(std::filesystem::path(ScratchFile()).parent_path()); });
    return (folder / "TOLVANE.INI").string();
  }());
  return path;
}

void WriteScratch(const uint8_t* data, std::size_t size) {
  std::FILE* file = std::fopen(ScratchFile().c_str(), "wb");
  if (file == nullptr) std::abort();
  if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
  std::fclose(file);
}

std::string ReadScratch() {
  std::ifstream in(ScratchFile(), std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void CheckPlayable(const GameSettings& settings) {
  if (settings.Height != 4 && settings.Height != 5) std::abort();
  if (settings.Width != 4 && settings.Width != 5) std::abort();
  const int64_t gameSeconds = int64_t{settings.Minutes} * 60 + settings.Seconds;
  if (gameSeconds < 0 || gameSeconds > INT32_MAX) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  WriteScratch(data, size);
  GameSettings first = DefaultSettings("/home/player");
  LoadSettings(first, ScratchFile());
  CheckPlayable(first);
  if (!SaveSettings(first, ScratchFile())) std::abort();
  const std::string saved = ReadScratch();

  GameSettings second = DefaultSettings("/elsewhere");
  LoadSettings(second, ScratchFile());
  CheckPlayable(second);
  // Texts are not compared: one cut to its buffer may end in a blank, which the next
  // reading trims.
  if (second.Minutes != first.Minutes || second.Seconds != first.Seconds ||
      second.Height != first.Height || second.Width != first.Width ||
      second.LetterFont.Bold != first.LetterFont.Bold)
    std::abort();
  if (!SaveSettings(second, ScratchFile()) || ReadScratch() != saved) std::abort();
  return 0;
}
