#pragma once

#include <optional>
#include <string>
#include <string_view>

// UTF-8, the text of the installed dictionaries and word lists, and the game's own
// single-byte Latin-1.

// The code points of `text`, strictly: a stray or missing continuation byte, an overlong
// form, a surrogate or a code point beyond U+10FFFF gives nothing, so text from outside
// is either read exactly or refused.
std::optional<std::u32string> DecodeUtf8(std::string_view text);

// Leniently, for text only shown: a character outside Latin-1 (or a stray byte) becomes
// '?'.
std::string Latin1FromUtf8(std::string_view text);

std::string Utf8FromLatin1(std::string_view text);
