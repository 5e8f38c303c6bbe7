// Any bytes as the collaborative dictionary's index and compressed text (the input split
// at its first NUL byte) give definitions or none, never a fault or a read outside them.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "fuzz/scratch_file.h"
#include "words/definitions/gcide.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string folder = std::filesystem::path(ScratchFile("gcide.index")).parent_path();
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  WriteDictdScratch(input, folder + "/gcide.index", folder + "/gcide.dict.dz");
  // The entry parser sees the raw bytes too, whatever the files make of them.
  DefinitionFromGcideEntry(input, "cater");
  const auto gcide = Gcide::Open(folder);
  if (!gcide) return 0;
  for (const char* word : {"cater", "stearin", "a"}) {
    for (const Definition& definition : gcide->Define(word)) {
      if (definition.Senses.empty() || definition.Senses.size() > kMaxSenses) std::abort();
    }
  }
  return 0;
}
