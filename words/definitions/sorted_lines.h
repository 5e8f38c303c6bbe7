#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

// Binary search over the lines of a sorted text file. The file is never trusted to be
// sorted: an unsorted file only makes a search miss, and every step stays inside `text`.

// The line of `text` that begins at `start` (without its line feed).
std::string_view LineAt(std::string_view text, std::size_t start);

// The first field of `line`: the bytes up to its first blank or tab.
std::string_view FirstField(std::string_view line);

// Orders a line against the key sought: negative, zero or positive.
using LineOrder = std::function<int(std::string_view line, std::string_view key)>;

// The start of the first line not ordered before `key`; text.size() when there is none.
std::size_t LowerBoundLine(std::string_view text, std::string_view key, const LineOrder& order);

// Of the line whose first field is `key` (bytewise order, as in the word database's
// indexes and exception lists), the bytes after the field and its separator. Empty when
// no line has that field.
std::string_view FindLineRest(std::string_view text, std::string_view key);
