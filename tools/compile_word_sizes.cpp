// Build-time program: the size file of a compiled lexicon, from the same word lists.
//
//   compile_word_sizes OUTPUT LEXICON LIST_FILE...
//
// Each list file's size is the number after the last dot of its name ("english-words.35").
// A word of LEXICON gets the smallest size of the lists that hold it, 0 when none does.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/file_reader.h"
#include "base/replace_file.h"
#include "words/engine/compiled_lexicon.h"
#include "words/engine/word_list_text.h"
#include "words/word_commonness.h"

namespace {

constexpr std::size_t kMaxListBytes = 256 * 1024 * 1024;

int ListSize(const std::string& path) {
  const int size = std::atoi(path.substr(path.rfind('.') + 1).c_str());
  return std::ranges::find(kWordListSizes, size) != std::end(kWordListSizes) ? size : 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s OUTPUT LEXICON LIST_FILE...\n", argv[0]);
    return 2;
  }
  const auto lexicon = CompiledLexicon::Map(ReadableFile(argv[2]));
  if (!lexicon) {
    std::fprintf(stderr, "compile_word_sizes: cannot read the lexicon '%s'\n", argv[2]);
    return 1;
  }
  std::vector<uint8_t> sizes(lexicon->WordCount(), 0);
  for (int i = 3; i < argc; ++i) {
    const int size = ListSize(argv[i]);
    std::string bytes;
    if (size == 0 || ReadWholeFile(argv[i], kMaxListBytes, bytes) != FileReadStatus::Ok) {
      std::fprintf(stderr, "compile_word_sizes: cannot read '%s' or tell its size\n", argv[i]);
      return 1;
    }
    for (const std::string& word : DictionaryWordsFromText(bytes)) {
      const auto index = lexicon->IndexOf(word);
      if (index && (sizes[*index] == 0 || sizes[*index] > size))
        sizes[*index] = static_cast<uint8_t>(size);
    }
  }
  const std::string bytes = WordSizesBytes(sizes, lexicon->Checksum());
  if (ReplaceFileContents(argv[1], bytes.data(), bytes.size()) != ReplaceFileResult::Ok) {
    std::fprintf(stderr, "compile_word_sizes: cannot write '%s'\n", argv[1]);
    return 1;
  }
  return 0;
}
