// Any bytes in a *.TVN file open as a puzzle of a playable size or give one of the
// failure results, never a crash or a read past the record.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/scratch_file.h"
#include "settings/puzzle_file.h"

namespace {

const std::string& Scratch() { return ScratchFile("PUZZLE.TVN"); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  WriteScratch(Scratch(), data, size);
  PuzzleRecord record;
  switch (ReadPuzzleFile(Scratch(), record)) {
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
