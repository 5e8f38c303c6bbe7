#include "words/definitions/wordnet.h"

#include <sys/stat.h>

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

bool IsThere(const std::string& path) {
  struct stat status {};
  return ::stat(path.c_str(), &status) == 0;
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

// A file of the database ends with a line feed; an index's last line is a whole entry.
bool EndsWhole(const std::unique_ptr<MappedFile>& file, bool isIndex) {
  if (!file) return false;
  const std::string_view text = file->Bytes();
  if (text.empty() || text.back() != '\n') return false;
  if (!isIndex) return true;
  const std::size_t lastStart = text.find_last_of('\n', text.size() - 2);
  const std::string_view last =
      LineAt(text, lastStart == std::string_view::npos ? 0 : lastStart + 1);
  return !SynsetOffsets(last.substr(std::min(FirstField(last).size() + 1, last.size()))).empty();
}

}  // namespace

std::unique_ptr<WordNet> WordNet::Open(const std::string& folder) {
  std::unique_ptr<WordNet> wordNet(new WordNet);
  bool any = false;
  for (std::size_t i = 0; i < kParts.size(); ++i) {
    const std::string suffix = kParts[i].FileSuffix;
    PartFiles& files = wordNet->parts_[i];
    const std::string index = folder + "/index." + suffix, data = folder + "/data." + suffix;
    files.Index = MappedFile::Open(index, kMaxFileSize);
    files.Data = MappedFile::Open(data, kMaxFileSize);
    files.Exceptions = MappedFile::Open(folder + "/" + suffix + ".exc", kMaxFileSize);
    if (!IsThere(index) && !IsThere(data)) continue;
    if (!EndsWhole(files.Index, true) || !EndsWhole(files.Data, false)) return nullptr;
    any = true;
  }
  return any ? std::move(wordNet) : nullptr;
}

bool WordNet::Damaged() const {
  if (damaged_) return true;
  for (const PartFiles& files : parts_)
    for (const auto* file : {&files.Index, &files.Data, &files.Exceptions})
      if (*file && !(*file)->Intact()) return true;
  return false;
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
  const std::string_view rest = FindLineRest(Text(files.Index), lemma);
  const std::vector<std::size_t> offsets = SynsetOffsets(rest);
  damaged_ = damaged_ || (!rest.empty() && offsets.empty());
  for (const std::size_t offset : offsets) {
    if (senses.size() == kMaxSenses) break;
    const std::string_view line = offset < data.size() && (offset == 0 || data[offset - 1] == '\n')
                                      ? LineAt(data, offset)
                                      : std::string_view();
    std::size_t ownOffset = 0;
    const std::size_t bar = line.find(" | ");
    if (!ParseNumber(FirstField(line), ownOffset) || ownOffset != offset ||
        bar == std::string_view::npos) {
      damaged_ = true;
      continue;
    }
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
