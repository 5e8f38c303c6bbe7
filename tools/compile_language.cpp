// Build-time program: a language's compiled lexicon and its spellings file, from the
// word lists Debian ships for it.
//
//   compile_language CODE PROGRAM_DIR LIST_FILE...
//
// CODE names a row of the language table, which gives the folding, the names rule and
// the two file names. Each list is UTF-8, or ISO-8859-1 where it is not valid UTF-8.

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "base/file_reader.h"
#include "base/paths.h"
#include "base/replace_file.h"
#include "words/engine/compiled_lexicon.h"
#include "words/engine/word_list_text.h"
#include "words/language.h"
#include "words/word_spellings.h"

namespace {

constexpr std::size_t kMaxListBytes = 256 * 1024 * 1024;

// Each lexicon word with its spellings in the lists, first seen first.
using SpeltWords = std::map<std::string, std::vector<std::string>>;

void AddEntries(const Language& language, std::string_view bytes, SpeltWords& words) {
  const std::u32string text = DecodeWordListText(bytes);
  for (const std::u32string_view line : WordListLines(text)) {
    const auto word = LexiconWord(language, line);
    if (!word) continue;
    auto& spellings = words[*word];
    std::string spelling = EncodeUtf8(line);
    if (std::ranges::find(spellings, spelling) == spellings.end())
      spellings.push_back(std::move(spelling));
  }
}

std::string Latin1ToUtf8(std::string_view latin1) {
  std::u32string letters;
  for (const char c : latin1) letters.push_back(static_cast<unsigned char>(c));
  return EncodeUtf8(letters);
}

bool Write(const std::string& path, const std::string& bytes) {
  if (ReplaceFileContents(path, bytes.data(), bytes.size()) == ReplaceFileResult::Ok) return true;
  std::fprintf(stderr, "compile_language: cannot write '%s'\n", path.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s CODE PROGRAM_DIR LIST_FILE...\n", argv[0]);
    return 2;
  }
  const Language* language = FindLanguage(argv[1]);
  if (language == nullptr || language->Spellings.empty()) {
    std::fprintf(stderr, "compile_language: no language '%s' with a word list\n", argv[1]);
    return 2;
  }

  SpeltWords words;
  for (int i = 3; i < argc; ++i) {
    std::string bytes;
    if (ReadWholeFile(argv[i], kMaxListBytes, bytes) != FileReadStatus::Ok) {
      std::fprintf(stderr, "compile_language: cannot read '%s'\n", argv[i]);
      return 1;
    }
    AddEntries(*language, bytes, words);
  }

  std::vector<std::string> sorted;
  std::vector<std::vector<std::string>> spellings;
  for (auto& [word, wordSpellings] : words) {
    // The commonest case, a word spelt as folded, costs no bytes.
    if (wordSpellings.size() == 1 && wordSpellings[0] == Latin1ToUtf8(word)) wordSpellings.clear();
    sorted.push_back(word);
    spellings.push_back(std::move(wordSpellings));
  }
  const std::string lexicon = CompiledLexiconBytes(sorted, language->LexiconLanguage);
  const uint32_t checksum = CompiledLexiconChecksum(
      reinterpret_cast<const unsigned char*>(lexicon.data()), lexicon.size());
  const std::string directory = argv[2];
  if (!Write(JoinPath(directory, std::string(language->Lexicons[0])), lexicon) ||
      !Write(JoinPath(directory, std::string(language->Spellings)),
             WordSpellingsBytes(spellings, checksum)))
    return 1;
  std::printf("%s: %zu words\n", std::string(language->Lexicons[0]).c_str(), sorted.size());
  return 0;
}
