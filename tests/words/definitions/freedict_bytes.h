#pragma once

// Hand-made translating dictionaries for the tests.

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tests/temp_folder.h"
#include "tests/words/definitions/dictzip_bytes.h"
#include "base/utf8.h"

// Entries as the FreeDict files write them (UTF-8), each with its index headword.
inline const std::vector<std::pair<std::string, std::string>> kFrenchEntries = {
    {"00databaseutf8", "00-database-utf8\n"},
    {"\xc3\xa9l\xc3\xa8ve", "\xc3\xa9l\xc3\xa8ve /el\xc9\x9bv/ <n>\npupil, student\n"},
    {"c\xc5\x93ur", "c\xc5\x93ur /k\xc5\x93\xca\x81/ <n, masc>\nheart\n"},
    {"cour", "cour /ku\xca\x81/ <n, fem>\ncourt\n"},
    {"\xc3\xa0 propos", "\xc3\xa0 propos\nby the way\n"},
    {"\xc3\xa9lev\xc3\xa9", "\xc3\xa9lev\xc3\xa9 /el\xc9\x99ve/ <adj>\nhigh, lofty\n"},
    {"cour", "cour /ku\xca\x81/ <n, fem>\nyard\n"},
};

// The index lists the entries in the order given, which is not sorted in any way.
inline void WriteFreeDict(const TempFolder& folder, const std::string& name,
                          const std::vector<std::pair<std::string, std::string>>& entries,
                          unsigned chunkLength) {
  std::string text, index;
  for (const auto& [headword, entry] : entries) {
    index += headword + "\t" + Base64(text.size()) + "\t" + Base64(entry.size()) + "\n";
    text += entry;
  }
  folder.Write(name + ".index", index);
  folder.Write(name + ".dict.dz", DictzipBytes(text, chunkLength));
}

// A folding of French kind: accents dropped, œ written out, capitals; anything but a
// letter makes the headword no word of a board.
inline std::string FrenchLikeFold(std::string_view utf8) {
  std::string written(utf8);
  for (std::size_t at; (at = written.find("\xc5\x93")) != std::string::npos;)
    written.replace(at, 2, "oe");
  std::string folded;
  for (const char c : Latin1FromUtf8(written)) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 'a' && byte <= 'z') folded.push_back(static_cast<char>(byte - 32));
    else if (byte >= 'A' && byte <= 'Z') folded.push_back(c);
    else if (byte == 0xE8 || byte == 0xE9) folded.push_back('E');
    else return {};
  }
  return folded;
}
