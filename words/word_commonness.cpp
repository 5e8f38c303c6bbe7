#include "words/word_commonness.h"

#include <algorithm>
#include <cstring>

#include "base/file_reader.h"
#include "base/little_endian.h"
#include "base/paths.h"
#include "words/engine/compiled_lexicon.h"

namespace {

// A size file of the published lists has well under a million words.
constexpr std::size_t kMaxSizesFile = 16u << 20;

std::string LowerCase(std::string_view word) {
  std::string lower(word);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lower;
}

}  // namespace

std::string WordSizesBytes(const std::vector<uint8_t>& sizes, uint32_t lexiconChecksum) {
  std::string bytes(kWordSizesMagic);
  AppendUint32(bytes, static_cast<uint32_t>(sizes.size()));
  AppendUint32(bytes, lexiconChecksum);
  bytes.append(sizes.begin(), sizes.end());
  return bytes;
}

std::string WordSizesFileName(const std::string& lexiconFileName) {
  return lexiconFileName.substr(0, lexiconFileName.rfind('.')) + ".SIZ";
}

WordCommonness::WordCommonness(const std::string& programDirectory, bool americanDictionary) {
  const char* names[2] = {"SPELBRC.TLX", "SPELBRM.CLX"};
  if (americanDictionary) {
    names[0] = "SPELAMC.TLX";
    names[1] = "SPELAMM.CLX";
  }
  for (const char* name : names) {
    SizedLexicon sized;
    sized.Lexicon = CompiledLexicon::Map(ReadableFile(JoinPath(programDirectory, name)));
    if (!sized.Lexicon) continue;
    const std::string sizesPath = JoinPath(programDirectory, WordSizesFileName(name));
    std::string bytes;
    if (ReadWholeFile(sizesPath, kMaxSizesFile, bytes) != FileReadStatus::Ok ||
        bytes.size() < kWordSizesHeaderSize ||
        std::memcmp(bytes.data(), kWordSizesMagic.data(), kWordSizesMagic.size()) != 0 ||
        ReadUint32(bytes, 8) != sized.Lexicon->WordCount() ||
        ReadUint32(bytes, 12) != sized.Lexicon->Checksum() ||
        bytes.size() - kWordSizesHeaderSize != sized.Lexicon->WordCount())
      continue;
    sized.Sizes = bytes.substr(kWordSizesHeaderSize);
    lexicons_.push_back(std::move(sized));
  }
}

WordCommonness::~WordCommonness() = default;

int WordCommonness::SmallestSize(std::string_view word) const {
  const std::string lower = LowerCase(word);
  for (const SizedLexicon& sized : lexicons_) {
    const auto index = sized.Lexicon->IndexOf(lower);
    if (!index || *index >= sized.Sizes.size()) continue;
    const int size = static_cast<unsigned char>(sized.Sizes[*index]);
    if (std::ranges::find(kWordListSizes, size) != std::end(kWordListSizes)) return size;
  }
  return 0;
}

std::string CommonnessName(int size) {
  if (size <= 0) return {};
  if (size <= 35) return "common";
  if (size <= kLargestCommonSize) return "less common";
  return "rare";
}

bool IsCommonSize(int size) { return size <= kLargestCommonSize; }
