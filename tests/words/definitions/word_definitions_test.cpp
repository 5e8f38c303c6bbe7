// Both sources together: the word database first, the collaborative dictionary where it
// has nothing; what the pane says when a source is missing or damaged.

#include "words/definitions/word_definitions.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "tests/temp_folder.h"
#include "tests/words/definitions/dictzip_bytes.h"

namespace {

const std::string kGoose = "goose (noun)\n1. web-footed bird\n   \"a goose\"\n";
const std::string kStearin = "stearin (n.)\n1. A fat.\n";

// A word database that knows "goose", a dictionary that knows "stearin".
struct SourceFolders {
  SourceFolders() {
    wordNet.Write("data.noun", "00000000 05 n 01 goose 0 000 | web-footed bird; \"a goose\"  \n");
    wordNet.Write("index.noun", "goose n 1 0 1 0 00000000  \n");
    wordNet.Write("noun.exc", "geese goose\n");
    const std::string entry = "Stearin \\Ste\"a*rin\\, n.\n   A fat.\n   [1913 Webster]\n";
    gcide.Write("gcide.index", "Stearin\tA\t" + Base64(entry.size()) + "\n");
    gcide.Write("gcide.dict.dz", DictzipBytes(entry, 16));
  }
  static std::string Damaged(const TempFolder& folder, const char* name, const char* package) {
    return std::string("The ") + name + " in " + folder.Path() +
           " is damaged: reinstall the package " + package + " to see its definitions.";
  }
  TempFolder wordNet, gcide;
};

class Sources : public ::testing::Test, public SourceFolders {};

TEST_F(Sources, TakeTheWordDatabaseFirstAndTheDictionaryWhereItHasNothing) {
  WordDefinitions both(wordNet.Path(), gcide.Path());
  EXPECT_EQ(both.Describe("GEESE"), kGoose);
  // Found through the suffix rules, in the dictionary.
  EXPECT_EQ(both.Describe("STEARINS"), kStearin);
  EXPECT_EQ(both.Describe("cat's"), "No definition found for \"cat's\".");
  // In one line, for a screen reader to say as the word is reached.
  EXPECT_EQ(FirstMeaning(both.Describe("GEESE")), "goose (noun) 1. web-footed bird");
  EXPECT_EQ(FirstMeaning(both.Describe("cat's")), both.Describe("cat's"));
  // A translation, under the line of its spellings.
  EXPECT_EQ(FirstMeaning("Also written: eleve\neleve (n)\n1. pupil\n2. student\n"),
            "Also written: eleve eleve (n) 1. pupil");

  WordDefinitions dictionaryOnly(gcide.File("none"), gcide.Path());
  EXPECT_EQ(dictionaryOnly.Describe("stearin"), kStearin);
}

// Missing and damaged are told apart, with the package that mends each; a damaged source
// is told of once in a run and left out, the other one still serves.
TEST_F(Sources, AMissingOrDamagedSourceIsToldWithThePackageThatMendsIt) {
  const std::string noWordNet =
      "The word database is not installed: install the package wordnet-base to see its "
      "definitions.";
  const std::string damagedWordNet = Damaged(wordNet, "word database", "wordnet-base");
  const std::string damagedGcide = Damaged(gcide, "dictionary", "dict-gcide");

  WordDefinitions neither(wordNet.File("none"), gcide.File("none"));
  EXPECT_FALSE(neither.AnySourceInstalled());
  EXPECT_EQ(neither.Describe("goose"),
            "No dictionary is installed: install the packages wordnet-base and dict-gcide to "
            "see definitions.");

  gcide.Write("gcide.dict.dz", "not gzip");
  WordDefinitions brokenDictionaryOnly(wordNet.File("none"), gcide.Path());
  EXPECT_EQ(brokenDictionaryOnly.Describe("stearin"), noWordNet + "\n" + damagedGcide);
  EXPECT_EQ(brokenDictionaryOnly.Describe("stearin"), noWordNet + "\n" + damagedGcide)
      << "with nothing left to show, said each time";

  wordNet.Write("data.noun", "garbage");
  WordDefinitions brokenBoth(wordNet.Path(), gcide.Path());
  EXPECT_EQ(brokenBoth.Describe("goose"), damagedWordNet + "\n" + damagedGcide);
}

// A file cut short under an open reader (a package upgrade, a careless hand) gives "no
// definition" and a word of the damage once, never a crash: the mapped pages it lost
// read as nothing.
TEST_F(Sources, AFileCutShortWhileOpenGivesNoDefinitionNotACrash) {
  const struct {
    bool inWordNet;
    const char* file;
    const char* word;
  } cases[] = {
      {true, "data.noun", "geese"},
      {true, "index.noun", "goose"},
      {false, "gcide.dict.dz", "stearin"},
      {false, "gcide.index", "stearin"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    SourceFolders fresh;
    const TempFolder& folder = c.inWordNet ? fresh.wordNet : fresh.gcide;
    WordDefinitions both(fresh.wordNet.Path(), fresh.gcide.Path());
    ASSERT_NE(both.Describe(c.word).find(" (n"), std::string::npos);
    ASSERT_EQ(::truncate(folder.File(c.file).c_str(), 0), 0);
    const std::string none = "No definition found for \"" + std::string(c.word) + "\".";
    const std::string damaged = c.inWordNet ? Damaged(folder, "word database", "wordnet-base")
                                            : Damaged(folder, "dictionary", "dict-gcide");
    EXPECT_EQ(both.Describe(c.word), damaged + "\n\n" + none);
    EXPECT_EQ(both.Describe(c.word), none) << "told once";
  }
}

}  // namespace
