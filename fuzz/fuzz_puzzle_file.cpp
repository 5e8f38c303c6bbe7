// Any bytes in a *.TVN file open as a puzzle of a playable size or give one of the
// failure results, never a crash or a read past the record.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "settings/puzzle_file.h"

namespace {

const std::string& ScratchFile() {
  // Left allocated: the clean-up at exit still needs it.
  static const std::string& path = *new std::string([] {
    std::string pattern = "/tmp/fuzz_puzzle_file-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    std::atexit([] {
      ::unlink(ScratchFile().c_str());
      ::rmdir(ScratchFile().substr(0, ScratchFile().rfind('/')).c_str());
    });
    return pattern + "/PUZZLE.TVN";
  }());
  return path;
}

void WriteScratch(const uint8_t* data, std::size_t size) {
  std::FILE* file = std::fopen(ScratchFile().c_str(), "wb");
  if (file == nullptr) std::abort();
  if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
  std::fclose(file);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  WriteScratch(data, size);
  PuzzleRecord record;
  switch (ReadPuzzleFile(ScratchFile(), record)) {
    case PuzzleOpenResult::Ok: {
      if (size < PuzzleRecord::kSize) std::abort();
      if (record.PuzzleHeight != 4 && record.PuzzleHeight != 5) std::abort();
      if (record.PuzzleWidth != 4 && record.PuzzleWidth != 5) std::abort();
      LetterGrid grid;
      GameSettings settings;
      PuzzleRecordToBoard(record, grid, settings);
      const PuzzleRecord again = PuzzleRecordFromBoard(grid, settings.Height, settings.Width);
      if (again.PuzzleLetters != record.PuzzleLetters) std::abort();
      break;
    }
    case PuzzleOpenResult::ReadBeyondEnd:
      if (size >= PuzzleRecord::kSize) std::abort();
      break;
    case PuzzleOpenResult::NotAPuzzleFile:
      if (size < PuzzleRecord::kSize) std::abort();
      break;
    case PuzzleOpenResult::UnableToOpen:
      std::abort();
  }
  return 0;
}
