#include "words/word_spellings.h"

#include <cstring>

#include "base/file_reader.h"
#include "base/latin1.h"
#include "base/little_endian.h"
#include "base/paths.h"
#include "words/engine/compiled_lexicon.h"
#include "words/engine/word_list_text.h"
#include "words/language.h"

namespace {

// The largest list Debian ships spells out to a few megabytes.
constexpr std::size_t kMaxSpellingsFile = 256u << 20;

}  // namespace

std::string WordSpellingsBytes(const std::vector<std::vector<std::string>>& spellings,
                               uint32_t lexiconChecksum) {
  std::string text;
  std::string offsets;
  AppendUint32(offsets, 0);
  for (const auto& wordSpellings : spellings) {
    for (const std::string& spelling : wordSpellings) text += spelling + '\n';
    AppendUint32(offsets, static_cast<uint32_t>(text.size()));
  }
  std::string bytes(kWordSpellingsMagic);
  AppendUint32(bytes, static_cast<uint32_t>(spellings.size()));
  AppendUint32(bytes, lexiconChecksum);
  AppendUint32(bytes, static_cast<uint32_t>(text.size()));
  return bytes + offsets + text;
}

std::unique_ptr<WordSpellings> WordSpellings::Open(const std::string& programDirectory,
                                                   const Language& language) {
  if (language.Spellings.empty()) return nullptr;
  auto lexicon = CompiledLexicon::Map(
      ReadableFile(JoinPath(programDirectory, std::string(language.Lexicons[0]))));
  std::string bytes;
  if (!lexicon || ReadWholeFile(JoinPath(programDirectory, std::string(language.Spellings)),
                                kMaxSpellingsFile, bytes) != FileReadStatus::Ok)
    return nullptr;
  return FromBytes(std::move(lexicon), std::move(bytes));
}

std::unique_ptr<WordSpellings> WordSpellings::FromBytes(std::unique_ptr<CompiledLexicon> lexicon,
                                                        std::string bytes) {
  if (!lexicon || bytes.size() < kWordSpellingsHeaderSize ||
      std::memcmp(bytes.data(), kWordSpellingsMagic.data(), kWordSpellingsMagic.size()) != 0)
    return nullptr;
  const uint32_t wordCount = ReadUint32(bytes, 8);
  const uint32_t textSize = ReadUint32(bytes, 16);
  const uint64_t tableSize = 4 * (static_cast<uint64_t>(wordCount) + 1);
  if (wordCount != lexicon->WordCount() || ReadUint32(bytes, 12) != lexicon->Checksum() ||
      kWordSpellingsHeaderSize + tableSize + textSize != bytes.size())
    return nullptr;
  std::unique_ptr<WordSpellings> spellings(new WordSpellings);
  spellings->lexicon_ = std::move(lexicon);
  spellings->bytes_ = std::move(bytes);
  spellings->textSize_ = textSize;
  return spellings;
}

WordSpellings::~WordSpellings() = default;

std::vector<std::string> WordSpellings::SpellingsOf(std::string_view word) const {
  const std::string lower = Latin1LowerCopy(word);
  const auto index = lexicon_->IndexOf(lower);
  if (!index) return {};
  const std::size_t table = kWordSpellingsHeaderSize;
  const uint32_t begin = ReadUint32(bytes_, table + 4 * static_cast<std::size_t>(*index));
  const uint32_t end = ReadUint32(bytes_, table + 4 * (static_cast<std::size_t>(*index) + 1));
  if (begin > end || end > textSize_) return {};
  const std::size_t textStart = table + 4 * (static_cast<std::size_t>(lexicon_->WordCount()) + 1);
  const std::string_view entry = std::string_view(bytes_).substr(textStart + begin, end - begin);
  if (entry.empty()) {
    std::u32string letters;
    for (const char c : lower) letters.push_back(static_cast<unsigned char>(c));
    return {EncodeUtf8(letters)};
  }
  if (entry.back() != '\n' || !DecodeUtf8(entry)) return {};

  std::vector<std::string> spellings;
  std::size_t start = 0;
  while (start < entry.size()) {
    const std::size_t stop = entry.find('\n', start);
    if (stop == start) return {};  // an empty spelling is no spelling
    spellings.emplace_back(entry.substr(start, stop - start));
    start = stop + 1;
  }
  return spellings;
}
