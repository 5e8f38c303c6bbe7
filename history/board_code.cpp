#include "history/board_code.h"

#include "history/code_check.h"

namespace {

constexpr size_t kLongestCode = 64;  // longer texts are refused before looking further

bool IsValidSize(char c) { return c == '4' || c == '5'; }

}  // namespace

std::optional<std::string> BoardCode(const LetterGrid& grid, int height, int width) {
  if (height < 4 || height > 5 || width < 4 || width > 5) return std::nullopt;
  std::string payload = std::to_string(height) + "X" + std::to_string(width);
  std::string code = payload;
  for (int row = 1; row <= height; ++row) {
    code += '-';
    for (int column = 1; column <= width; ++column) {
      const char letter = grid.Letters[LetterGrid::CellIndex(row, column)];
      if (letter < 'A' || letter > 'Z') return std::nullopt;
      payload += letter;
      code += letter;
    }
  }
  return code + '-' + CheckCharacter(payload);
}

BoardCodeResult ReadBoardCode(std::string_view code, PuzzleRecord& record) {
  const std::optional<std::string> text = CodeSymbols(code, kLongestCode);
  if (!text || text->size() < 4 || !IsValidSize((*text)[0]) || (*text)[1] != 'X' ||
      !IsValidSize((*text)[2]))
    return BoardCodeResult::NotABoardCode;
  const int height = (*text)[0] - '0';
  const int width = (*text)[2] - '0';
  const size_t letters = static_cast<size_t>(height * width);
  if (text->size() != 3 + letters + 1) return BoardCodeResult::NotABoardCode;
  for (size_t i = 3; i < 3 + letters; ++i)
    if ((*text)[i] < 'A' || (*text)[i] > 'Z') return BoardCodeResult::NotABoardCode;
  const std::string_view payload = std::string_view(*text).substr(0, 3 + letters);
  if (CheckCharacter(payload) != text->back()) return BoardCodeResult::WrongCheck;

  PuzzleRecord read;
  read.PuzzleLetters.fill(' ');
  for (int row = 0; row < height; ++row)
    for (int column = 0; column < width; ++column)
      read.PuzzleLetters[static_cast<size_t>(row * 5 + column)] =
          (*text)[3 + static_cast<size_t>(row * width + column)];
  read.PuzzleHeight = static_cast<uint16_t>(height);
  read.PuzzleWidth = static_cast<uint16_t>(width);
  record = read;
  return BoardCodeResult::Ok;
}

std::string BoardCodeMessage(BoardCodeResult result) {
  switch (result) {
    case BoardCodeResult::Ok:
      return "";
    case BoardCodeResult::NotABoardCode:
      return "That is not a board code. A board code gives the board's size (4X4, 4X5, 5X4 or "
             "5X5), its letters row by row and one check character.";
    case BoardCodeResult::WrongCheck:
      break;
  }
  return "This board code has a mistake in it. Please compare it character by character.";
}
