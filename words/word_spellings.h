#pragma once

// How a language spells each word of its compiled lexicon: the folded word ELEVE is
// "élève" and "élevé" in French. The spellings file sits beside the lexicon:
//   magic "TVSPEL01" | word count N | the lexicon's checksum | text size T
//   offsets[0..N] | text
// (integers little-endian 32-bit). The spellings of the lexicon's word i are
// text[offsets[i], offsets[i+1]): UTF-8, one per line, each line ended by "\n". They are
// UTF-8, not Latin-1, because a language's own spelling may hold a letter Latin-1 lacks
// (French "cœur"). A word spelt exactly as the lexicon holds it has no entry (an empty
// range). As with the size files, the checksum ties the file to the exact words it was
// made for.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CompiledLexicon;
struct Language;

inline constexpr std::string_view kWordSpellingsMagic{"TVSPEL01", 8};
inline constexpr std::size_t kWordSpellingsHeaderSize = 20;

// The file bytes: `spellings[i]` holds the spellings of the lexicon's word i.
std::string WordSpellingsBytes(const std::vector<std::vector<std::string>>& spellings,
                               uint32_t lexiconChecksum);

class WordSpellings {
 public:
  // The language's lexicon and its spellings file from `programDirectory`. Null when the
  // language has no spellings file, or either file is missing, damaged or does not fit
  // the other.
  static std::unique_ptr<WordSpellings> Open(const std::string& programDirectory,
                                             const Language& language);
  // The same from bytes already read; null when they are no spellings of `lexicon`.
  static std::unique_ptr<WordSpellings> FromBytes(std::unique_ptr<CompiledLexicon> lexicon,
                                                  std::string bytes);
  ~WordSpellings();

  // The spellings of `word` (tiles, either case), UTF-8, in the order of the word list.
  // A word of the lexicon without spellings of its own is spelt as the lexicon holds it:
  // one spelling, lower case. Empty when the lexicon does not hold the word, or the
  // entry is damaged (not UTF-8, or its offsets are out of order).
  std::vector<std::string> SpellingsOf(std::string_view word) const;

 private:
  WordSpellings() = default;
  std::unique_ptr<CompiledLexicon> lexicon_;
  std::string bytes_;
  uint32_t textSize_ = 0;
};
