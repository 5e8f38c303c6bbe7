#pragma once

// The player's two word lists beside the dictionary, read and written through the
// spelling engine.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

inline constexpr const char* kAdditionListFile = "ADDITION.TLX";
inline constexpr const char* kExclusionListFile = "EXCLUDE.TLX";

// Words longer than this are cut when a list is read.
inline constexpr std::size_t kLongestListEntry = 255;

// The words of a buffer filled by SE_GetLex: split at NUL bytes, empty pieces dropped,
// pieces cut to kLongestListEntry characters, anything after the last NUL dropped.
std::vector<std::string> SplitLexiconWords(const char* buffer, std::size_t size);

// The words of the list file at `path` in stored order; none when there is no file.
// Nothing at all when a file is there but is not a list the engine can read: the caller
// must not take that for an empty list, or saving would throw the file's words away.
std::optional<std::vector<std::string>> ReadUserWordList(const std::string& path);

// Replaces the list file at `path` with `words` in order, as a list of `kind`
// (SE_KIND_ADDITION or SE_KIND_EXCLUSION), making its folder first when it is missing.
// False when the file could not be written (the old file is then kept whole) or when a
// word could not be stored (see IsStorableWord: the other words are saved).
bool WriteUserWordList(const std::string& path, int16_t kind,
                       const std::vector<std::string>& words);
