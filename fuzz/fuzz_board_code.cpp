// Any bytes typed or pasted as a board code give a playable board or one of the two
// refusals, never a crash; a board read from a code gives that code back, in the code's
// language.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "history/board_code.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view code(reinterpret_cast<const char*>(data), size);
  PuzzleRecord record;
  const Language* language = nullptr;
  if (ReadBoardCode(code, record, language) != BoardCodeResult::Ok) return 0;
  LetterGrid grid;
  GameSettings settings;
  PuzzleRecordToBoard(record, grid, settings);
  const std::optional<std::string> again =
      BoardCode(grid, settings.Height, settings.Width, *language);
  if (!again) std::abort();
  PuzzleRecord reread;
  const Language* rereadLanguage = nullptr;
  if (ReadBoardCode(*again, reread, rereadLanguage) != BoardCodeResult::Ok) std::abort();
  if (reread.PuzzleLetters != record.PuzzleLetters || rereadLanguage != language) std::abort();
  return 0;
}
