// The collaborative dictionary's readers on small hand-made files.

#include "words/definitions/gcide.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/temp_folder.h"
#include "tests/words/definitions/dictzip_bytes.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const char* const kCaterEntry =
    "Cater \\Ca\"ter\\, v. i. [imp. & p. p. {Catered}; p. pr. & vb. n.\n"
    "   {Catering}.] [From {Cater}, n.]\n"
    "   1. To provide food; to buy, procure, or prepare provisions.\n"
    "      [1913 Webster]\n"
    "\n"
    "            [He] providently caters for the sparrow. --Shak.\n"
    "      [1913 Webster]\n"
    "\n"
    "   2. By extension: To supply what is needed or desired, at\n"
    "      theatrical or musical entertainments.\n"
    "      [1913 Webster]\n";
const char* const kStearinEntry =
    "Stearin \\Ste\"a*rin\\ (st[=e]\"[.a]*r[i^]n), n. [Gr. ste`ar tallow,\n"
    "   suet: cf. F. st['e]arine.] (Physiol. Chem.)\n"
    "   One of the constituents of animal fats. [Obs.] --Chaucer.\n"
    "   [1913 Webster]\n";

TEST(GcideEntry, GivesPartOfSpeechNumberedSensesAndTheirQuotations) {
  const Definition cater = DefinitionFromGcideEntry(kCaterEntry, "cater");
  EXPECT_EQ(cater.PartOfSpeech, "v. i.");
  ASSERT_EQ(cater.Senses.size(), 2u);
  EXPECT_EQ(cater.Senses[0].Gloss, "To provide food; to buy, procure, or prepare provisions.");
  EXPECT_EQ(cater.Senses[0].Example, "[He] providently caters for the sparrow.");
  EXPECT_EQ(cater.Senses[1].Gloss,
            "By extension: To supply what is needed or desired, at theatrical or musical "
            "entertainments.");

  const Definition stearin = DefinitionFromGcideEntry(kStearinEntry, "stearin");
  EXPECT_EQ(stearin.PartOfSpeech, "n.");
  ASSERT_EQ(stearin.Senses.size(), 1u);
  EXPECT_EQ(stearin.Senses[0].Gloss,
            "(Physiol. Chem.) One of the constituents of animal fats. [Obs.]");
  // The text is UTF-8; the game's texts are Latin-1.
  const Definition cafe =
      DefinitionFromGcideEntry("Caf\xc3\xa9, n. A coffee house \xe2\x80\x94 bar.", "cafe");
  EXPECT_EQ(cafe.PartOfSpeech, "n.");
  EXPECT_EQ(cafe.Senses[0].Gloss, "A coffee house ? bar.");
}

class GcideFiles : public ::testing::Test {
 protected:
  // An index sorted as the dictionary server sorts it: letters, digits and blanks only,
  // case ignored.
  void WriteDictionary(unsigned chunkLength = 64) {
    const std::string text = std::string(kCaterEntry) + kStearinEntry;
    const std::size_t caterSize = std::string(kCaterEntry).size();
    index_ = "00-database-info\tA\tB\nCat-a-mount\tA\tC\nCater\t" + Base64(0) + "\t" +
             Base64(caterSize) + "\nCater-cousin\tA\tB\nStearin\t" + Base64(caterSize) + "\t" +
             Base64(text.size() - caterSize) + "\n";
    folder_.Write("gcide.index", index_);
    dictzip_ = DictzipBytes(text, chunkLength);
    folder_.Write("gcide.dict.dz", dictzip_);
  }
  std::vector<std::string> Glosses(const char* word) {
    std::vector<std::string> glosses;
    const auto gcide = Gcide::Open(folder_.Path());
    if (gcide)
      for (const Definition& d : gcide->Define(word)) glosses.push_back(d.Senses[0].Gloss);
    return glosses;
  }
  // Whether the dictionary is known damaged once it has looked `word` up.
  bool FoundDamaged(const char* word) {
    const auto gcide = Gcide::Open(folder_.Path());
    if (!gcide) return true;
    gcide->Define(word);
    return gcide->Damaged();
  }
  TempFolder folder_;
  std::string index_, dictzip_;
};

TEST_F(GcideFiles, FindsAnEntryByItsHeadwordAcrossChunks) {
  for (const unsigned chunkLength : {7u, 64u, 4096u}) {
    WriteDictionary(chunkLength);
    EXPECT_THAT(Glosses("cater"),
                ElementsAre("To provide food; to buy, procure, or prepare provisions."));
    EXPECT_THAT(Glosses("stearin"), ElementsAre(::testing::StartsWith("(Physiol. Chem.) One")));
    EXPECT_THAT(Glosses("caterer"), IsEmpty());
  }
}

TEST_F(GcideFiles, ADamagedFileGivesNoDefinition) {
  WriteDictionary();
  EXPECT_FALSE(FoundDamaged("cater"));
  const std::string cater = "Cater\tA\t" + Base64(std::string(kCaterEntry).size());
  const std::vector<std::pair<std::string, std::string>> damagedIndexes = {
      {"length beyond the text", "Cater\tA\t////\n"},
      {"offset beyond the text", "Cater\t////////\tB\n"},
      {"number too long", "Cater\tAAAAAAAAAB\tB\n"},
      {"not base 64", "Cater\tA*\tB\n"},
      {"no length", "Cater\tA\n"},
  };
  for (const auto& [what, index] : damagedIndexes) {
    folder_.Write("gcide.index", index);
    EXPECT_THAT(Glosses("cater"), IsEmpty()) << what;
    EXPECT_TRUE(FoundDamaged("cater")) << what;
  }
  folder_.Write("gcide.index", index_);
  const std::vector<std::pair<std::string, std::string>> damagedTexts = {
      {"truncated", dictzip_.substr(0, dictzip_.size() - 20)},
      {"chunk table cut", dictzip_.substr(0, 20)},
      {"chunk sizes beyond the file", dictzip_.substr(0, 30)},
      {"not deflated", std::string(dictzip_).replace(dictzip_.find("name") + 5, 30, 30, '\xff')},
      {"not gzip", "plain text"},
  };
  for (const auto& [what, text] : damagedTexts) {
    folder_.Write("gcide.dict.dz", text);
    EXPECT_THAT(Glosses("cater"), IsEmpty()) << what;
    EXPECT_TRUE(FoundDamaged("cater")) << what;
  }
}

}  // namespace
