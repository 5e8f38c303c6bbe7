#include "words/engine/compiled_lexicon.h"

#include <sys/mman.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <set>

#include "base/file_reader.h"
#include "base/little_endian.h"

namespace {

// CRC-32 as in zlib and PNG; zlib's own is several times faster than a byte table, and
// the first opening of the largest lexicon reads all of its megabytes through.
uint32_t ContinueCrc(uint32_t crc, const unsigned char* bytes, std::size_t size) {
  while (size > 0) {
    const auto piece = static_cast<uInt>(std::min<std::size_t>(size, 1u << 30));
    crc = static_cast<uint32_t>(::crc32(crc, bytes, piece));
    bytes += piece;
    size -= piece;
  }
  return crc;
}

// The files whose checksum held in this run.
std::set<FileIdentity>& VerifiedFiles() {
  static std::set<FileIdentity> verified;
  return verified;
}

int CompareBytes(std::string_view entry, std::string_view word) {
  const std::size_t common = std::min(entry.size(), word.size());
  const int order = common == 0 ? 0 : std::memcmp(entry.data(), word.data(), common);
  if (order != 0) return order;
  if (entry.size() == word.size()) return 0;
  return entry.size() < word.size() ? -1 : 1;
}

}  // namespace

std::unique_ptr<CompiledLexicon> CompiledLexicon::FromBytes(const unsigned char* bytes,
                                                            std::size_t size, bool verifyChecksum) {
  if (bytes == nullptr || size < kCompiledLexiconHeaderSize) return nullptr;
  if (std::memcmp(bytes, kCompiledLexiconMagic.data(), kCompiledLexiconMagic.size()) != 0) {
    return nullptr;
  }
  const uint32_t language = ReadUint32(bytes + 8);
  const uint32_t wordCount = ReadUint32(bytes + 12);
  const uint32_t textSize = ReadUint32(bytes + 16);
  if (language > 0xFFFF) return nullptr;
  // 64-bit sums: no 32-bit field can make these wrap.
  const uint64_t tableSize = 4 * (static_cast<uint64_t>(wordCount) + 1);
  if (static_cast<uint64_t>(kCompiledLexiconHeaderSize) + tableSize + textSize != size) {
    return nullptr;
  }
  if (verifyChecksum &&
      ReadUint32(bytes + kCompiledLexiconChecksumOffset) != CompiledLexiconChecksum(bytes, size)) {
    return nullptr;
  }

  std::unique_ptr<CompiledLexicon> lexicon(new CompiledLexicon);
  lexicon->bytes_ = bytes;
  lexicon->size_ = size;
  lexicon->language_ = static_cast<uint16_t>(language);
  lexicon->wordCount_ = wordCount;
  lexicon->textSize_ = textSize;
  lexicon->checksum_ = ReadUint32(bytes + kCompiledLexiconChecksumOffset);
  lexicon->text_ = bytes + kCompiledLexiconHeaderSize + tableSize;
  if (lexicon->Offset(0) != 0 || lexicon->Offset(wordCount) != textSize) return nullptr;
  return lexicon;
}

std::unique_ptr<CompiledLexicon> CompiledLexicon::Map(const ReadableFile& file) {
  const std::size_t size = file.Size();
  if (!file.IsOpen() || size < kCompiledLexiconHeaderSize) return nullptr;
  void* mapping = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, file.Descriptor(), 0);
  if (mapping == MAP_FAILED) return nullptr;
  const bool verified = VerifiedFiles().contains(file.Identity());
  auto lexicon = FromBytes(static_cast<const unsigned char*>(mapping), size, !verified);
  if (lexicon == nullptr) {
    ::munmap(mapping, size);
    return nullptr;
  }
  VerifiedFiles().insert(file.Identity());
  lexicon->mapping_ = mapping;
  return lexicon;
}

CompiledLexicon::~CompiledLexicon() {
  if (mapping_ != nullptr) ::munmap(mapping_, size_);
}

uint32_t CompiledLexicon::Offset(uint32_t index) const {
  return ReadUint32(bytes_ + kCompiledLexiconHeaderSize + 4 * static_cast<std::size_t>(index));
}

std::optional<uint32_t> CompiledLexicon::IndexOf(std::string_view word) const {
  uint32_t low = 0;
  uint32_t high = wordCount_;
  while (low < high) {
    const uint32_t middle = low + (high - low) / 2;
    const uint32_t start = Offset(middle);
    const uint32_t end = Offset(middle + 1);
    if (start > end || end > textSize_) return std::nullopt;
    const std::string_view entry(reinterpret_cast<const char*>(text_) + start, end - start);
    const int order = CompareBytes(entry, word);
    if (order == 0) return middle;
    if (order < 0) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return std::nullopt;
}

std::string_view CompiledLexicon::WordAt(uint32_t index) const {
  if (index >= wordCount_) return {};
  const uint32_t start = Offset(index);
  const uint32_t end = Offset(index + 1);
  if (start > end || end > textSize_) return {};
  return {reinterpret_cast<const char*>(text_) + start, end - start};
}

CompiledLexicon::Range CompiledLexicon::Narrow(Range range, std::size_t depth, char letter) const {
  // A word that ends at `depth` sorts before every longer one, as -1 before any byte.
  const auto byteAt = [&](uint32_t index) {
    const std::string_view word = WordAt(index);
    return word.size() > depth ? static_cast<int>(static_cast<unsigned char>(word[depth])) : -1;
  };
  const int wanted = static_cast<unsigned char>(letter);
  const auto firstWhere = [&](uint32_t low, uint32_t high, auto&& isPast) {
    while (low < high) {
      const uint32_t middle = low + (high - low) / 2;
      if (isPast(byteAt(middle))) {
        high = middle;
      } else {
        low = middle + 1;
      }
    }
    return low;
  };
  const uint32_t last = std::min(range.Last, wordCount_);
  const uint32_t first = firstWhere(range.First, last, [&](int byte) { return byte >= wanted; });
  return {first, firstWhere(first, last, [&](int byte) { return byte > wanted; })};
}

std::string CompiledLexiconBytes(const std::vector<std::string>& sortedWords, uint16_t language) {
  std::string text;
  for (const std::string& word : sortedWords) text += word;

  std::string out(kCompiledLexiconMagic);
  AppendUint32(out, language);
  AppendUint32(out, static_cast<uint32_t>(sortedWords.size()));
  AppendUint32(out, static_cast<uint32_t>(text.size()));
  AppendUint32(out, 0);  // the checksum, filled in below
  uint32_t offset = 0;
  AppendUint32(out, offset);
  for (const std::string& word : sortedWords) {
    offset += static_cast<uint32_t>(word.size());
    AppendUint32(out, offset);
  }
  out += text;
  const uint32_t checksum =
      CompiledLexiconChecksum(reinterpret_cast<const unsigned char*>(out.data()), out.size());
  for (int i = 0; i < 4; ++i)
    out[kCompiledLexiconChecksumOffset + i] = static_cast<char>(checksum >> (8 * i));
  return out;
}

uint32_t CompiledLexiconChecksum(const unsigned char* bytes, std::size_t size) {
  constexpr std::size_t after = kCompiledLexiconChecksumOffset + 4;
  uint32_t crc = ContinueCrc(0, bytes, kCompiledLexiconChecksumOffset);
  return ContinueCrc(crc, bytes + after, size - after);
}
