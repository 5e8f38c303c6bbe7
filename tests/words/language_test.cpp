#include "words/language.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// Words as a player of each language writes them (UTF-32 here, so œ and ĳ fit) and the
// tiles they are played with; nothing where the word cannot be played at all.
struct FoldCase {
  std::string_view Code;
  std::u32string Word;
  std::optional<std::string> Tiles;
};

TEST(FoldWordTest, FoldsEachLanguageToItsOwnTiles) {
  const FoldCase cases[] = {
      {"de", U"Straße", "STRASSE"},
      {"de", U"Äpfel", "\xC4PFEL"},
      {"de", U"bären", "B\xC4REN"},
      {"de", U"baeren", "BAEREN"},
      {"de", U"Ærø", "AERO"},
      {"de", U"café", "CAFE"},
      {"fr", U"élève", "ELEVE"},
      {"fr", U"cœur", "COEUR"},
      {"fr", U"Œuvre", "OEUVRE"},
      {"fr", U"ex-æquo", std::nullopt},
      {"fr", U"naïveté", "NAIVETE"},
      {"fr", U"garçon", "GARCON"},
      {"es", U"niño", "NI\xD1O"},
      {"es", U"canción", "CANCION"},
      {"es", U"pingüino", "PINGUINO"},
      {"it", U"perché", "PERCHE"},
      {"nl", U"IJs", "IJS"},
      {"nl", U"ĳs", "IJS"},
      {"nl", U"één", "EEN"},
      {"pt", U"ação", "ACAO"},
      {"sv", U"idé", "IDE"},
      {"sv", U"Åsa", "\xC5SA"},
      {"sv", U"smörgås", "SM\xD6RG\xC5S"},
      {"sv", U"Ærø", "AERO"},
      {"da", U"Ærø", "\xC6R\xD8"},
      {"da", U"idé", "IDE"},
      {"da", U"Köln", "KOLN"},
      {"en", U"naïve", "NAIVE"},
      {"de", U"o'clock", std::nullopt},
      {"de", U"4you", std::nullopt},
      {"de", U"Ωmega", std::nullopt},
      {"de", U"", ""},
  };
  for (const FoldCase& c : cases) {
    const Language* language = FindLanguage(c.Code);
    ASSERT_NE(language, nullptr) << c.Code;
    EXPECT_EQ(FoldWord(*language, c.Word), c.Tiles) << c.Code << " case #" << (&c - cases);
  }
}

TEST(FoldWordTest, TypedLatin1FoldsLikeTheListsAndEveryTileFoldsToItself) {
  for (const Language& language : Languages()) {
    for (const char tile : language.Tiles) {
      EXPECT_EQ(FoldLetter(language, static_cast<unsigned char>(tile)), std::string(1, tile));
      const char32_t small = static_cast<unsigned char>(tile) + 0x20;
      EXPECT_EQ(FoldLetter(language, small), std::string(1, tile)) << language.Code;
    }
  }
  const Language& french = *FindLanguage("fr");
  EXPECT_EQ(FoldLatin1Word(french, "\xE9l\xE8ve"), "ELEVE");  // élève
  EXPECT_EQ(FoldLatin1Word(french, "eleve"), "ELEVE");
  EXPECT_EQ(FoldLatin1Word(french, "\xF7"), std::nullopt);  // ÷
}

// Names are left out of the lexicons, except where common nouns have a capital too.
TEST(LexiconWordTest, KeepsCapitalisedEntriesOnlyWhereTheLanguageDoes) {
  const Language& german = *FindLanguage("de");
  const Language& french = *FindLanguage("fr");
  EXPECT_EQ(LexiconWord(german, U"Äpfel"), "\xE4pfel");
  EXPECT_EQ(LexiconWord(german, U"Straße"), "strasse");
  EXPECT_EQ(LexiconWord(french, U"Paris"), std::nullopt);
  EXPECT_EQ(LexiconWord(french, U"Élise"), std::nullopt);
  EXPECT_EQ(LexiconWord(french, U"Œdipe"), std::nullopt);
  EXPECT_EQ(LexiconWord(french, U"cœur"), "coeur");
  EXPECT_EQ(LexiconWord(french, U"aujourd'hui"), std::nullopt);
  EXPECT_EQ(LexiconWord(french, U""), std::nullopt);
}

// The table is what board codes and files rely on: each language once, codes short and
// unique, tiles single bytes that a vowel list and the letter tables can index. (The
// menu's mnemonics are checked with every other menu's.)
TEST(LanguageTableTest, RowsAreConsistent) {
  std::set<std::string_view> codes;
  EXPECT_EQ(&English(), &Languages().front());
  for (const Language& language : Languages()) {
    EXPECT_EQ(language.Code.size(), 2u);
    EXPECT_TRUE(codes.insert(language.Code).second) << language.Code;
    EXPECT_EQ(FindLanguage(language.Code), &language);
    EXPECT_LE(language.Tiles.size(), kMaxTiles);
    for (const char vowel : language.Vowels) EXPECT_TRUE(IsTile(language, vowel));
  }
  EXPECT_EQ(FindLanguage("DE"), FindLanguage("de"));
  EXPECT_EQ(FindLanguage("xx"), nullptr);
}

}  // namespace
