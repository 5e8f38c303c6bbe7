#pragma once

#include <string>
#include <string_view>

// The installed dictionaries' UTF-8 text as the game's single-byte Latin-1, for showing:
// the few letters and marks of the dictionaries that Latin-1 lacks are written out as
// their languages write them without (œ as "oe", ĳ as "ij"); any other character outside
// Latin-1, or a stray byte, becomes '?'.
std::string Latin1FromUtf8(std::string_view text);
