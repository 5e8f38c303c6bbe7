#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "game/letter_grid.h"
#include "settings/puzzle_file.h"

// A board as a short text to read out or paste: the size, the rows of letters and a
// check character, e.g. "4X5-ABCDE-FGHIJ-KLMNO-PQRST-H". Letters, digits and "-" only;
// at most 35 characters. The check character (ISO 7064 MOD 37,36 over the size and the
// letters) catches any one wrong character and any two neighbours swapped. Reading
// ignores letter case, white space (blanks, tabs, line breaks) and where the "-" stand.

// Nothing when a tile on the board is not a letter A to Z.
std::optional<std::string> BoardCode(const LetterGrid& grid, int height, int width);

enum class BoardCodeResult { Ok, NotABoardCode, WrongCheck };
// `record` changes only when the result is Ok; it then holds the board as a puzzle file
// would, ready to be put on the board.
BoardCodeResult ReadBoardCode(std::string_view code, PuzzleRecord& record);

std::string BoardCodeMessage(BoardCodeResult result);
inline constexpr const char* kNoBoardCode =
    "Only a board of the letters A to Z can be given as a board code.";
