#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "words/definitions/definition.h"
#include "words/definitions/freedict.h"
#include "words/definitions/stemmer.h"

struct Language;

inline constexpr const char* kFreeDictFolder = "/usr/share/dictd";
inline constexpr const char* kHunspellFolder = "/usr/share/hunspell";

// What a word of another language means in English: how the language spells the board's
// word, and the translations of those spellings or, where the dictionary has none, of
// their base forms. The dictionary is opened on the first look-up and the stemmer the
// first time a base form is needed, not before.
class WordTranslations {
 public:
  // The language's own spellings (UTF-8) of a word of the board: ELEVE -> "élève",
  // "élevé". None when they are not known.
  using SpellingsLookup = std::function<std::vector<std::string>(std::string_view word)>;
  // Null when the stemming dictionary (or the module that reads it) is not installed.
  using StemmerOpener = std::function<std::unique_ptr<Stemmer>()>;

  WordTranslations(const Language& language, SpellingsLookup spellings, StemmerOpener openStemmer,
                   std::string folder = kFreeDictFolder);
  ~WordTranslations();

  // The translations of `word` (Latin-1, any case, accents as typed or folded away).
  std::vector<Definition> Translate(std::string_view word);

  // The text of the definitions pane for `word`: its spellings, then its translations or
  // one line saying that none was found, or what to install or reinstall to get them.
  std::string Describe(std::string_view word);

 private:
  // `word` in the language's tiles; empty when it cannot be played.
  std::string Folded(std::string_view word) const;
  void OpenDictionary();
  Stemmer* OpenedStemmer();

  const Language& language_;
  SpellingsLookup spellings_;
  StemmerOpener openStemmer_;
  std::string folder_;
  bool dictionaryOpened_ = false, stemmerOpened_ = false;
  FreeDict::Status status_ = FreeDict::Status::Missing;
  std::unique_ptr<FreeDict> dictionary_;
  std::unique_ptr<Stemmer> stemmer_;
};

// A headword or stem (UTF-8) in the language's tiles; empty when it cannot be played.
std::string FoldedHeadword(const Language& language, std::string_view headword);

// The Hunspell dictionary of `language`: its affix file and its word file.
std::pair<std::string, std::string> HunspellFiles(const Language& language);
