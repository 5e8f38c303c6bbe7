// A challenge code gives back the game it was made from, whatever its board, language,
// name and found words; it stays short enough to paste in a message; and a code that is
// mistyped or is no challenge code is refused.
#include "history/challenge_code.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>

#include "history/challenge_comparison.h"
#include "history/code_check.h"
#include "words/language.h"

namespace {

Challenge Game(int height, int width, uint32_t words, int found, std::mt19937& random,
               const Language& language = English()) {
  Challenge c;
  c.Height = height;
  c.Width = width;
  for (int cell = 0; cell < height * width; ++cell)
    c.Letters += language.Tiles[random() % language.Tiles.size()];
  c.Language = std::string(language.Code);
  c.GameSeconds = 180;
  c.Name = "Bo";
  c.Score = 42;
  c.WordCount = words;
  c.WordListHash = random() & 0xFFFFF;
  c.Found.assign(words, false);
  for (int i = 0; i < found; ++i) c.Found[random() % words] = true;
  return c;
}

TEST(ChallengeCode, GivesBackTheGameItWasMadeFrom) {
  std::mt19937 random(7);
  std::vector<Challenge> games;
  for (const Language& language : Languages())
    for (const auto& [height, width] : {std::pair{4, 4}, {4, 5}, {5, 4}, {5, 5}})
      for (const int found : {0, 1, 30, 200, 400})
        games.push_back(Game(height, width, 400, found, random, language));
  Challenge odd = Game(5, 5, 0, 0, random);  // a board without a word
  odd.Letters[3] = '\xC4';                   // Ä
  odd.Letters[24] = '\xDE';                  // the last Latin-1 capital
  odd.Name = std::string("Zo\xEB M\xFCller-O'Neil") + std::string(15, 'x');
  odd.Score = -17;
  odd.AmericanDictionary = false;
  odd.GameSeconds = 86400;
  odd.MinimumWordLength = 0;
  odd.RepeatingLettersAllowed = true;
  odd.Mode = "bonus";
  games.push_back(odd);
  Challenge all = Game(4, 4, 300, 0, random);
  all.Found.assign(300, true);
  games.push_back(all);

  for (const Challenge& game : games) {
    const std::optional<std::string> code = ChallengeCode(game);
    ASSERT_TRUE(code.has_value());
    Challenge read;
    ASSERT_EQ(ReadChallengeCode(*code, read), ChallengeCodeResult::Ok) << *code;
    EXPECT_EQ(read, game) << *code;
    // As a player may type it: small letters, in groups.
    std::string typed;
    for (std::size_t i = 0; i < code->size(); ++i)
      typed += (i % 5 == 0 && i > 0 ? " - " : "") +
               std::string(1, static_cast<char>(std::tolower((*code)[i])));
    Challenge retyped;
    ASSERT_EQ(ReadChallengeCode(typed, retyped), ChallengeCodeResult::Ok) << typed;
    EXPECT_EQ(retyped, game);
  }
}

// The longest code of a 5 x 5 board of 800 words, over numbers of words found up to
// `mostFound`, each set of them drawn at random.
std::size_t LongestCode(const std::string& name, int mostFound) {
  std::mt19937 random(11);
  std::size_t longest = 0;
  for (int found = 0; found <= mostFound; found += 10) {
    Challenge game = Game(5, 5, 800, 0, random);
    game.Name = name;
    game.Score = 3 * found;
    std::vector<int> order(800);
    for (int i = 0; i < 800; ++i) order[static_cast<std::size_t>(i)] = i;
    std::shuffle(order.begin(), order.end(), random);
    for (int i = 0; i < found; ++i)
      game.Found[static_cast<std::size_t>(order[static_cast<std::size_t>(i)])] = true;
    longest = std::max(longest, ChallengeCode(game)->size());
  }
  return longest;
}

// Up to 250 words found, far more than a game of minutes gives, a 10-character name fits
// 200 characters. The longest of all comes of half the words found at random, when a bit
// per word is the shortest way: 202 characters with a name of two, 237 with one of 32.
TEST(ChallengeCode, AFiveByFiveBoardOf800WordsFitsInto200Characters) {
  EXPECT_LE(LongestCode("Annabelle", 250), 200u);
  EXPECT_LE(LongestCode(std::string(32, 'W'), 800), 240u);
}

TEST(ChallengeCode, AMistypedCodeOrOtherTextIsRefused) {
  std::mt19937 random(3);
  const std::string code = *ChallengeCode(Game(4, 4, 100, 20, random));
  std::string changed = code;
  changed[5] = changed[5] == 'A' ? 'B' : 'A';
  std::string swapped = code;
  std::swap(swapped[6], swapped[7]);
  if (swapped == code) std::swap(swapped[7], swapped[8]);
  struct Case {
    std::string text;
    ChallengeCodeResult result;
  };
  const Case cases[] = {
      {"", ChallengeCodeResult::NotAChallengeCode},
      {"4X4-ABCD-EFGH-IJKL-MNOP-7", ChallengeCodeResult::NotAChallengeCode},
      {code + "!", ChallengeCodeResult::NotAChallengeCode},
      {code.substr(0, 1) + std::string(700, '1'), ChallengeCodeResult::NotAChallengeCode},
      {changed, ChallengeCodeResult::WrongCheck},
      {swapped, ChallengeCodeResult::WrongCheck},
      {std::string("C00") + CheckCharacter("00"), ChallengeCodeResult::NotAChallengeCode},
  };
  for (const Case& c : cases) {
    Challenge read;
    read.Name = "untouched";
    EXPECT_EQ(ReadChallengeCode(c.text, read), c.result) << c.text;
    EXPECT_EQ(read.Name, "untouched");
  }
}

TEST(ChallengeComparison, SplitsTheWordsByWhoFoundThem) {
  const std::vector<std::string> board = {"ART", "CARE", "CAT", "CATS", "EAR", "RAT", "TAR"};
  EXPECT_EQ(WordListHash(board), WordListHash(board));
  EXPECT_NE(WordListHash(board), WordListHash({"ART", "CARE", "CAT", "CATS", "EAR", "RAT"}));
  const std::vector<bool> theirs = FoundMarks(board, {"CAT", "CATS", "TAR", "ZZZ"});
  EXPECT_EQ(theirs, (std::vector<bool>{false, false, true, true, false, false, true}));
  GameSettings settings;
  settings.LengthPoints[1] = 3;  // four letters
  const ChallengeComparison comparison =
      CompareWithChallenge(board, theirs, {"EAR", "CAT", "CARE", "ART"}, settings);
  EXPECT_EQ(comparison.Both, (std::vector<ComparedWord>{{"CAT", 1}}));
  EXPECT_EQ(comparison.OnlyYou, (std::vector<ComparedWord>{{"CARE", 3}, {"ART", 1}, {"EAR", 1}}));
  EXPECT_EQ(comparison.OnlyThem, (std::vector<ComparedWord>{{"CATS", 3}, {"TAR", 1}}));
}

}  // namespace
