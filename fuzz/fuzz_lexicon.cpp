// Any bytes given to the engine as a lexicon file open as a working lexicon or give a
// negative id; a user list reads back whatever it holds.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz/scratch_file.h"
#include "words/engine/spelling_engine.h"
#include "words/engine/word_list_text.h"
#include "words/user_word_list.h"

namespace {

const std::string& Scratch() { return ScratchFile("LEXICON.TLX"); }

void CheckSomeWords(int16_t session, const uint8_t* data, std::size_t size) {
  const std::string fromData(reinterpret_cast<const char*>(data), size < 60 ? size : 60);
  for (const std::string& word :
       {std::string("cat"), std::string("ZEBRA"), std::string(51, 'a'), fromData}) {
    SE_CheckWord(session, 0x80000, word.c_str(), nullptr, 0);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  WriteScratch(Scratch(), data, size);
  const int16_t session = SE_OpenSession();
  const int16_t lexicon = SE_OpenLex(session, Scratch().c_str(), -1);
  if (lexicon >= 0) {
    CheckSomeWords(session, data, size);
    int32_t bytes = 0;
    int16_t kind = 0, language = 0, count = 0;
    if (SE_GetLexInfo(session, lexicon, &bytes, &kind, &language, &count) != 0 || bytes < 0) {
      std::abort();
    }
    std::vector<char> buffer(static_cast<std::size_t>(bytes));
    if (SE_GetLex(session, lexicon, buffer.data(), bytes) != bytes) std::abort();
    SplitLexiconWords(buffer.data(), buffer.size());
    if (SE_CloseLex(session, lexicon) != 0) std::abort();
  }
  SE_CloseSession(session);

  DictionaryWordsFromText(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
