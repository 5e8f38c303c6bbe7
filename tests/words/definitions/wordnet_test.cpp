// The word database reader on small hand-made files, and once against the installed one.

#include "words/definitions/wordnet.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "tests/temp_folder.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Headword and part of speech of each definition, as "cater verb".
std::vector<std::string> Heads(const std::vector<Definition>& definitions) {
  std::vector<std::string> heads;
  for (const Definition& d : definitions) heads.push_back(d.Headword + " " + d.PartOfSpeech);
  return heads;
}

// One part of speech's index and data files: each lemma gets one synset per gloss.
struct PartFiles {
  std::string Index = "  1 This software and database is being provided to you\n";
  std::string Data = "  1 This software and database is being provided to you\n";
};

std::string EightDigits(std::size_t offset) {
  char digits[24];
  std::snprintf(digits, sizeof digits, "%08zu", offset);
  return digits;
}

// `text` with its first `from` replaced by `to`.
std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

PartFiles MakePart(const std::map<std::string, std::vector<std::string>>& glosses) {
  PartFiles files;
  std::string index;
  for (const auto& [lemma, lemmaGlosses] : glosses) {
    std::string offsets;
    for (const std::string& gloss : lemmaGlosses) {
      const std::string offset = EightDigits(files.Data.size());
      files.Data += offset + " 05 n 01 " + lemma + " 0 000 | " + gloss + "  \n";
      offsets += " " + offset;
    }
    files.Index += lemma + " n " + std::to_string(lemmaGlosses.size()) + " 1 @ " +
                   std::to_string(lemmaGlosses.size()) + " 0" + offsets + "  \n";
  }
  return files;
}

class WordNetFiles : public ::testing::Test {
 protected:
  WordNetFiles() {
    Write("noun", MakePart({{"catering", {"providing food; \"she ran a catering business\""}},
                            {"goose", {"web-footed bird", "a man who is a stupid fool"}},
                            {"stearin", {"glyceryl ester of stearic acid"}}}));
    Write("verb", MakePart({{"cater", {"provide food; \"Joe catered; for us\"; \"no\""}}}));
    folder_.Write("noun.exc", "aardwolves aardwolf\ngeese goose\n");
  }
  void Write(const std::string& part, const PartFiles& files) {
    folder_.Write("index." + part, files.Index);
    folder_.Write("data." + part, files.Data);
  }
  TempFolder folder_;
};

TEST_F(WordNetFiles, FindsEachWordByItsExceptionsItselfAndItsSuffixRules) {
  const auto wordNet = WordNet::Open(folder_.Path());
  ASSERT_NE(wordNet, nullptr);
  EXPECT_THAT(Heads(wordNet->Define("geese")), ElementsAre("goose noun"));
  EXPECT_THAT(Heads(wordNet->Define("stearins")), ElementsAre("stearin noun"));
  EXPECT_THAT(Heads(wordNet->Define("catering")), ElementsAre("catering noun", "cater verb"));
  EXPECT_THAT(Heads(wordNet->Define("catered")), ElementsAre("cater verb"));
  EXPECT_THAT(wordNet->Define("stearing"), IsEmpty());
  EXPECT_THAT(wordNet->Define(""), IsEmpty());
}

TEST_F(WordNetFiles, SplitsAGlossIntoSensesAndExamples) {
  const auto wordNet = WordNet::Open(folder_.Path());
  const auto goose = wordNet->Define("goose");
  ASSERT_EQ(goose.size(), 1u);
  ASSERT_EQ(goose[0].Senses.size(), 2u);
  EXPECT_EQ(goose[0].Senses[1].Gloss, "a man who is a stupid fool");
  const auto cater = wordNet->Define("cater");
  ASSERT_EQ(cater.size(), 1u);
  EXPECT_EQ(cater[0].Senses[0].Gloss, "provide food");
  // The first example only, and one holding "; " stays whole.
  EXPECT_EQ(cater[0].Senses[0].Example, "Joe catered; for us");
}

// A damaged file gives no definition rather than a wrong one, and says it is damaged:
// at opening when it does not end as the database's files do, else at the look-up that
// meets the damage.
TEST_F(WordNetFiles, ADamagedFileGivesNoDefinitionAndIsKnownDamaged) {
  const PartFiles good = MakePart({{"goose", {"web-footed bird"}}});
  const std::size_t start = good.Data.find('\n') + 1;
  const std::string offset = EightDigits(start);
  const struct {
    std::string what;
    PartFiles files;
    bool atOpening;
  } damaged[] = {
      {"offset beyond the data", {Replaced(good.Index, offset, "99999999"), good.Data}, false},
      {"offset inside a line",
       {Replaced(good.Index, offset, EightDigits(start + 1)), good.Data},
       false},
      {"data line of another offset", {good.Index, Replaced(good.Data, offset, "00000001")}, false},
      {"no gloss", {good.Index, Replaced(good.Data, " | ", "   ")}, false},
      {"more synsets than offsets", {Replaced(good.Index, " n 1", " n 9"), good.Data}, true},
      {"pointer count beyond the line",
       {Replaced(good.Index, " 1 @", " 99999999999999999999 @"), good.Data},
       true},
      {"truncated data", {good.Index, good.Data.substr(0, start + 12)}, true},
      {"truncated index", {good.Index.substr(0, good.Index.size() - 8), good.Data}, true},
      {"empty data", {good.Index, ""}, true},
  };
  for (const auto& [what, files, atOpening] : damaged) {
    SCOPED_TRACE(what);
    Write("noun", files);
    const auto wordNet = WordNet::Open(folder_.Path());
    if (atOpening) {
      EXPECT_EQ(wordNet, nullptr);
      continue;
    }
    ASSERT_NE(wordNet, nullptr);
    EXPECT_FALSE(wordNet->Damaged());
    EXPECT_THAT(wordNet->Define("goose"), IsEmpty());
    EXPECT_TRUE(wordNet->Damaged());
  }
  Write("noun", good);
  const auto wordNet = WordNet::Open(folder_.Path());
  EXPECT_THAT(Heads(wordNet->Define("goose")), ElementsAre("goose noun"));
  EXPECT_FALSE(wordNet->Damaged());
}

TEST(InstalledWordNet, DefinesKnownWordsAndTheirBaseForms) {
  if (!std::filesystem::exists("/usr/share/wordnet/index.noun"))
    GTEST_SKIP() << "the package wordnet-base is not installed";
  const auto wordNet = WordNet::Open("/usr/share/wordnet");
  ASSERT_NE(wordNet, nullptr);
  EXPECT_THAT(Heads(wordNet->Define("geese")), ElementsAre("goose noun"));
  EXPECT_THAT(Heads(wordNet->Define("stearins")), ElementsAre("stearin noun"));
  const auto catering = wordNet->Define("catering");
  EXPECT_THAT(Heads(catering), ElementsAre("catering noun", "cater verb"));
  EXPECT_THAT(catering[0].Senses[0].Gloss, ::testing::HasSubstr("food"));
}

}  // namespace
