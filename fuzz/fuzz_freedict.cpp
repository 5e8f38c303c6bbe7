// Any bytes as a translating dictionary's index and compressed text (the input split at
// its first NUL byte) give translations or none, never a fault or a read outside them;
// the entry parser takes the raw bytes as well.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "fuzz/scratch_file.h"
#include "words/definitions/freedict.h"
#include "words/definitions/word_translations.h"
#include "words/language.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string folder =
      std::filesystem::path(ScratchFile("freedict-deu-eng.index")).parent_path();
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  WriteDictdScratch(input, folder + "/freedict-deu-eng.index",
                    folder + "/freedict-deu-eng.dict.dz");

  const Definition parsed = DefinitionFromFreeDictEntry(input);
  if (parsed.Senses.size() > kMaxTranslations) std::abort();

  const Language& german = *FindLanguage("de");
  FreeDict::Status status = FreeDict::Status::Ok;
  const auto dictionary = FreeDict::Open(
      folder, "freedict-deu-eng",
      [&german](std::string_view headword) { return FoldedHeadword(german, headword); }, status);
  if (!dictionary) return 0;
  for (const char* word : {"B\xC4R", "HAUS", "A"}) {
    for (const Definition& definition : dictionary->Translate(word)) {
      if (definition.Senses.empty() || definition.Senses.size() > kMaxTranslations) std::abort();
    }
  }
  return 0;
}
