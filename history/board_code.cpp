#include "history/board_code.h"

#include <utility>

#include "base/latin1.h"
#include "words/language.h"

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

// A tile as a code symbol: A-Z as they are, a language's tiles after Z as the digits
// 1, 2, 3 ... in the order of its tiles (German Ä Ö Ü are 1 2 3).
std::optional<char> TileSymbol(const Language& language, char tile) {
  const std::size_t at = language.Tiles.find(tile);
  if (tile == '\0' || at == std::string_view::npos) return std::nullopt;
  if (at < 26) return static_cast<char>('A' + at);
  if (at - 26 >= 9) return std::nullopt;
  return static_cast<char>('1' + (at - 26));
}

std::optional<char> SymbolTile(const Language& language, char symbol) {
  std::size_t at = 0;
  if (symbol >= 'A' && symbol <= 'Z')
    at = static_cast<std::size_t>(symbol - 'A');
  else if (symbol >= '1' && symbol <= '9')
    at = 26 + static_cast<std::size_t>(symbol - '1');
  else
    return std::nullopt;
  if (at >= language.Tiles.size()) return std::nullopt;
  return language.Tiles[at];
}

// The language a code begins with ("DE"), or English for a code that begins with its
// size, as every code did before there were languages.
std::optional<std::pair<const Language*, std::size_t>> CodeLanguage(std::string_view text) {
  if (!text.empty() && IsValidSize(text[0])) return std::pair{&English(), std::size_t{0}};
  if (text.size() < 2) return std::nullopt;
  const Language* language = FindLanguage(text.substr(0, 2));
  if (language == nullptr || language == &English()) return std::nullopt;
  return std::pair{language, std::size_t{2}};
}

}  // namespace

std::optional<std::string> BoardCode(const LetterGrid& grid, int height, int width,
                                     const Language& language) {
  if (height < 4 || height > 5 || width < 4 || width > 5) return std::nullopt;
  std::string prefix;
  if (&language != &English()) prefix = Latin1UpperCopy(language.Code);
  std::string payload = prefix + std::to_string(height) + "X" + std::to_string(width);
  std::string code = (prefix.empty() ? "" : prefix + "-") + payload.substr(prefix.size());
  for (int row = 1; row <= height; ++row) {
    code += '-';
    for (int column = 1; column <= width; ++column) {
      const auto symbol = TileSymbol(language, grid.Letters[LetterGrid::CellIndex(row, column)]);
      if (!symbol) return std::nullopt;
      payload += *symbol;
      code += *symbol;
    }
  }
  return code + '-' + CheckCharacter(payload);
}

BoardCodeResult ReadBoardCode(std::string_view code, PuzzleRecord& record,
                              const Language*& language) {
  const std::optional<std::string> normalised = Normalised(code);
  if (!normalised) return BoardCodeResult::NotABoardCode;
  const auto codeLanguage = CodeLanguage(*normalised);
  if (!codeLanguage) return BoardCodeResult::NotABoardCode;
  const auto [played, prefix] = *codeLanguage;
  const std::string_view text = std::string_view(*normalised).substr(prefix);
  if (text.size() < 4 || !IsValidSize(text[0]) || text[1] != 'X' || !IsValidSize(text[2]))
    return BoardCodeResult::NotABoardCode;
  const int height = text[0] - '0';
  const int width = text[2] - '0';
  const size_t letters = static_cast<size_t>(height * width);
  if (text.size() != 3 + letters + 1) return BoardCodeResult::NotABoardCode;
  for (size_t i = 3; i < 3 + letters; ++i)
    if (!SymbolTile(*played, text[i])) return BoardCodeResult::NotABoardCode;
  const std::string_view payload = std::string_view(*normalised).substr(0, prefix + 3 + letters);
  if (CheckCharacter(payload) != text.back()) return BoardCodeResult::WrongCheck;

  PuzzleRecord read;
  read.PuzzleLetters.fill(' ');
  for (int row = 0; row < height; ++row)
    for (int column = 0; column < width; ++column)
      read.PuzzleLetters[static_cast<size_t>(row * 5 + column)] =
          *SymbolTile(*played, text[3 + static_cast<size_t>(row * width + column)]);
  read.PuzzleHeight = static_cast<uint16_t>(height);
  read.PuzzleWidth = static_cast<uint16_t>(width);
  record = read;
  language = played;
  return BoardCodeResult::Ok;
}

BoardCodeResult ReadBoardCode(std::string_view code, PuzzleRecord& record) {
  const Language* language = nullptr;
  return ReadBoardCode(code, record, language);
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

std::string BoardCodeLanguageMessage(const Language& language) {
  return "This board is played in " + std::string(language.Name) + ".";
}
