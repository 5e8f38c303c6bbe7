#include "words/definitions/word_definitions.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <set>

#include "words/definitions/gcide.h"
#include "words/definitions/wordnet.h"
#include "words/definitions/wordnet_morphology.h"

namespace {

// No word of the database is longer; longer input is not a word.
constexpr std::size_t kMaxWordSize = 64;

// `word` in lower case, or empty when it is not all letters.
std::string LowerCaseWord(std::string_view word) {
  if (word.size() > kMaxWordSize) return {};
  std::string lower;
  for (const char c : word) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 128 || !std::isalpha(byte)) return {};
    lower.push_back(static_cast<char>(std::tolower(byte)));
  }
  return lower;
}

bool IsThere(const std::string& path) {
  struct stat status {};
  return ::stat(path.c_str(), &status) == 0;
}

// The sources found damaged and told of in this run, by folder: each is told once.
std::set<std::string>& ToldDamage() {
  static std::set<std::string> told;
  return told;
}

}  // namespace

WordDefinitions::WordDefinitions(std::string wordNetFolder, std::string gcideFolder)
    : wordNetSource_{std::move(wordNetFolder), "word database", "wordnet-base"},
      gcideSource_{std::move(gcideFolder), "dictionary", "dict-gcide"} {}

WordDefinitions::~WordDefinitions() = default;

void WordDefinitions::OpenSources() {
  if (opened_) return;
  opened_ = true;
  wordNet_ = WordNet::Open(wordNetSource_.Folder);
  gcide_ = Gcide::Open(gcideSource_.Folder);
  const auto state = [](bool opened, const std::vector<std::string>& files) {
    if (opened) return State::Ready;
    return std::ranges::any_of(files, IsThere) ? State::Damaged : State::Missing;
  };
  const std::string& w = wordNetSource_.Folder;
  wordNetSource_.Status =
      state(wordNet_ != nullptr,
            {w + "/index.noun", w + "/data.noun", w + "/index.verb", w + "/data.verb",
             w + "/index.adj", w + "/data.adj", w + "/index.adv", w + "/data.adv"});
  const std::string& g = gcideSource_.Folder;
  gcideSource_.Status = state(gcide_ != nullptr, {g + "/gcide.index", g + "/gcide.dict.dz"});
}

bool WordDefinitions::AnySourceInstalled() {
  OpenSources();
  return wordNet_ != nullptr || gcide_ != nullptr;
}

template <typename Reader>
bool WordDefinitions::DropIfDamaged(std::unique_ptr<Reader>& reader, Source& source) {
  if (!reader->Damaged()) return false;
  reader.reset();
  source.Status = State::Damaged;
  return true;
}

std::vector<Definition> WordDefinitions::Define(std::string_view word) {
  OpenSources();
  const std::string lower = LowerCaseWord(word);
  if (lower.empty()) return {};
  if (wordNet_) {
    std::vector<Definition> definitions = wordNet_->Define(lower);
    if (!DropIfDamaged(wordNet_, wordNetSource_) && !definitions.empty()) return definitions;
  }
  if (!gcide_) return {};
  std::vector<Definition> definitions = gcide_->Define(lower);
  for (const std::string& form : SuffixRuleForms(lower)) {
    if (!definitions.empty()) break;
    definitions = gcide_->Define(form);
  }
  if (DropIfDamaged(gcide_, gcideSource_)) return {};
  return definitions;
}

std::string WordDefinitions::DamagedText(const Source& source) {
  return "The " + std::string(source.Name) + " in " + source.Folder +
         " is damaged: reinstall the package " + source.Package + " to see its definitions.";
}

std::string WordDefinitions::NoSourceText() const {
  if (wordNetSource_.Status == State::Missing && gcideSource_.Status == State::Missing)
    return "No dictionary is installed: install the packages wordnet-base and dict-gcide to "
           "see definitions.";
  std::string text;
  for (const Source* source : {&wordNetSource_, &gcideSource_}) {
    if (!text.empty()) text += "\n";
    if (source->Status == State::Damaged) {
      text += DamagedText(*source);
      ToldDamage().insert(source->Folder);
    } else {
      text += "The " + std::string(source->Name) + " is not installed: install the package " +
              source->Package + " to see its definitions.";
    }
  }
  return text;
}

std::string WordDefinitions::NewDamageText() const {
  std::string text;
  for (const Source* source : {&wordNetSource_, &gcideSource_})
    if (source->Status == State::Damaged && ToldDamage().insert(source->Folder).second)
      text += DamagedText(*source) + "\n\n";
  return text;
}

std::string WordDefinitions::Describe(std::string_view word) {
  const std::vector<Definition> definitions = Define(word);
  if (!wordNet_ && !gcide_) return NoSourceText();
  const std::string told = NewDamageText();
  if (definitions.empty()) return told + "No definition found for \"" + std::string(word) + "\".";
  return told + FormatDefinitions(definitions);
}

std::string FormatDefinitions(const std::vector<Definition>& definitions) {
  std::string text;
  for (const Definition& definition : definitions) {
    if (!text.empty()) text += "\n";
    text += definition.Headword;
    if (!definition.PartOfSpeech.empty()) text += " (" + definition.PartOfSpeech + ")";
    text += "\n";
    for (std::size_t i = 0; i < definition.Senses.size(); ++i) {
      const Sense& sense = definition.Senses[i];
      text += std::to_string(i + 1) + ". " + sense.Gloss + "\n";
      if (!sense.Example.empty()) text += "   \"" + sense.Example + "\"\n";
    }
  }
  return text;
}

std::string FirstMeaning(std::string_view described) {
  const std::size_t sense = described.find("\n1. ");
  const std::size_t end = described.find('\n', sense == std::string_view::npos ? 0 : sense + 1);
  std::string line(described.substr(0, end));
  std::replace(line.begin(), line.end(), '\n', ' ');
  return line;
}
