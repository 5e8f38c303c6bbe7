#include "words/definitions/word_meanings.h"

#include <algorithm>

#include "words/definitions/word_translations.h"
#include "words/language.h"
#include "words/word_spellings.h"

WordMeanings::WordMeanings(std::string programDirectory, StemmerOpener openStemmer)
    : programDirectory_(std::move(programDirectory)), openStemmer_(std::move(openStemmer)) {}

WordMeanings::~WordMeanings() = default;

std::string WordMeanings::Describe(const Language& language, std::string_view word) {
  if (language.FreeDict.empty()) return english_.Describe(word);
  return TranslationsOf(language).Describe(word);
}

WordTranslations& WordMeanings::TranslationsOf(const Language& language) {
  const auto known = std::find_if(translations_.begin(), translations_.end(),
                                  [&](const auto& pair) { return pair.first == &language; });
  if (known != translations_.end()) return *known->second;

  const std::shared_ptr<WordSpellings> spellings = WordSpellings::Open(programDirectory_, language);
  const auto spellingsOf = [spellings](std::string_view word) {
    return spellings ? spellings->SpellingsOf(word) : std::vector<std::string>{};
  };
  const auto openStemmer = [this, &language] { return openStemmer_(language); };
  translations_.emplace_back(
      &language, std::make_unique<WordTranslations>(language, spellingsOf, openStemmer));
  return *translations_.back().second;
}
