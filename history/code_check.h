#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// What the codes a player reads out or pastes share (board codes, challenge codes): the
// symbols 0-9 and A-Z, a check character, and reading that ignores letter case, white
// space and dashes.

// 0 to 35 for 0-9 and A-Z, -1 for any other byte.
int CodeSymbolValue(char symbol);
char CodeSymbol(int value);

// ISO 7064 MOD 37,36 over `symbols`: catches any one wrong symbol and any two neighbours
// swapped.
char CheckCharacter(std::string_view symbols);

// The symbols of `code`, white space and dashes taken out and letters made capital;
// nothing for more than `longest` symbols or any other character.
std::optional<std::string> CodeSymbols(std::string_view code, std::size_t longest);
