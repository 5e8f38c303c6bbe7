#include "settings/puzzle_file.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <utility>

#include "base/file_reader.h"
#include "base/replace_file.h"

namespace {

constexpr std::size_t kVersionOffset = 0;
constexpr std::size_t kVersionLength = 5;
constexpr std::size_t kLettersOffset = 6;
constexpr std::size_t kSlotsOffset = 31;
constexpr std::size_t kSlotSize = 1 + PuzzleRecord::kSlotLength;
constexpr std::size_t kHeightOffset = 251;
constexpr std::size_t kWidthOffset = 253;
constexpr std::size_t kReservedOffset = 255;

// A length byte followed by the characters, at most `capacity` of them.
void PutShortText(PuzzleBytes& bytes, std::size_t offset, const std::string& text,
                  std::size_t capacity) {
  const std::size_t length = std::min(text.size(), capacity);
  bytes[offset] = static_cast<uint8_t>(length);
  std::memcpy(&bytes[offset + 1], text.data(), length);
}

std::string GetShortText(const PuzzleBytes& bytes, std::size_t offset, std::size_t capacity) {
  const std::size_t length = std::min<std::size_t>(bytes[offset], capacity);
  return std::string(reinterpret_cast<const char*>(&bytes[offset + 1]), length);
}

void PutUint16(PuzzleBytes& bytes, std::size_t offset, uint16_t value) {
  bytes[offset] = static_cast<uint8_t>(value & 0xff);
  bytes[offset + 1] = static_cast<uint8_t>(value >> 8);
}

uint16_t GetUint16(const PuzzleBytes& bytes, std::size_t offset) {
  return static_cast<uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

bool IsBoardSize(uint16_t size) { return size == 4 || size == 5; }

bool HasPuzzleExtension(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  const std::size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return false;
  const std::string extension = path.substr(dot + 1);
  return extension.size() == 3 &&
         std::equal(extension.begin(), extension.end(), "TVN", [](char c, char upper) {
           return std::toupper(static_cast<unsigned char>(c)) == upper;
         });
}

}  // namespace

PuzzleBytes EncodePuzzleRecord(const PuzzleRecord& record) {
  PuzzleBytes bytes{};
  PutShortText(bytes, kVersionOffset, record.PuzzleVersion, kVersionLength);
  std::memcpy(&bytes[kLettersOffset], record.PuzzleLetters.data(), record.PuzzleLetters.size());
  for (std::size_t slot = 0; slot < record.WordSlots.size(); ++slot)
    PutShortText(bytes, kSlotsOffset + slot * kSlotSize, record.WordSlots[slot],
                 PuzzleRecord::kSlotLength);
  PutUint16(bytes, kHeightOffset, record.PuzzleHeight);
  PutUint16(bytes, kWidthOffset, record.PuzzleWidth);
  std::memcpy(&bytes[kReservedOffset], record.Reserved.data(), record.Reserved.size());
  return bytes;
}

PuzzleRecord DecodePuzzleRecord(const PuzzleBytes& bytes) {
  PuzzleRecord record;
  record.PuzzleVersion = GetShortText(bytes, kVersionOffset, kVersionLength);
  std::memcpy(record.PuzzleLetters.data(), &bytes[kLettersOffset], record.PuzzleLetters.size());
  for (std::size_t slot = 0; slot < record.WordSlots.size(); ++slot)
    record.WordSlots[slot] =
        GetShortText(bytes, kSlotsOffset + slot * kSlotSize, PuzzleRecord::kSlotLength);
  record.PuzzleHeight = GetUint16(bytes, kHeightOffset);
  record.PuzzleWidth = GetUint16(bytes, kWidthOffset);
  std::memcpy(record.Reserved.data(), &bytes[kReservedOffset], record.Reserved.size());
  return record;
}

PuzzleOpenResult ReadPuzzleFile(const std::string& path, PuzzleRecord& record) {
  if (!HasPuzzleExtension(path)) return PuzzleOpenResult::NotAPuzzleFile;
  // Read access is all a puzzle needs, so a read-only file opens. Nothing after the
  // record is read, however large the file.
  const ReadableFile file(path);
  std::string start;
  if (!file.ReadStart(PuzzleRecord::kSize, start)) return PuzzleOpenResult::UnableToOpen;
  if (start.size() < PuzzleRecord::kSize) return PuzzleOpenResult::ReadBeyondEnd;
  PuzzleBytes bytes{};
  std::memcpy(bytes.data(), start.data(), bytes.size());

  PuzzleRecord read = DecodePuzzleRecord(bytes);
  if (!IsBoardSize(read.PuzzleHeight) || !IsBoardSize(read.PuzzleWidth))
    return PuzzleOpenResult::NotAPuzzleFile;
  record = std::move(read);
  return PuzzleOpenResult::Ok;
}

PuzzleSaveResult WritePuzzleFile(const std::string& path, PuzzleRecord& record) {
  record.PuzzleVersion = "1.1";
  const PuzzleBytes bytes = EncodePuzzleRecord(record);
  switch (ReplaceFileContents(path, bytes.data(), bytes.size())) {
    case ReplaceFileResult::Ok:
      return PuzzleSaveResult::Ok;
    case ReplaceFileResult::CannotCreate:
      return PuzzleSaveResult::UnableToSave;
    case ReplaceFileResult::WriteFailed:
      return PuzzleSaveResult::DiskFull;
  }
  return PuzzleSaveResult::DiskFull;
}

PuzzleRecord PuzzleRecordFromBoard(const LetterGrid& grid, int height, int width) {
  PuzzleRecord record;
  record.Reserved.fill(0);
  std::copy(grid.Letters.begin() + 1, grid.Letters.end(), record.PuzzleLetters.begin());
  for (std::string& slot : record.WordSlots) slot.clear();
  record.PuzzleHeight = static_cast<uint16_t>(height);
  record.PuzzleWidth = static_cast<uint16_t>(width);
  return record;
}

void PuzzleRecordToBoard(const PuzzleRecord& record, LetterGrid& grid, GameSettings& settings) {
  std::copy(record.PuzzleLetters.begin(), record.PuzzleLetters.end(), grid.Letters.begin() + 1);
  settings.Width = record.PuzzleWidth;
  settings.Height = record.PuzzleHeight;
  grid.ComputeCellOnBoard(settings.Height, settings.Width);
}

std::string PuzzleOpenMessage(PuzzleOpenResult result) {
  switch (result) {
    case PuzzleOpenResult::Ok:
      return "";
    case PuzzleOpenResult::NotAPuzzleFile:
      return "The file selected is not a valid puzzle file.";
    case PuzzleOpenResult::UnableToOpen:
      return "Unable to open file.";
    case PuzzleOpenResult::ReadBeyondEnd:
      return "Read beyond end of file";
  }
  return "";
}

std::string PuzzleSaveMessage(PuzzleSaveResult result) {
  switch (result) {
    case PuzzleSaveResult::Ok:
      return "";
    case PuzzleSaveResult::UnableToSave:
      return "Unable to save puzzle.";
    case PuzzleSaveResult::DiskFull:
      return "Disk full";
  }
  return "";
}
