#include "words/definitions/word_definitions.h"

#include <algorithm>
#include <cctype>

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

}  // namespace

WordDefinitions::WordDefinitions(std::string wordNetFolder, std::string gcideFolder)
    : wordNetFolder_(std::move(wordNetFolder)), gcideFolder_(std::move(gcideFolder)) {}

WordDefinitions::~WordDefinitions() = default;

void WordDefinitions::OpenSources() {
  if (opened_) return;
  opened_ = true;
  wordNet_ = WordNet::Open(wordNetFolder_);
  gcide_ = Gcide::Open(gcideFolder_);
}

bool WordDefinitions::AnySourceInstalled() {
  OpenSources();
  return wordNet_ != nullptr || gcide_ != nullptr;
}

std::vector<Definition> WordDefinitions::Define(std::string_view word) {
  OpenSources();
  const std::string lower = LowerCaseWord(word);
  if (lower.empty()) return {};
  if (wordNet_) {
    std::vector<Definition> definitions = wordNet_->Define(lower);
    if (!definitions.empty()) return definitions;
  }
  if (!gcide_) return {};
  std::vector<Definition> definitions = gcide_->Define(lower);
  for (const std::string& form : SuffixRuleForms(lower)) {
    if (!definitions.empty()) break;
    definitions = gcide_->Define(form);
  }
  return definitions;
}

std::string WordDefinitions::Describe(std::string_view word) {
  if (!AnySourceInstalled())
    return "No dictionary is installed: install the package wordnet-base to see definitions.";
  const std::vector<Definition> definitions = Define(word);
  if (definitions.empty()) return "No definition found for \"" + std::string(word) + "\".";
  return FormatDefinitions(definitions);
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
