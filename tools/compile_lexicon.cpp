// Build-time program: compiles published word lists into one compiled lexicon.
//
//   compile_lexicon OUTPUT LANGUAGE LIST_FILE...
//
// Every entry of every list file is normalised to a dictionary word (or dropped); the
// words of all files are sorted bytewise, repeats removed, and written as OUTPUT.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "base/file_reader.h"
#include "base/replace_file.h"
#include "words/engine/compiled_lexicon.h"
#include "words/engine/word_list_text.h"

namespace {

// The published lists are a few megabytes at most.
constexpr std::size_t kMaxListBytes = 256 * 1024 * 1024;

std::optional<std::string> ReadList(const char* path) {
  std::string bytes;
  if (ReadWholeFile(path, kMaxListBytes, bytes) != FileReadStatus::Ok) return std::nullopt;
  return bytes;
}

std::optional<unsigned long> ParseLanguage(const char* text) {
  char* end = nullptr;
  const unsigned long value = std::strtoul(text, &end, 0);
  if (end == text || *end != '\0' || value > 0x7FFF) return std::nullopt;
  return value;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s OUTPUT LANGUAGE LIST_FILE...\n", argv[0]);
    return 2;
  }
  const auto language = ParseLanguage(argv[2]);
  if (!language) {
    std::fprintf(stderr, "compile_lexicon: bad language code '%s'\n", argv[2]);
    return 2;
  }

  std::vector<std::string> words;
  for (int i = 3; i < argc; ++i) {
    const auto bytes = ReadList(argv[i]);
    if (!bytes) {
      std::fprintf(stderr, "compile_lexicon: cannot read '%s'\n", argv[i]);
      return 1;
    }
    for (std::string& word : DictionaryWordsFromText(*bytes)) words.push_back(std::move(word));
  }
  std::sort(words.begin(), words.end());
  words.erase(std::unique(words.begin(), words.end()), words.end());

  const std::string bytes = CompiledLexiconBytes(words, static_cast<uint16_t>(*language));
  if (ReplaceFileContents(argv[1], bytes.data(), bytes.size()) != ReplaceFileResult::Ok) {
    std::fprintf(stderr, "compile_lexicon: cannot write '%s'\n", argv[1]);
    return 1;
  }
  std::printf("%s: %zu words\n", argv[1], words.size());
  return 0;
}
