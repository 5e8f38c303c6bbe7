#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "game/letter_grid.h"
#include "settings/puzzle_file.h"

// A board as a short text to read out or paste: the size, the rows of letters and a
// check character, e.g. "4X5-ABCDE-FGHIJ-KLMNO-PQRST-H". Letters, digits and "-" only;
// at most 35 characters (38 with a language). The check character (ISO 7064 MOD 37,36
// over the size and the letters) catches any one wrong character and any two neighbours
// swapped. Reading ignores letter case, white space (blanks, tabs, line breaks) and where
// the "-" stand.
//
// A board of another language begins with the language's code, which the check
// character covers too: "DE-4X4-ABCD-EF1G-HIJK-LMNO-X". Its tiles after Z are written as
// the digits 1, 2, 3 ... in the order of the language's tiles (German Ä Ö Ü: 1 2 3).
// English codes are as they always were, without a code.

struct Language;
const Language& English();

// Nothing when a tile on the board is not one of the language's tiles.
std::optional<std::string> BoardCode(const LetterGrid& grid, int height, int width,
                                     const Language& language = English());

enum class BoardCodeResult { Ok, NotABoardCode, WrongCheck };
// `record` and `language` change only when the result is Ok; the record then holds the
// board as a puzzle file would, ready to be put on the board, and `language` the
// language the board is played in.
BoardCodeResult ReadBoardCode(std::string_view code, PuzzleRecord& record,
                              const Language*& language);
BoardCodeResult ReadBoardCode(std::string_view code, PuzzleRecord& record);

std::string BoardCodeMessage(BoardCodeResult result);
inline constexpr const char* kNoBoardCode =
    "Only a board of the letters A to Z can be given as a board code.";
// Before a code of another language is played: "This board is played in Deutsch."
std::string BoardCodeLanguageMessage(const Language& language);
