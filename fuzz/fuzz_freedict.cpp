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
  const std::size_t split = std::min(input.find('\0'), input.size());
  const std::string_view index = input.substr(0, split), text = input.substr(split);
  WriteScratch(folder + "/freedict-deu-eng.index", reinterpret_cast<const uint8_t*>(index.data()),
               index.size());
  WriteScratch(folder + "/freedict-deu-eng.dict.dz",
               reinterpret_cast<const uint8_t*>(text.data()) + (text.empty() ? 0 : 1),
               text.empty() ? 0 : text.size() - 1);

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
