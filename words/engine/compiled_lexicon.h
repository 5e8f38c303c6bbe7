#pragma once

// The compiled lexicon file: the main word lists, opened by memory-mapping.
//
// Layout, all integers little-endian 32-bit:
//   magic (8 bytes) | language | word count N | text size T | checksum
//   offsets[0..N]   (offsets[0] = 0, offsets[N] = T, each word i = text[offsets[i], offsets[i+1]))
//   text            (the words, lower case, sorted bytewise, no repeats, nothing between)
// The file is exactly header + 4 (N + 1) + T bytes long. The checksum is the CRC-32 of
// every byte of the file but its own four: a damaged offset would otherwise make words
// vanish without a trace.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class ReadableFile;

inline constexpr std::string_view kCompiledLexiconMagic{"TVLEXC02", 8};
inline constexpr std::size_t kCompiledLexiconHeaderSize = 24;
inline constexpr std::size_t kCompiledLexiconChecksumOffset = 20;

class CompiledLexicon {
 public:
  // Checks the header, the checksum (unless told not to) and the bounds of the tables;
  // each offset is checked when a search reads it. Null when the bytes are no intact
  // compiled lexicon.
  static std::unique_ptr<CompiledLexicon> FromBytes(const unsigned char* bytes, std::size_t size,
                                                    bool verifyChecksum = true);

  // Maps an open file; the mapping lives as long as the result. The checksum is verified
  // the first time a file is opened in a run: the same file (device, inode, size and
  // modification time) opens later without reading it through again.
  static std::unique_ptr<CompiledLexicon> Map(const ReadableFile& file);

  ~CompiledLexicon();
  CompiledLexicon(const CompiledLexicon&) = delete;
  CompiledLexicon& operator=(const CompiledLexicon&) = delete;

  // `word` must already be lower case. A corrupt entry met on the way means "not held".
  bool Contains(std::string_view word) const { return IndexOf(word).has_value(); }
  // Where `word` (lower case) sits among the sorted words, when held.
  std::optional<uint32_t> IndexOf(std::string_view word) const;

  uint32_t WordCount() const { return wordCount_; }
  uint16_t Language() const { return language_; }
  // The checksum the header holds: it names these exact words, so a file that goes with
  // a lexicon's word order can tell whether it still fits.
  uint32_t Checksum() const { return checksum_; }

  // Walking the words by their beginnings: a range [First, Last) of word indexes. The
  // words are sorted, so the words that begin alike always form one range.
  struct Range {
    uint32_t First = 0;
    uint32_t Last = 0;
    bool Empty() const { return First >= Last; }
  };
  Range AllWords() const { return {0, wordCount_}; }
  // Of `range`, whose words share their first `depth` bytes, the words whose next byte
  // is `letter` (already lower case). A corrupt entry may give a wrong range, never a
  // read out of bounds.
  Range Narrow(Range range, std::size_t depth, char letter) const;
  // The word at `index` (< WordCount()); empty when its entry is corrupt.
  std::string_view WordAt(uint32_t index) const;

 private:
  CompiledLexicon() = default;
  uint32_t Offset(uint32_t index) const;

  const unsigned char* bytes_ = nullptr;
  std::size_t size_ = 0;
  void* mapping_ = nullptr;  // set when bytes_ is a mapping this object must release
  uint16_t language_ = 0;
  uint32_t wordCount_ = 0;
  uint32_t textSize_ = 0;
  uint32_t checksum_ = 0;
  const unsigned char* text_ = nullptr;
};

// The file bytes of a compiled lexicon holding `sortedWords` (sorted bytewise, unique).
std::string CompiledLexiconBytes(const std::vector<std::string>& sortedWords, uint16_t language);

// The checksum the header of these bytes (at least a header long) should hold.
uint32_t CompiledLexiconChecksum(const unsigned char* bytes, std::size_t size);
