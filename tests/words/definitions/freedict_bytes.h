#pragma once

// Hand-made translating dictionaries for the tests.

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tests/temp_folder.h"
#include "tests/words/definitions/dictzip_bytes.h"
#include "words/definitions/word_translations.h"
#include "words/language.h"

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

// The French folding of a headword (UTF-8), as the game's translations use it.
inline std::string FrenchFold(std::string_view headword) {
  return FoldedHeadword(*FindLanguage("fr"), headword);
}
