// The size file beside a lexicon: read only when it fits that lexicon's exact words.

#include "words/word_commonness.h"

#include <gtest/gtest.h>

#include "tests/temp_folder.h"
#include "words/engine/compiled_lexicon.h"

namespace {

const std::vector<std::string> kWords = {"cat", "caterer", "stearin"};

uint32_t ChecksumOf(const std::string& lexicon) {
  return CompiledLexicon::FromBytes(reinterpret_cast<const unsigned char*>(lexicon.data()),
                                    lexicon.size())
      ->Checksum();
}

TEST(WordCommonness, ReadsTheSizeFileOnlyWhenItFitsItsLexicon) {
  TempFolder folder;
  const std::string lexicon = CompiledLexiconBytes(kWords, 0x409);
  const std::string other = CompiledLexiconBytes({"cat", "caterer", "stearing"}, 0x409);
  folder.Write("SPELAMC.TLX", lexicon);
  const std::string more = CompiledLexiconBytes({"zebu"}, 0x409);
  folder.Write("SPELAMM.CLX", more);
  folder.Write("SPELAMM.SIZ", WordSizesBytes({70}, ChecksumOf(more)));
  const std::string good = WordSizesBytes({10, 50, 60}, ChecksumOf(lexicon));
  const struct {
    const char* what;
    std::string sizes;
    int cat, stearin;
  } cases[] = {
      {"fitting", good, 10, 60},
      {"made for other words", WordSizesBytes({10, 50, 60}, ChecksumOf(other)), 0, 0},
      {"too few sizes", WordSizesBytes({10, 50}, ChecksumOf(lexicon)), 0, 0},
      {"truncated", good.substr(0, good.size() - 1), 0, 0},
      {"no such size", WordSizesBytes({11, 50, 255}, ChecksumOf(lexicon)), 0, 0},
      {"not a size file", "TVSIZE02" + good.substr(8), 0, 0},
      {"empty", "", 0, 0},
  };
  for (const auto& c : cases) {
    folder.Write("SPELAMC.SIZ", c.sizes);
    const WordCommonness commonness(folder.Path(), true);
    EXPECT_EQ(commonness.SmallestSize("CAT"), c.cat) << c.what;
    EXPECT_EQ(commonness.SmallestSize("stearin"), c.stearin) << c.what;
    // The other lexicon of the pair answers for its own words whatever this one holds.
    EXPECT_EQ(commonness.SmallestSize("zebu"), 70) << c.what;
  }
  // British words are looked for in the British pair only.
  EXPECT_EQ(WordCommonness(folder.Path(), false).SmallestSize("cat"), 0);
}

}  // namespace
