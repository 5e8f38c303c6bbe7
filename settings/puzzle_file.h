#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "game/letter_grid.h"
#include "settings/game_settings.h"

// One puzzle file: exactly 755 bytes, numbers little-endian.
//   0  6    PuzzleVersion: a length byte and up to 5 characters
//   6  25   PuzzleLetters: a 5 x 5 grid, row by row
//   31 220  WordSlots: 20 slots of a length byte and 10 characters
//   251 2   PuzzleHeight
//   253 2   PuzzleWidth
//   255 500 Reserved
struct PuzzleRecord {
  static constexpr std::size_t kSize = 755;
  static constexpr int kWordSlots = 20;
  static constexpr std::size_t kSlotLength = 10;

  std::string PuzzleVersion;                      // at most 5 characters
  std::array<char, 25> PuzzleLetters{};           // cell (r, c) at (r - 1) * 5 + (c - 1)
  std::array<std::string, kWordSlots> WordSlots;  // at most 10 characters each
  uint16_t PuzzleHeight = 0;
  uint16_t PuzzleWidth = 0;
  std::array<uint8_t, 500> Reserved{};
};

using PuzzleBytes = std::array<uint8_t, PuzzleRecord::kSize>;

// Bytes that carry nothing (after the version text, after a word in its slot) are zero.
PuzzleBytes EncodePuzzleRecord(const PuzzleRecord& record);
PuzzleRecord DecodePuzzleRecord(const PuzzleBytes& bytes);

enum class PuzzleOpenResult { Ok, NotAPuzzleFile, UnableToOpen, ReadBeyondEnd };
// Only a file named *.TVN (any case) is read; its first 755 bytes are the record and the
// rest is ignored. A stored height or width other than 4 or 5 makes it no puzzle file.
// `record` changes only when the result is Ok.
PuzzleOpenResult ReadPuzzleFile(const std::string& path, PuzzleRecord& record);

enum class PuzzleSaveResult { Ok, UnableToSave, DiskFull };
// Sets the version to "1.1" and writes the record whole: a failed save leaves the old
// file (or none) behind, never a partial one.
PuzzleSaveResult WritePuzzleFile(const std::string& path, PuzzleRecord& record);

// The record for the board as it stands: its 25 letters, its size, empty word slots and
// zero reserved bytes.
PuzzleRecord PuzzleRecordFromBoard(const LetterGrid& grid, int height, int width);
// Puts an opened puzzle on the board: its letters, its size, and the cells that lie on it.
void PuzzleRecordToBoard(const PuzzleRecord& record, LetterGrid& grid, GameSettings& settings);

// The text of the "Error" message box for a failed open or save; empty for Ok.
std::string PuzzleOpenMessage(PuzzleOpenResult result);
std::string PuzzleSaveMessage(PuzzleSaveResult result);
