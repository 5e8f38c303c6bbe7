// Checks the lexicons and spellings files the build compiled for the languages other
// than English, and that the checked-in letter tables are what their tool makes now.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "base/file_reader.h"
#include "base/paths.h"
#include "tools/letter_table_maker.h"
#include "words/engine/compiled_lexicon.h"
#include "words/language.h"
#include "words/word_spellings.h"

namespace {

const std::string kProgramDir = TOLVANE_PROGRAM_DIR;

std::unique_ptr<CompiledLexicon> LexiconOf(const Language& language) {
  return CompiledLexicon::Map(
      ReadableFile(JoinPath(kProgramDir, std::string(language.Lexicons[0]))));
}

// Words as the player types them, with their spellings in the word list; no spellings
// where the lexicon must not hold the word (a name, or a word folded to other tiles).
TEST(CompiledLanguages, HoldTheFoldedWordsWithTheirSpellings) {
  const struct {
    std::string_view Code;
    std::string_view Tiles;
    std::vector<std::string> Spellings;
  } cases[] = {
      {"de", "STRASSE", {"Straße"}},
      {"de", "\xC4PFEL", {"Äpfel"}},
      {"de", "APFEL", {"Apfel"}},
      {"fr", "ELEVE", {"élevé", "élève"}},
      {"fr", "GARCON", {"garçon"}},
      {"fr", "PARIS", {"paris"}},  // the verb (parier), not the city
      {"es", "NI\xD1O", {"niño"}},
      {"es", "NINO", {}},
      {"es", "CANCIONES", {"canciones"}},
      {"it", "CITTA", {"città"}},
      {"nl", "IJS", {"ijs"}},
      {"pt", "CORACAO", {"coração"}},
      {"sv", "SM\xD6RG\xC5S", {"smörgås"}},
      {"da", "\xD8KONOMI", {"økonomi"}},
      {"da", "IDE", {"ide", "idé"}},
  };
  for (const auto& c : cases) {
    const Language& language = *FindLanguage(c.Code);
    const auto spellings = WordSpellings::Open(kProgramDir, language);
    ASSERT_NE(spellings, nullptr) << c.Code;
    EXPECT_EQ(spellings->SpellingsOf(c.Tiles), c.Spellings) << c.Code << " " << c.Tiles;
  }
}

TEST(CompiledLanguages, HoldAboutTheExpectedNumberOfWords) {
  // The word lists change a little between releases; a large change means a wrong recipe.
  const struct {
    std::string_view Code;
    uint32_t Words;
  } counts[] = {{"da", 295255}, {"de", 355980}, {"es", 914698}, {"fr", 325313},
                {"it", 106374}, {"nl", 348532}, {"pt", 384038}, {"sv", 116798}};
  for (const auto& [code, words] : counts) {
    const auto lexicon = LexiconOf(*FindLanguage(code));
    ASSERT_NE(lexicon, nullptr) << code;
    EXPECT_NEAR(lexicon->WordCount(), words, words / 20) << code;
    EXPECT_EQ(lexicon->Language(), FindLanguage(code)->LexiconLanguage);
  }
}

// A word list that changed, or a changed derivation, shows here as a difference to
// commit: run make_letter_tables again.
TEST(LetterTables, AreWhatTheirToolMakesFromTheLexicons) {
  for (const Language& language : Languages()) {
    if (language.Spellings.empty()) continue;  // English keeps its own tables
    const auto lexicon = LexiconOf(language);
    ASSERT_NE(lexicon, nullptr) << language.Code;
    std::ifstream file(std::string(TOLVANE_SOURCE_DIR) + "/game/letter_tables_" +
                       std::string(language.Code) + ".cpp");
    std::stringstream checkedIn;
    checkedIn << file.rdbuf();
    EXPECT_EQ(LetterTablesSource(language, *lexicon), checkedIn.str()) << language.Code;
  }
}

}  // namespace
