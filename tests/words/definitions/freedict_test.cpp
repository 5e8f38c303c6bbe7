// The translating dictionaries' reader on small hand-made files.

#include "words/definitions/freedict.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/temp_folder.h"
#include "tests/words/definitions/dictzip_bytes.h"
#include "tests/words/definitions/freedict_bytes.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::vector<std::string> Glosses(const Definition& definition) {
  std::vector<std::string> glosses;
  for (const Sense& sense : definition.Senses) glosses.push_back(sense.Gloss);
  return glosses;
}

TEST(FreeDictEntry, GivesHeadwordGrammarAndEachTranslation) {
  struct Case {
    const char* Entry;
    const char* Headword;
    const char* Grammar;
    std::vector<std::string> Translations;
  };
  const std::vector<Case> cases = {
      // Latin-1 lacks œ: the headword is written out.
      {"c\xc5\x93ur /k\xcb\x88\xc5\x93\xca\x81/ <n, masc>\nheart\n", "coeur", "n, masc", {"heart"}},
      {"abandonn\xc3\xa9 /abandone/ <adj>\n1. abandoned\n2. deserted, forsaken\n",
       "abandonn\xe9",
       "adj",
       {"abandoned", "deserted, forsaken"}},
      // Grammar marks go; notes, examples and cross-references are not translations.
      {"gehen /\xc9\xa1\xcb\x88\x65\xcb\x90\xc9\x99n/ <v, intr>\n"
       "get on <v>, do <v>, fare <v>\n"
       "         Note: with sth.\n"
       "      \"Die Gesch\xc3\xa4\x66te gehen gut.\"  - Business is doing well.\n"
       "   Synonyms: {ergehen}, {laufen}\n"
       "\n"
       " see: {ergehend}, {gehend}\n",
       "gehen",
       "v, intr",
       {"get on, do, fare"}},
      {"B\xc3\xa4r /b\xcb\x88\xc9\x9b\xcb\x90\xc9\xbe/ <masc, n, sg>\n [zool.] bear <n>\n",
       "B\xe4r",
       "masc, n, sg",
       {"[zool.] bear"}},
      {"hus\nhouse\nhouse\n", "hus", "", {"house"}},
      {"\xe2\x80\x90\x62\x61r /b\xcb\x88\xc9\x91\xcb\x90r/\n\xe2\x80\x90\x61\x62le, "
       "\xe2\x80\x90ible\n",
       "-bar",
       "",
       {"-able, -ible"}},
      {"", "", "", {}},
      // At most six translations.
      {"viel\n1. a\n2. b\n3. c\n4. d\n5. e\n6. f\n7. g\n8. h\n",
       "viel",
       "",
       {"a", "b", "c", "d", "e", "f"}},
  };
  for (const Case& c : cases) {
    const Definition definition = DefinitionFromFreeDictEntry(c.Entry);
    EXPECT_EQ(definition.Headword, c.Headword) << c.Entry;
    EXPECT_EQ(definition.PartOfSpeech, c.Grammar) << c.Entry;
    EXPECT_EQ(Glosses(definition), c.Translations) << c.Entry;
  }
}

class FreeDictFiles : public ::testing::Test {
 protected:
  std::unique_ptr<FreeDict> Open() {
    return FreeDict::Open(folder_.Path(), "freedict-fra-eng", FrenchFold, status_);
  }
  std::vector<std::string> Headwords(const char* folded) {
    std::vector<std::string> headwords;
    if (const auto dictionary = Open())
      for (const Definition& definition : dictionary->Translate(folded))
        headwords.push_back(definition.Headword + ": " + definition.Senses.front().Gloss);
    return headwords;
  }
  TempFolder folder_;
  FreeDict::Status status_ = FreeDict::Status::Ok;
};

TEST_F(FreeDictFiles, FindsEntriesByTheFoldedHeadwordInAnyOrderOfTheIndex) {
  for (const unsigned chunkLength : {9u, 64u, 4096u}) {
    WriteFreeDict(folder_, "freedict-fra-eng", kFrenchEntries, chunkLength);
    EXPECT_THAT(Headwords("COEUR"), ElementsAre("coeur: heart"));
    EXPECT_THAT(Headwords("ELEVE"),
                ElementsAre("\xe9l\xe8ve: pupil, student", "\xe9lev\xe9: high, lofty"));
    // Two entries of one headword and part of speech are one definition.
    const auto dictionary = Open();
    ASSERT_NE(dictionary, nullptr);
    const std::vector<Definition> cour = dictionary->Translate("COUR");
    ASSERT_EQ(cour.size(), 1u);
    EXPECT_THAT(Glosses(cour[0]), ElementsAre("court", "yard"));
    // Words of more than one word, and the database's own headers, are no words of a board.
    EXPECT_THAT(Headwords("APROPOS"), IsEmpty());
    EXPECT_THAT(Headwords("ABSENT"), IsEmpty());
  }
}

TEST_F(FreeDictFiles, TellsAMissingDictionaryFromADamagedOne) {
  WriteFreeDict(folder_, "freedict-fra-eng", kFrenchEntries, 64);
  const std::string index = ReadFileBytes(folder_.File("freedict-fra-eng.index"));
  const std::string text = ReadFileBytes(folder_.File("freedict-fra-eng.dict.dz"));
  ASSERT_NE(Open(), nullptr);
  EXPECT_EQ(status_, FreeDict::Status::Ok);

  struct Case {
    const char* What;
    std::string Index, Text;  // "-" for no file at all
    FreeDict::Status Expected;
  };
  const std::vector<Case> cases = {
      {"no index", "-", text, FreeDict::Status::Missing},
      {"no text", index, "-", FreeDict::Status::Missing},
      {"empty index", "", text, FreeDict::Status::Damaged},
      {"a line without its length", index + "coeur\tA\n", text, FreeDict::Status::Damaged},
      {"an offset not in base 64", index + "coeur\tA*\tB\n", text, FreeDict::Status::Damaged},
      {"text not gzip", index, "plain text", FreeDict::Status::Damaged},
      {"text cut in its header", index, text.substr(0, 20), FreeDict::Status::Damaged},
  };
  for (const Case& c : cases) {
    std::filesystem::remove(folder_.File("freedict-fra-eng.index"));
    std::filesystem::remove(folder_.File("freedict-fra-eng.dict.dz"));
    if (c.Index != "-") folder_.Write("freedict-fra-eng.index", c.Index);
    if (c.Text != "-") folder_.Write("freedict-fra-eng.dict.dz", c.Text);
    EXPECT_EQ(Open(), nullptr) << c.What;
    EXPECT_EQ(status_, c.Expected) << c.What;
  }
}

TEST_F(FreeDictFiles, AnEntryOutsideTheTextIsNoTranslationAndCountsAsDamage) {
  WriteFreeDict(folder_, "freedict-fra-eng", kFrenchEntries, 64);
  const std::string index = ReadFileBytes(folder_.File("freedict-fra-eng.index"));
  folder_.Write("freedict-fra-eng.index", index + "chat\tA\t////\nchien\t////////\tB\n");
  const auto dictionary = Open();
  ASSERT_NE(dictionary, nullptr);
  EXPECT_THAT(dictionary->Translate("COEUR"), ::testing::SizeIs(1));
  EXPECT_FALSE(dictionary->DamageFound());
  EXPECT_THAT(dictionary->Translate("CHAT"), IsEmpty());
  EXPECT_THAT(dictionary->Translate("CHIEN"), IsEmpty());
  EXPECT_TRUE(dictionary->DamageFound());
}

}  // namespace
