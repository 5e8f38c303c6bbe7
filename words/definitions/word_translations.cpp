#include "words/definitions/word_translations.h"

#include <algorithm>

#include "base/latin1.h"
#include "words/definitions/dictionary_text.h"
#include "words/definitions/word_definitions.h"
#include "words/engine/word_list_text.h"
#include "words/language.h"

namespace {

// No word of any board comes near this; longer input is not a word.
constexpr std::size_t kMaxWordSize = 64;

std::string Utf8FromLatin1(std::string_view text) {
  std::u32string letters;
  for (const char c : text) letters.push_back(static_cast<unsigned char>(c));
  return EncodeUtf8(letters);
}

// "Spelled élève, élevé", or nothing when the only spelling is the board's word in small
// letters, which says nothing new.
std::string SpellingsLine(const std::vector<std::string>& spellings, std::string_view folded) {
  std::string joined;
  for (const std::string& spelling : spellings)
    joined += (joined.empty() ? "" : ", ") + Latin1FromUtf8(spelling);
  if (joined.empty() || joined == Latin1LowerCopy(folded)) return {};
  return "Spelled " + joined + "\n\n";
}

// Of the entries found by a stem's folded form, those of the stem's own spelling, where
// there are any: "élèves" stems to "élève", not to "élevé".
std::vector<Definition> SpelledAs(std::vector<Definition> found, std::string_view stem) {
  const std::string spelling = Latin1LowerCopy(Latin1FromUtf8(stem));
  std::vector<Definition> same;
  for (Definition& definition : found)
    if (Latin1LowerCopy(definition.Headword) == spelling) same.push_back(std::move(definition));
  return same.empty() ? found : same;
}

}  // namespace

std::string FoldedHeadword(const Language& language, std::string_view headword) {
  const std::optional<std::u32string> letters = DecodeUtf8(headword);
  if (!letters) return {};
  return FoldWord(language, *letters).value_or("");
}

std::pair<std::string, std::string> HunspellFiles(const Language& language) {
  const std::string stem = std::string(kHunspellFolder) + "/" + std::string(language.Hunspell);
  return {stem + ".aff", stem + ".dic"};
}

WordTranslations::WordTranslations(const Language& language, SpellingsLookup spellings,
                                   StemmerOpener openStemmer, std::string folder)
    : language_(language),
      spellings_(std::move(spellings)),
      openStemmer_(std::move(openStemmer)),
      folder_(std::move(folder)) {}

WordTranslations::~WordTranslations() = default;

void WordTranslations::OpenDictionary() {
  if (dictionaryOpened_) return;
  dictionaryOpened_ = true;
  const auto fold = [&language = language_](std::string_view headword) {
    return FoldedHeadword(language, headword);
  };
  dictionary_ = FreeDict::Open(folder_, std::string(language_.FreeDict), fold, status_);
}

Stemmer* WordTranslations::OpenedStemmer() {
  if (!stemmerOpened_) {
    stemmerOpened_ = true;
    stemmer_ = openStemmer_();
  }
  return stemmer_.get();
}

std::string WordTranslations::Folded(std::string_view word) const {
  if (word.size() > kMaxWordSize) return {};
  return FoldLatin1Word(language_, word).value_or("");
}

std::vector<Definition> WordTranslations::Translate(std::string_view word) {
  OpenDictionary();
  const std::string folded = Folded(word);
  if (!dictionary_ || folded.empty()) return {};
  std::vector<Definition> definitions = dictionary_->Translate(folded);
  if (!definitions.empty() || !OpenedStemmer()) return definitions;

  // The list's spellings carry the accents and capitals the stemming dictionary needs.
  std::vector<std::string> spellings = spellings_(folded);
  if (spellings.empty()) spellings.push_back(Utf8FromLatin1(Latin1LowerCopy(word)));
  std::vector<std::string> tried{folded};
  for (const std::string& spelling : spellings) {
    for (const std::string& stem : stemmer_->Stems(spelling)) {
      const std::string stemFolded = FoldedHeadword(language_, stem);
      if (stemFolded.empty() || std::find(tried.begin(), tried.end(), stemFolded) != tried.end())
        continue;
      tried.push_back(stemFolded);
      for (Definition& definition : SpelledAs(dictionary_->Translate(stemFolded), stem))
        definitions.push_back(std::move(definition));
    }
  }
  return definitions;
}

std::string WordTranslations::Describe(std::string_view word) {
  const std::string folded = Folded(word);
  std::string text = folded.empty() ? "" : SpellingsLine(spellings_(folded), folded);
  const std::vector<Definition> definitions = Translate(word);
  if (!definitions.empty()) return text + FormatDefinitions(definitions);

  const std::string package(language_.FreeDictPackage);
  if (status_ == FreeDict::Status::Missing)
    return text + "No dictionary is installed: install the package " + package +
           " to see translations.";
  if (status_ == FreeDict::Status::Damaged || dictionary_->DamageFound())
    return text + "The dictionary of the package " + package +
           " is damaged: reinstall it to see translations.";
  text += "No translation found for \"" + std::string(word) + "\".";
  if (stemmerOpened_ && !stemmer_)
    text += " Install the package " + std::string(language_.HunspellPackage) +
            " to find the base forms of inflected words.";
  return text;
}
