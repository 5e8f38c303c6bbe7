#include "words/definitions/gcide.h"

#include <algorithm>
#include <cctype>

#include "words/definitions/dictd_index.h"
#include "words/definitions/dictionary_text.h"
#include "words/definitions/sorted_lines.h"

namespace {

constexpr std::size_t kMaxIndexSize = 64u << 20;
// The longest entry of the installed dictionary is about 20 kB; a gloss is cut well short
// of that.
constexpr std::size_t kMaxGlossSize = 1000;
// Headwords that only differ in case or punctuation sit together; a damaged index could
// make a run of equal keys as long as the file.
constexpr std::size_t kMaxLinesScanned = 64;

bool IsKeyByte(unsigned char byte) { return byte < 128 && (std::isalnum(byte) || byte == ' '); }

// A headword as the index is sorted by it: its letters, digits and blanks, lower case.
std::string CollationKey(std::string_view headword) {
  std::string key;
  for (const char c : headword) {
    const auto byte = static_cast<unsigned char>(c);
    if (IsKeyByte(byte)) key.push_back(static_cast<char>(std::tolower(byte)));
  }
  return key;
}

std::string LowerCase(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

// Past the group that opens at `at` ('[' or '('), nested groups included; npos when it
// never closes.
std::size_t SkipGroup(std::string_view text, std::size_t at) {
  const char open = text[at], close = open == '[' ? ']' : ')';
  int depth = 0;
  for (std::size_t i = at; i < text.size(); ++i) {
    if (text[i] == open) ++depth;
    if (text[i] == close && --depth == 0) return i + 1;
  }
  return std::string_view::npos;
}

std::size_t SkipBlanks(std::string_view text, std::size_t at) {
  while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
  return at;
}

// A paragraph as one line: source notes ("[1913 Webster]", a group that ends a line) and
// cross-reference braces go, blanks collapse, an attribution (" --Shak.") is cut.
std::string CleanParagraph(std::string_view text) {
  std::string kept;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '[') {
      const std::size_t end = SkipGroup(text, i);
      if (end != std::string_view::npos) {
        const std::size_t next = text.find_first_not_of(' ', end);
        if (next == std::string_view::npos || text[next] == '\n') {
          i = end - 1;
          continue;
        }
      }
    }
    if (text[i] == '{' || text[i] == '}') continue;
    const bool blank = std::isspace(static_cast<unsigned char>(text[i])) != 0;
    if (blank && (kept.empty() || kept.back() == ' ')) continue;
    kept.push_back(blank ? ' ' : text[i]);
  }
  const std::size_t attribution = kept.find(" --");
  if (attribution != std::string::npos) kept.erase(attribution);
  while (!kept.empty() && kept.back() == ' ') kept.pop_back();
  return kept.substr(0, kMaxGlossSize);
}

std::vector<std::string_view> Paragraphs(std::string_view text) {
  std::vector<std::string_view> paragraphs;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = start;
    // A paragraph ends at a line holding nothing but blanks.
    for (;;) {
      end = text.find('\n', end);
      if (end == std::string_view::npos) break;
      const std::size_t next = text.find_first_not_of(" \t\r", end + 1);
      if (next == std::string_view::npos || text[next] == '\n') break;
      end = end + 1;
    }
    const std::string_view paragraph = text.substr(start, end - start);
    if (paragraph.find_first_not_of(" \t\r\n") != std::string_view::npos)
      paragraphs.push_back(paragraph);
    start = end == std::string_view::npos ? text.size() : end + 1;
  }
  return paragraphs;
}

// Where a numbered sense ("   2. To supply ...") begins its line, after the number.
std::size_t SenseNumberEnd(std::string_view line) {
  const std::size_t first = line.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::string_view::npos;
  std::size_t at = first;
  while (at < line.size() && std::isdigit(static_cast<unsigned char>(line[at]))) ++at;
  if (at == first || at > first + 3 || line.substr(at, 2) != ". ") return std::string_view::npos;
  return at + 2;
}

std::vector<std::string_view> SenseTexts(std::string_view body) {
  std::vector<std::string_view> senses;
  std::size_t lineStart = 0, senseStart = std::string_view::npos;
  while (lineStart < body.size()) {
    const std::string_view line = LineAt(body, lineStart);
    const std::size_t numberEnd = SenseNumberEnd(line);
    if (numberEnd != std::string_view::npos) {
      if (senseStart != std::string_view::npos)
        senses.push_back(body.substr(senseStart, lineStart - senseStart));
      senseStart = lineStart + numberEnd;
    }
    lineStart += line.size() + 1;
  }
  if (senseStart == std::string_view::npos) return {body};
  senses.push_back(body.substr(senseStart));
  return senses;
}

// The part of speech after the headword and its pronunciation ("\Ca"ter\, v. i. [");
// `at` moves past it.
std::string PartOfSpeech(std::string_view text, std::size_t& at) {
  at = SkipBlanks(text, at);
  if (at < text.size() && text[at] == '(') at = std::min(SkipGroup(text, at), text.size());
  if (at < text.size() && text[at] == ',') ++at;
  std::size_t end = at;
  while (end < text.size() && (std::islower(static_cast<unsigned char>(text[end])) ||
                               text[end] == '.' || text[end] == ' ' || text[end] == '&'))
    ++end;
  std::string part = CleanParagraph(text.substr(at, end - at));
  if (part.empty() || part.back() != '.') return {};
  at = end;
  return part;
}

}  // namespace

Definition DefinitionFromGcideEntry(std::string_view entry, std::string_view headword) {
  const std::string text = Latin1FromUtf8(entry);
  Definition definition{std::string(headword), {}, {}};
  // The first line names the headword and, between backslashes, how it is said.
  const std::size_t firstLineEnd = std::min(text.find('\n'), text.size());
  std::size_t at = 0;
  const std::size_t open = text.find('\\');
  const std::size_t close = open < firstLineEnd ? text.find('\\', open + 1) : std::string::npos;
  if (close != std::string::npos) {
    at = close + 1;
    definition.PartOfSpeech = PartOfSpeech(text, at);
  } else if (text.find(',') < firstLineEnd) {
    at = text.find(',');
    definition.PartOfSpeech = PartOfSpeech(text, at);
  }
  // The etymology and the inflected forms, in brackets.
  for (at = SkipBlanks(text, at); at < text.size() && text[at] == '['; at = SkipBlanks(text, at)) {
    at = SkipGroup(text, at);
    if (at == std::string::npos) return definition;
  }

  for (const std::string_view senseText : SenseTexts(std::string_view(text).substr(at))) {
    if (definition.Senses.size() == kMaxSenses) break;
    const std::vector<std::string_view> paragraphs = Paragraphs(senseText);
    if (paragraphs.empty()) continue;
    Sense sense{CleanParagraph(paragraphs[0]), {}};
    // A quotation follows its sense, set in, with its author after "--".
    if (paragraphs.size() > 1 && paragraphs[1].find("--") != std::string_view::npos)
      sense.Example = CleanParagraph(paragraphs[1]);
    if (!sense.Gloss.empty()) definition.Senses.push_back(std::move(sense));
  }
  return definition;
}

std::unique_ptr<Gcide> Gcide::Open(const std::string& folder) {
  std::unique_ptr<Gcide> gcide(new Gcide);
  gcide->index_ = MappedFile::Open(folder + "/gcide.index", kMaxIndexSize);
  gcide->text_ = DictzipFile::Open(folder + "/gcide.dict.dz");
  if (!gcide->index_ || !gcide->text_) return nullptr;
  const std::string_view index = gcide->index_->Bytes();
  if (index.empty() || index.back() != '\n') return nullptr;
  const std::size_t lastStart = index.find_last_of('\n', index.size() - 2);
  if (!ParseDictdIndexLine(LineAt(index, lastStart == std::string_view::npos ? 0 : lastStart + 1)))
    return nullptr;
  return gcide;
}

bool Gcide::Damaged() const { return damaged_ || !index_->Intact() || !text_->Intact(); }

std::vector<Definition> Gcide::Define(std::string_view word) const {
  const std::string_view index = index_->Bytes();
  const auto byKey = [](std::string_view line, std::string_view key) {
    return CollationKey(line.substr(0, line.find('\t'))).compare(key);
  };
  const std::string key = CollationKey(word);
  std::vector<Definition> definitions;
  std::vector<uint64_t> offsetsRead;  // the index names some entries twice
  std::size_t start = LowerBoundLine(index, key, byKey);
  for (std::size_t scanned = 0; scanned < kMaxLinesScanned && start < index.size(); ++scanned) {
    const std::string_view line = LineAt(index, start);
    start += line.size() + 1;
    if (byKey(line, key) != 0 || definitions.size() == kMaxEntries) break;
    if (LowerCase(line.substr(0, line.find('\t'))) != word) continue;
    const std::optional<DictdIndexLine> parsed = ParseDictdIndexLine(line);
    if (!parsed) {
      damaged_ = true;
      continue;
    }
    if (std::find(offsetsRead.begin(), offsetsRead.end(), parsed->Offset) != offsetsRead.end())
      continue;
    offsetsRead.push_back(parsed->Offset);
    const auto entry = text_->Read(parsed->Offset, parsed->Length);
    if (!entry) {
      damaged_ = true;
      continue;
    }
    Definition definition = DefinitionFromGcideEntry(*entry, word);
    if (!definition.Senses.empty()) definitions.push_back(std::move(definition));
  }
  return definitions;
}
