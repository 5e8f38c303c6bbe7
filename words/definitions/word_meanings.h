#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "words/definitions/stemmer.h"
#include "words/definitions/word_definitions.h"

class WordTranslations;
struct Language;

// What the definitions pane says of a word of the language played: an English word's
// definitions from the word databases, exactly as ever; for a language with a translating
// dictionary, how the language spells the word and its English translations. Nothing of
// a language is opened before its first word is looked up.
class WordMeanings {
 public:
  // The stemmer of a language; null when its dictionary is not installed.
  using StemmerOpener = std::function<std::unique_ptr<Stemmer>(const Language& language)>;

  // The spellings files lie beside the lexicons in `programDirectory`.
  WordMeanings(std::string programDirectory, StemmerOpener openStemmer);
  ~WordMeanings();

  std::string Describe(const Language& language, std::string_view word);

 private:
  WordTranslations& TranslationsOf(const Language& language);

  std::string programDirectory_;
  StemmerOpener openStemmer_;
  WordDefinitions english_;
  std::vector<std::pair<const Language*, std::unique_ptr<WordTranslations>>> translations_;
};
