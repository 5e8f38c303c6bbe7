#pragma once

// Turning a published word list (one entry per line) into dictionary words: entries with
// an apostrophe or a capital letter are dropped, accented letters become their base
// letter, and only entries made wholly of a-z are kept.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF. Nothing when
// `bytes` is not that.
std::optional<std::u32string> DecodeUtf8(std::string_view bytes);
// The code points as UTF-8 (each at most U+10FFFF).
std::string EncodeUtf8(std::u32string_view text);

// The code points of `bytes`: UTF-8 when all of it is valid UTF-8, else ISO-8859-1.
std::u32string DecodeWordListText(std::string_view bytes);

// The lines of a word list, each without its line end ("\n" or "\r\n").
std::vector<std::u32string_view> WordListLines(std::u32string_view text);

// The dictionary word for one entry, or nullopt when the entry is dropped.
std::optional<std::string> DictionaryWord(std::u32string_view entry);

// The dictionary words of a whole file, in file order, repeats kept.
std::vector<std::string> DictionaryWordsFromText(std::string_view bytes);
