#include "history/board_code.h"

namespace {

constexpr int kModulus = 36;
constexpr size_t kLongestCode = 64;  // longer codes are refused before looking further
constexpr const char* kSymbols = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

int SymbolValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return -1;
}

// ISO 7064 MOD 37,36: the running value after `text`.
int Running(std::string_view text) {
  int p = kModulus;
  for (const char c : text) {
    int s = (p + SymbolValue(c)) % kModulus;
    if (s == 0) s = kModulus;
    p = (2 * s) % (kModulus + 1);
  }
  return p;
}

char CheckCharacter(std::string_view text) {
  return kSymbols[(kModulus + 1 - Running(text)) % kModulus];
}

bool IsValidSize(char c) { return c == '4' || c == '5'; }

// What a code may be wrapped in or broken by when read aloud, pasted from a mail or a
// chat: blanks, tabs, line breaks and the dashes of the code.
bool IsSeparator(char c) {
  return c == '-' || c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Capitals and digits with the separators taken out, or nothing for any other byte.
std::optional<std::string> Normalised(std::string_view code) {
  std::string out;
  for (char c : code) {
    if (IsSeparator(c)) continue;
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (SymbolValue(c) < 0 || out.size() == kLongestCode) return std::nullopt;
    out += c;
  }
  return out;
}

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
  const std::optional<std::string> text = Normalised(code);
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
