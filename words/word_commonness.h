#pragma once

// How common a word of the main lexicons is: the smallest size of the published word
// lists that holds it (10 holds the commonest words, 70 the rarest the game accepts).
//
// Each main lexicon has a size file beside it, named after it with the extension .SIZ:
//   magic "TVSIZE01" | word count N | the lexicon's checksum | N bytes
// (integers little-endian 32-bit). Byte i is the size of the lexicon's word i in its
// sorted order, 0 when unknown. The lexicon's checksum ties the file to the exact words
// it was made for: a size file left beside a rebuilt lexicon is ignored, not misread.
// A parallel table keeps the file at one byte a word and needs no search of its own.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CompiledLexicon;

inline constexpr std::string_view kWordSizesMagic{"TVSIZE01", 8};
inline constexpr std::size_t kWordSizesHeaderSize = 16;

// The sizes a list comes in; a byte of a size file that is none of these means unknown.
inline constexpr int kWordListSizes[] = {10, 20, 35, 40, 50, 55, 60, 70};
// Words up to this size are "common words" in the missed-word count.
inline constexpr int kLargestCommonSize = 50;

// The bytes of a size file for the lexicon with `lexiconChecksum`.
std::string WordSizesBytes(const std::vector<uint8_t>& sizes, uint32_t lexiconChecksum);

// The size file name of a lexicon file name: "SPELAMC.TLX" -> "SPELAMC.SIZ".
std::string WordSizesFileName(const std::string& lexiconFileName);

class WordCommonness {
 public:
  // The two main lexicons of the language and their size files in `programDirectory`.
  // Anything missing or damaged makes its words unknown; nothing here fails.
  WordCommonness(const std::string& programDirectory, bool americanDictionary);
  ~WordCommonness();

  // The smallest list size holding `word` (any case); 0 when unknown, as for the
  // player's own added words.
  int SmallestSize(std::string_view word) const;

 private:
  struct SizedLexicon {
    std::unique_ptr<CompiledLexicon> Lexicon;
    std::string Sizes;  // the size bytes, one per word
  };
  std::vector<SizedLexicon> lexicons_;
};

// "common" (sizes up to 35), "less common" (40 to 50), "rare" (above); empty when unknown.
std::string CommonnessName(int size);

// Whether a word of this size counts among the common words. An unknown word does: it
// is one the player added.
bool IsCommonSize(int size);
