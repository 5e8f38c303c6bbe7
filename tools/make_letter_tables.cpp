// Writes a language's Scramble tables as C++ source, from its compiled lexicon:
//
//   make_letter_tables CODE PROGRAM_DIR > game/letter_tables_CODE.cpp
//
// Run by hand after a word list changes; a test runs it again and compares.

#include <cstdio>
#include <string>

#include "base/file_reader.h"
#include "base/paths.h"
#include "tools/letter_table_maker.h"
#include "words/engine/compiled_lexicon.h"
#include "words/language.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s CODE PROGRAM_DIR\n", argv[0]);
    return 2;
  }
  const Language* language = FindLanguage(argv[1]);
  if (language == nullptr) {
    std::fprintf(stderr, "make_letter_tables: no language '%s'\n", argv[1]);
    return 2;
  }
  const auto lexicon =
      CompiledLexicon::Map(ReadableFile(JoinPath(argv[2], std::string(language->Lexicons[0]))));
  if (!lexicon) {
    std::fprintf(stderr, "make_letter_tables: cannot read the lexicon of '%s'\n", argv[1]);
    return 1;
  }
  const std::string source = LetterTablesSource(*language, *lexicon);
  std::fwrite(source.data(), 1, source.size(), stdout);
  return 0;
}
