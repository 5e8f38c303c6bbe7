#include "words/definitions/freedict.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

#include "base/file_reader.h"
#include "words/definitions/dictd_index.h"
#include "words/definitions/dictionary_text.h"
#include "words/definitions/sorted_lines.h"

namespace {

// The largest installed index (German) is 13 MB. Every line of it may become a key of 16
// bytes, so a far larger file would cost memory out of proportion to any dictionary.
constexpr std::size_t kMaxIndexSize = 32u << 20;
constexpr std::size_t kMaxGlossSize = 500;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Lines set in under a translation that are not translations themselves.
bool IsAside(std::string_view line) {
  static constexpr std::array<std::string_view, 6> kLabels{
      "see:", "Synonym:", "Synonyms:", "Antonym:", "Antonyms:", "Note:"};
  return line.front() == '"' ||
         std::any_of(kLabels.begin(), kLabels.end(),
                     [line](std::string_view label) { return line.starts_with(label); });
}

// "2. at first, at the outset" without its number.
std::string_view WithoutSenseNumber(std::string_view line) {
  std::size_t digits = 0;
  while (digits < line.size() && std::isdigit(static_cast<unsigned char>(line[digits]))) ++digits;
  if (digits == 0 || digits > 3 || line.substr(digits, 2) != ". ") return line;
  return Trimmed(line.substr(digits + 2));
}

// A translation as it is shown: grammar marks ("bear <n>") and cross-reference braces
// dropped, blanks collapsed.
std::string CleanTranslation(std::string_view line) {
  std::string kept;
  for (std::size_t i = 0; i < line.size() && kept.size() < kMaxGlossSize; ++i) {
    if (line[i] == '<') {
      const std::size_t close = line.find('>', i);
      if (close != std::string_view::npos) {
        i = close;
        continue;
      }
    }
    if (line[i] == '{' || line[i] == '}') continue;
    const bool blank = IsBlank(line[i]);
    if (blank && (kept.empty() || kept.back() == ' ')) continue;
    kept.push_back(blank ? ' ' : line[i]);
  }
  while (!kept.empty() && kept.back() == ' ') kept.pop_back();
  // "establishment <n>, institution <n>" leaves a blank before each comma.
  for (std::size_t blank; (blank = kept.find(" ,")) != std::string::npos;) kept.erase(blank, 1);
  return kept;
}

// The first line: "headword /pronunciation/ <grammar>", either of the last two optional.
void ReadHeader(std::string_view header, Definition& definition) {
  std::size_t headwordEnd = std::min(header.find(" /"), header.find(" <"));
  headwordEnd = std::min(headwordEnd, header.size());
  definition.Headword = Trimmed(header.substr(0, headwordEnd));
  std::size_t grammarFrom = headwordEnd;
  if (header.substr(headwordEnd).starts_with(" /"))
    grammarFrom = std::min(header.find('/', headwordEnd + 2), header.size());
  const std::size_t open = header.find('<', grammarFrom);
  const std::size_t close = header.find('>', open);
  if (close != std::string_view::npos)
    definition.PartOfSpeech = Trimmed(header.substr(open + 1, close - open - 1));
}

void AddSense(std::vector<Sense>& senses, std::string gloss) {
  if (gloss.empty() || senses.size() == kMaxTranslations) return;
  const bool known = std::any_of(senses.begin(), senses.end(),
                                 [&](const Sense& sense) { return sense.Gloss == gloss; });
  if (!known) senses.push_back({std::move(gloss), {}});
}

void AddDefinition(std::vector<Definition>& definitions, Definition definition) {
  const auto same = std::find_if(definitions.begin(), definitions.end(), [&](const Definition& d) {
    return d.Headword == definition.Headword && d.PartOfSpeech == definition.PartOfSpeech;
  });
  if (same == definitions.end()) {
    definitions.push_back(std::move(definition));
    return;
  }
  for (Sense& sense : definition.Senses) AddSense(same->Senses, std::move(sense.Gloss));
}

uint64_t KeyHash(std::string_view folded) { return std::hash<std::string_view>{}(folded); }

}  // namespace

Definition DefinitionFromFreeDictEntry(std::string_view entry) {
  const std::string text = Latin1FromUtf8(entry);
  Definition definition;
  std::size_t lineStart = 0;
  const std::string_view header = LineAt(text, lineStart);
  ReadHeader(header, definition);
  for (lineStart += header.size() + 1; lineStart < text.size();) {
    const std::string_view line = LineAt(text, lineStart);
    lineStart += line.size() + 1;
    const std::string_view trimmed = Trimmed(line);
    if (trimmed.empty() || IsAside(trimmed)) continue;
    AddSense(definition.Senses, CleanTranslation(WithoutSenseNumber(trimmed)));
  }
  return definition;
}

std::unique_ptr<FreeDict> FreeDict::Open(const std::string& folder, const std::string& name,
                                         HeadwordFold fold, Status& status) {
  const std::string indexPath = folder + "/" + name + ".index";
  const std::string textPath = folder + "/" + name + ".dict.dz";
  status = Status::Missing;
  for (const std::string& path : {indexPath, textPath})
    if (ReadableFile(path).Status() == FileReadStatus::Missing) return nullptr;

  status = Status::Damaged;
  std::unique_ptr<FreeDict> dictionary(new FreeDict);
  dictionary->index_ = MappedFile::Open(indexPath, kMaxIndexSize);
  dictionary->text_ = DictzipFile::Open(textPath);
  if (!dictionary->index_ || !dictionary->text_) return nullptr;
  dictionary->fold_ = std::move(fold);
  const std::string_view index = dictionary->index_->Bytes();
  for (std::size_t lineStart = 0; lineStart < index.size();) {
    const std::string_view line = LineAt(index, lineStart);
    if (!line.empty()) {
      const std::optional<DictdIndexLine> parsed = ParseDictdIndexLine(line);
      if (!parsed) return nullptr;
      const std::string folded = dictionary->fold_(parsed->Headword);
      if (!folded.empty())
        dictionary->keys_.push_back({KeyHash(folded), static_cast<uint32_t>(lineStart)});
    }
    lineStart += line.size() + 1;
  }
  if (dictionary->keys_.empty()) return nullptr;
  std::sort(dictionary->keys_.begin(), dictionary->keys_.end());
  status = Status::Ok;
  return dictionary;
}

std::vector<Definition> FreeDict::Translate(std::string_view folded) const {
  const std::string_view index = index_->Bytes();
  const uint64_t hash = KeyHash(folded);
  auto key = std::lower_bound(keys_.begin(), keys_.end(), Key{hash, 0});
  std::vector<Definition> definitions;
  for (std::size_t read = 0; key != keys_.end() && key->Hash == hash && read < kMaxEntries; ++key) {
    const std::optional<DictdIndexLine> line = ParseDictdIndexLine(LineAt(index, key->LineStart));
    if (!line || fold_(line->Headword) != folded) continue;
    ++read;
    const std::optional<std::string> entry = text_->Read(line->Offset, line->Length);
    if (!entry) {
      damageFound_ = true;
      continue;
    }
    Definition definition = DefinitionFromFreeDictEntry(*entry);
    if (!definition.Senses.empty()) AddDefinition(definitions, std::move(definition));
  }
  return definitions;
}
