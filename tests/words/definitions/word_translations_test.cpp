// The meanings pane of a word of another language, on small hand-made dictionaries and
// a table of stems in the place of Hunspell.

#include "words/definitions/word_translations.h"

#include <gtest/gtest.h>

#include <map>

#include "tests/temp_folder.h"
#include "tests/words/definitions/freedict_bytes.h"
#include "words/language.h"

namespace {

class TableStemmer : public Stemmer {
 public:
  std::vector<std::string> Stems(const std::string& word) override {
    const auto found = kStems.find(word);
    return found == kStems.end() ? std::vector<std::string>{} : found->second;
  }
  inline static const std::map<std::string, std::vector<std::string>> kStems = {
      {"\xc3\xa9l\xc3\xa8ves", {"\xc3\xa9l\xc3\xa8ve"}},  // élèves
      {"coeurs", {"c\xc5\x93ur"}},  // no spellings known: the word in small letters
  };
};

class Translations : public ::testing::Test {
 protected:
  Translations() { WriteFreeDict(folder_, "freedict-fra-eng", kFrenchEntries, 64); }

  std::string Describe(std::string_view word) {
    WordTranslations translations(
        *FindLanguage("fr"),
        [](std::string_view folded) {
          const std::map<std::string_view, std::vector<std::string>> spellings = {
              {"ELEVE", {"\xc3\xa9l\xc3\xa8ve", "\xc3\xa9lev\xc3\xa9"}},
              {"ELEVES", {"\xc3\xa9l\xc3\xa8ves"}},
              {"COEUR", {"coeur"}}};
          const auto found = spellings.find(folded);
          return found == spellings.end() ? std::vector<std::string>{} : found->second;
        },
        [this]() -> std::unique_ptr<Stemmer> {
          ++stemmersOpened_;
          if (!stemmerInstalled_) return nullptr;
          return std::make_unique<TableStemmer>();
        },
        folder_.Path());
    return translations.Describe(word);
  }

  TempFolder folder_;
  bool stemmerInstalled_ = true;
  int stemmersOpened_ = 0;
};

TEST_F(Translations, ShowTheSpellingsAndTheTranslationsOfTheWordOrItsBaseForm) {
  const std::string eleve =
      "Spelled \xe9l\xe8ve, \xe9lev\xe9\n\n"
      "\xe9l\xe8ve (n)\n1. pupil, student\n\n"
      "\xe9lev\xe9 (adj)\n1. high, lofty\n";
  const std::pair<const char*, std::string> cases[] = {
      {"ELEVE", eleve},
      {"\xe9l\xe8ve", eleve},  // as typed in Look Up Word
      {"eleve", eleve},
      // No spellings known: the board's word as it is.
      {"COEUR", "coeur (n, masc)\n1. heart\n"},
      // The dictionary has no plural: the stem of the list's spelling has an entry.
      {"ELEVES", "Spelled \xe9l\xe8ves\n\n\xe9l\xe8ve (n)\n1. pupil, student\n"},
      {"COEURS", "coeur (n, masc)\n1. heart\n"},
      {"CHATS", "No translation found for \"CHATS\"."},
      // Not a word of the language's tiles at all.
      {"\xf1u", "No translation found for \"\xf1u\"."},
      {"", "No translation found for \"\"."},
  };
  for (const auto& [word, expected] : cases) EXPECT_EQ(Describe(word), expected) << word;
}

TEST_F(Translations, OpenTheStemmerOnlyWhenTheWordItselfHasNoEntry) {
  Describe("ELEVE");
  EXPECT_EQ(stemmersOpened_, 0);
  Describe("ELEVES");
  EXPECT_EQ(stemmersOpened_, 1);
}

TEST_F(Translations, NameThePackageThatIsMissingOrDamaged) {
  stemmerInstalled_ = false;
  EXPECT_EQ(Describe("COEUR"), "coeur (n, masc)\n1. heart\n");
  EXPECT_EQ(Describe("ELEVES"),
            "Spelled \xe9l\xe8ves\n\nNo translation found for \"ELEVES\". Install the package "
            "hunspell-fr to find the base forms of inflected words.");

  folder_.Write("freedict-fra-eng.dict.dz", "damaged");
  EXPECT_EQ(Describe("COEUR"),
            "The dictionary of the package dict-freedict-fra-eng is damaged: reinstall it to see "
            "translations.");
  std::filesystem::remove(folder_.File("freedict-fra-eng.dict.dz"));
  EXPECT_EQ(Describe("ELEVE"),
            "Spelled \xe9l\xe8ve, \xe9lev\xe9\n\nNo dictionary is installed: install the package "
            "dict-freedict-fra-eng to see translations.");
}

}  // namespace
