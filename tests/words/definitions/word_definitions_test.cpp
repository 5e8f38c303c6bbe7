// Both sources together: the word database first, the collaborative dictionary where it
// has nothing, and one line when neither is installed.

#include "words/definitions/word_definitions.h"

#include <gtest/gtest.h>

#include "tests/temp_folder.h"
#include "tests/words/definitions/dictzip_bytes.h"

namespace {

TEST(WordDefinitions, TakesTheWordDatabaseFirstAndTheDictionaryWhereItHasNothing) {
  TempFolder wordNet, gcide;
  const std::string data = "00000000 05 n 01 goose 0 000 | web-footed bird; \"a goose\"  \n";
  wordNet.Write("data.noun", data);
  wordNet.Write("index.noun", "goose n 1 0 1 0 00000000  \n");
  wordNet.Write("noun.exc", "geese goose\n");
  const std::string entry = "Stearin \\Ste\"a*rin\\, n.\n   A fat.\n   [1913 Webster]\n";
  gcide.Write("gcide.index", "Stearin\tA\t" + Base64(entry.size()) + "\n");
  gcide.Write("gcide.dict.dz", DictzipBytes(entry, 16));

  WordDefinitions both(wordNet.Path(), gcide.Path());
  EXPECT_EQ(both.Describe("GEESE"), "goose (noun)\n1. web-footed bird\n   \"a goose\"\n");
  // Found through the suffix rules, in the dictionary.
  EXPECT_EQ(both.Describe("STEARINS"), "stearin (n.)\n1. A fat.\n");
  EXPECT_EQ(both.Describe("cat's"), "No definition found for \"cat's\".");
  // In one line, for a screen reader to say as the word is reached.
  EXPECT_EQ(FirstMeaning(both.Describe("GEESE")), "goose (noun) 1. web-footed bird");
  EXPECT_EQ(FirstMeaning(both.Describe("cat's")), both.Describe("cat's"));
  // A translation, under the line of its spellings.
  EXPECT_EQ(FirstMeaning("Also written: eleve\neleve (n)\n1. pupil\n2. student\n"),
            "Also written: eleve eleve (n) 1. pupil");

  WordDefinitions dictionaryOnly(gcide.File("none"), gcide.Path());
  EXPECT_EQ(dictionaryOnly.Describe("stearin"), "stearin (n.)\n1. A fat.\n");

  WordDefinitions neither(wordNet.File("none"), gcide.File("none"));
  EXPECT_FALSE(neither.AnySourceInstalled());
  EXPECT_EQ(neither.Describe("goose"),
            "No dictionary is installed: install the package wordnet-base to see definitions.");
}

}  // namespace
