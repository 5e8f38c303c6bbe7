#include "words/definitions/wordnet.h"

#include "base/text_utils.h"
#include "words/definitions/sorted_lines.h"

namespace {

struct PartNames {
  WordNetPart Part;
  const char* FileSuffix;
  const char* Shown;
};

constexpr std::array<PartNames, 4> kParts{{
    {WordNetPart::Noun, "noun", "noun"},
    {WordNetPart::Verb, "verb", "verb"},
    {WordNetPart::Adjective, "adj", "adjective"},
    {WordNetPart::Adverb, "adv", "adverb"},
}};

// The installed files are 15 MB at most; anything far larger is not the database.
constexpr std::size_t kMaxFileSize = 256u << 20;
// No gloss of the database comes near this; a longer one is cut.
constexpr std::size_t kMaxGlossSize = 2000;

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  while (!line.empty()) {
    const std::size_t blank = line.find(' ');
    if (blank != 0) fields.push_back(line.substr(0, blank));
    if (blank == std::string_view::npos) break;
    line.remove_prefix(blank + 1);
  }
  return fields;
}

bool ParseNumber(std::string_view text, std::size_t& value) {
  const std::optional<std::size_t> read = ReadWholeNumber<std::size_t>(text);
  if (read) value = *read;
  return read.has_value();
}

// The data offsets of an index line's rest: "pos synset_cnt p_cnt [ptr...] sense_cnt
// tagsense_cnt offset...". Empty when the line does not add up.
std::vector<std::size_t> SynsetOffsets(std::string_view rest) {
  const std::vector<std::string_view> fields = Fields(rest);
  std::size_t synsets = 0, pointers = 0;
  if (fields.size() < 3 || !ParseNumber(fields[1], synsets) || !ParseNumber(fields[2], pointers))
    return {};
  const std::size_t first = 3 + pointers + 2;
  if (pointers > fields.size() || synsets > fields.size() || first + synsets > fields.size())
    return {};
  std::vector<std::size_t> offsets;
  for (std::size_t i = first; i < first + synsets; ++i) {
    std::size_t offset = 0;
    if (!ParseNumber(fields[i], offset)) return {};
    offsets.push_back(offset);
  }
  return offsets;
}

// A data line's gloss: definitions and examples ("..." in double quotes) split by "; ".
Sense SenseFromGloss(std::string_view gloss) {
  Sense sense;
  gloss = gloss.substr(0, kMaxGlossSize);
  while (!gloss.empty()) {
    std::size_t end = gloss.find("; ");
    // An example may itself hold "; ", so it runs to its closing quote.
    if (gloss.front() == '"') {
      const std::size_t close = gloss.find('"', 1);
      if (close != std::string_view::npos) end = gloss.find("; ", close);
    }
    std::string_view part = gloss.substr(0, end);
    while (!part.empty() && (part.back() == ' ' || part.back() == '\r')) part.remove_suffix(1);
    if (part.size() >= 2 && part.front() == '"') {
      if (sense.Example.empty()) {
        part.remove_prefix(1);
        if (part.back() == '"') part.remove_suffix(1);
        sense.Example = part;
      }
    } else if (!part.empty()) {
      if (!sense.Gloss.empty()) sense.Gloss += "; ";
      sense.Gloss += part;
    }
    if (end == std::string_view::npos) break;
    gloss.remove_prefix(end + 2);
  }
  return sense;
}

}  // namespace

std::unique_ptr<WordNet> WordNet::Open(const std::string& folder) {
  std::unique_ptr<WordNet> wordNet(new WordNet);
  bool any = false;
  for (std::size_t i = 0; i < kParts.size(); ++i) {
    const std::string suffix = kParts[i].FileSuffix;
    PartFiles& files = wordNet->parts_[i];
    files.Index = MappedFile::Open(folder + "/index." + suffix, kMaxFileSize);
    files.Data = MappedFile::Open(folder + "/data." + suffix, kMaxFileSize);
    files.Exceptions = MappedFile::Open(folder + "/" + suffix + ".exc", kMaxFileSize);
    any = any || (files.Index != nullptr && files.Data != nullptr);
  }
  return any ? std::move(wordNet) : nullptr;
}

std::string_view WordNet::Text(const std::unique_ptr<MappedFile>& file) {
  return file ? file->Bytes() : std::string_view();
}

bool WordNet::Holds(std::string_view lemma) const {
  for (const PartFiles& files : parts_)
    if (!FindLineRest(Text(files.Index), lemma).empty()) return true;
  return false;
}

std::vector<Sense> WordNet::Senses(const PartFiles& files, std::string_view lemma) const {
  const std::string_view data = Text(files.Data);
  std::vector<Sense> senses;
  for (const std::size_t offset : SynsetOffsets(FindLineRest(Text(files.Index), lemma))) {
    if (senses.size() == kMaxSenses) break;
    if (offset >= data.size() || (offset > 0 && data[offset - 1] != '\n')) continue;
    const std::string_view line = LineAt(data, offset);
    std::size_t ownOffset = 0;
    if (!ParseNumber(FirstField(line), ownOffset) || ownOffset != offset) continue;
    const std::size_t bar = line.find(" | ");
    if (bar == std::string_view::npos) continue;
    Sense sense = SenseFromGloss(line.substr(bar + 3));
    if (!sense.Gloss.empty()) senses.push_back(std::move(sense));
  }
  return senses;
}

std::vector<Definition> WordNet::Define(std::string_view word) const {
  std::vector<Definition> definitions;
  for (std::size_t i = 0; i < kParts.size(); ++i) {
    const PartFiles& files = parts_[i];
    const std::string_view index = Text(files.Index);
    const auto inIndex = [index](std::string_view lemma) {
      return !FindLineRest(index, lemma).empty();
    };
    for (const std::string& lemma :
         BaseForms(word, kParts[i].Part, Text(files.Exceptions), inIndex)) {
      std::vector<Sense> senses = Senses(files, lemma);
      if (!senses.empty()) definitions.push_back({lemma, kParts[i].Shown, std::move(senses)});
    }
  }
  return definitions;
}
