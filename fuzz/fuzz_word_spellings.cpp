// Any bytes as the spellings file beside a lexicon give spellings in valid UTF-8 or
// none, never a fault: as they are, and after a header that fits the lexicon, as a
// crafted file would have it.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "words/engine/compiled_lexicon.h"
#include "words/engine/word_list_text.h"
#include "words/word_spellings.h"

namespace {

const std::vector<std::string> kWords = {"coeur", "eleve", "na\xEFve", "\xE6r\xF8"};

const std::string& LexiconBytes() {
  static const std::string bytes = CompiledLexiconBytes(kWords, 0x40C);
  return bytes;
}

void Check(const std::string& spellingsBytes) {
  const std::string& lexicon = LexiconBytes();
  auto spellings = WordSpellings::FromBytes(
      CompiledLexicon::FromBytes(reinterpret_cast<const unsigned char*>(lexicon.data()),
                                 lexicon.size()),
      spellingsBytes);
  if (!spellings) return;
  for (const std::string& word : kWords) {
    for (const std::string& spelling : spellings->SpellingsOf(word))
      if (spelling.empty() || !DecodeUtf8(spelling)) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  Check(input);
  const std::string& lexicon = LexiconBytes();
  const uint32_t checksum = CompiledLexiconChecksum(
      reinterpret_cast<const unsigned char*>(lexicon.data()), lexicon.size());
  // The input as the offsets and text behind a header that fits the lexicon.
  std::string fitted = WordSpellingsBytes({{}, {}, {}, {}}, checksum);
  fitted.resize(kWordSpellingsHeaderSize);
  const uint32_t textSize = input.size() >= 20 ? static_cast<uint32_t>(input.size() - 20) : 0;
  for (int i = 0; i < 4; ++i) fitted[16 + i] = static_cast<char>(textSize >> (8 * i));
  Check(fitted + input);
  return 0;
}
