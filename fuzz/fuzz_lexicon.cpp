// Any bytes given to the engine as a lexicon file open as a working lexicon or give a
// negative id; a user list reads back whatever it holds. A compiled lexicon either fails
// its checksum or is read without fault, and so is the same file with its checksum made
// to fit, as a crafted file would have it.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz/scratch_file.h"
#include "words/engine/compiled_lexicon.h"
#include "words/engine/spelling_engine.h"
#include "words/engine/word_list_text.h"
#include "words/user_word_list.h"
#include "words/word_finder.h"

namespace {

const std::string& Scratch() { return ScratchFile("LEXICON.TLX"); }

void CheckSomeWords(int16_t session, const uint8_t* data, std::size_t size) {
  const std::string fromData(reinterpret_cast<const char*>(data), size < 60 ? size : 60);
  for (const std::string& word :
       {std::string("cat"), std::string("ZEBRA"), std::string(51, 'a'), fromData}) {
    SE_CheckWord(session, 0x80000, word.c_str(), nullptr, 0);
  }
}

// Walks the lexicon by its beginnings over a board dealt from the same bytes.
void FindSomeWords(int16_t session, int16_t lexicon, const uint8_t* data, std::size_t size) {
  LetterGrid grid;
  for (int cell = 1; cell <= LetterGrid::kCells; ++cell) {
    const std::size_t at = static_cast<std::size_t>(cell - 1);
    grid.Letters[cell] = static_cast<char>('A' + (at < size ? data[at] : at) % 26);
  }
  grid.ComputeCellOnBoard(5, 5);
  CheckSession checkSession;
  checkSession.Session = session;
  checkSession.LexiconCount = 1;
  checkSession.Lexicons[1] = lexicon;
  for (bool repeats : {false, true}) {
    for (const BoardWord& word : FindWords(grid, checkSession, 2, repeats)) {
      if (word.Path.size() != word.Word.size()) std::abort();
    }
  }
}

void CheckCompiled(const uint8_t* data, std::size_t size) {
  if (size < kCompiledLexiconHeaderSize) return;
  const auto stored = [](const unsigned char* bytes) {
    const unsigned char* at = bytes + kCompiledLexiconChecksumOffset;
    return static_cast<uint32_t>(at[0] | at[1] << 8 | at[2] << 16 |
                                 static_cast<uint32_t>(at[3]) << 24);
  };
  const bool intact = stored(data) == CompiledLexiconChecksum(data, size);
  if (!intact && CompiledLexicon::FromBytes(data, size) != nullptr) std::abort();

  std::vector<unsigned char> sealed(data, data + size);
  const uint32_t checksum = CompiledLexiconChecksum(sealed.data(), size);
  for (int i = 0; i < 4; ++i)
    sealed[kCompiledLexiconChecksumOffset + i] = static_cast<unsigned char>(checksum >> (8 * i));
  if (const auto lexicon = CompiledLexicon::FromBytes(sealed.data(), size)) {
    const std::string fromData(reinterpret_cast<const char*>(data), size < 60 ? size : 60);
    for (const std::string& word : {std::string("cat"), std::string(), fromData})
      lexicon->Contains(word);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  // A new file each time: a file the engine has verified once is not verified again.
  std::remove(Scratch().c_str());
  WriteScratch(Scratch(), data, size);
  const int16_t session = SE_OpenSession();
  const int16_t lexicon = SE_OpenLex(session, Scratch().c_str(), -1);
  if (lexicon >= 0) {
    CheckSomeWords(session, data, size);
    FindSomeWords(session, lexicon, data, size);
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

  CheckCompiled(data, size);
  DictionaryWordsFromText(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
