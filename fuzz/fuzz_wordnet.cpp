// Any bytes as the word database's index, data and exception files (the input split at
// its first two NUL bytes) give definitions or none, never a fault or a read outside them.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "fuzz/scratch_file.h"
#include "words/definitions/wordnet.h"

namespace {

void WritePart(const std::string& path, std::string_view bytes) {
  WriteScratch(path, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string folder = std::filesystem::path(ScratchFile("index.noun")).parent_path();
  std::string_view input(reinterpret_cast<const char*>(data), size);
  for (const char* name : {"/index.noun", "/data.noun", "/noun.exc"}) {
    const std::size_t end = input.find('\0');
    WritePart(folder + name, input.substr(0, end));
    input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
  }
  const auto wordNet = WordNet::Open(folder);
  if (!wordNet) return 0;
  for (const char* word : {"goose", "geese", "caterings", "a", "zz"}) {
    for (const Definition& definition : wordNet->Define(word)) {
      if (definition.Senses.empty()) std::abort();
    }
  }
  return 0;
}
