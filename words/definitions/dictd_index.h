#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// One line of a dictionary server's index: "headword<TAB>offset<TAB>length", the two
// numbers in base 64 ("A" is 0, "/" is 63), giving where the entry lies in the text.
struct DictdIndexLine {
  std::string_view Headword;
  uint64_t Offset = 0;
  uint64_t Length = 0;
};

// Nothing when the line does not have that shape or a number is not base 64 of at most
// eight digits.
std::optional<DictdIndexLine> ParseDictdIndexLine(std::string_view line);
