// Any bytes as the size file beside a lexicon give a known size or "unknown", never a
// fault: as they are, and with the header made to fit the lexicon, as a crafted file
// would have it.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "fuzz/scratch_file.h"
#include "words/engine/compiled_lexicon.h"
#include "words/word_commonness.h"

namespace {

const std::vector<std::string> kWords = {"cat", "caterer", "stearin", "zebu"};

void Check(const std::string& folder, const std::string& sizes) {
  WriteScratch(folder + "/SPELAMC.SIZ", reinterpret_cast<const uint8_t*>(sizes.data()),
               sizes.size());
  const WordCommonness commonness(folder, true);
  for (const std::string& word : kWords) {
    const int size = commonness.SmallestSize(word);
    if (size < 0 || size > 70) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string folder = std::filesystem::path(ScratchFile("SPELAMC.TLX")).parent_path();
  static const std::string lexicon = [&] {
    std::string bytes = CompiledLexiconBytes(kWords, 0x409);
    WriteScratch(folder + "/SPELAMC.TLX", reinterpret_cast<const uint8_t*>(bytes.data()),
                 bytes.size());
    return bytes;
  }();
  const std::string input(reinterpret_cast<const char*>(data), size);
  Check(folder, input);
  const auto parsed = CompiledLexicon::FromBytes(
      reinterpret_cast<const unsigned char*>(lexicon.data()), lexicon.size());
  const std::vector<uint8_t> sizes(input.begin(), input.end());
  Check(folder, WordSizesBytes(sizes, parsed->Checksum()));
  return 0;
}
