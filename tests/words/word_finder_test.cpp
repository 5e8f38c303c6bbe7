#include "words/word_finder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "base/random_source.h"
#include "base/text_utils.h"
#include "game/scramble.h"
#include "settings/game_settings.h"
#include "tests/temp_folder.h"
#include "tests/words/board_search/test_board.h"
#include "words/board_search/board_search.h"
#include "words/engine/compiled_lexicon.h"
#include "words/engine/spelling_engine.h"
#include "words/user_word_list.h"

namespace {

using ::testing::UnorderedElementsAre;
using ::testing::UnorderedElementsAreArray;

// Whether `path` spells `word` on the board, one step to a touching cell at a time.
bool IsPathOf(const LetterGrid& grid, const std::vector<int>& path, const std::string& word,
              bool repeats) {
  if (path.size() != word.size()) return false;
  std::set<int> used;
  for (std::size_t i = 0; i < path.size(); ++i) {
    const int cell = path[i];
    if (cell < 1 || cell > LetterGrid::kCells || !grid.CellOnBoard[cell]) return false;
    if (grid.Letters[cell] != word[i]) return false;
    if (!used.insert(cell).second && !repeats) return false;
    if (i == 0) continue;
    const int from = path[i - 1] - 1, to = cell - 1;
    if (std::abs(from / 5 - to / 5) > 1 || std::abs(from % 5 - to % 5) > 1) return false;
  }
  return true;
}

std::vector<std::string> Words(const std::vector<BoardWord>& found) {
  std::vector<std::string> words;
  for (const BoardWord& word : found) words.push_back(word.Word);
  return words;
}

class WordFinderTest : public ::testing::Test {
 protected:
  bool Open() {
    return OpenCheckSession(session_, folder_.Path(), folder_.Path(), true,
                            [](const std::string&, const std::string&) {});
  }
  void TearDown() override {
    if (session_.Session != 0) CloseCheckSession(session_);
  }

  TempFolder folder_;
  CheckSession session_;
};

TEST_F(WordFinderTest, FindsTheWordsOfABoardKnownByHand) {
  folder_.Write("SPELAMC.TLX", CompiledLexiconBytes({"at", "cat", "cats", "eat", "sat", "scat",
                                                     "tact", "tea", "teas", "zebra"},
                                                    0x409));
  folder_.Write("SPELAMM.CLX", CompiledLexiconBytes({"seat", "taste"}, 0x409));
  WriteUserWordList(folder_.File(kExclusionListFile), SE_KIND_EXCLUSION, {"Sat"});
  WriteUserWordList(folder_.File(kAdditionListFile), SE_KIND_ADDITION, {"Ase", "tea"});
  // C A T .
  // . S E .
  //            on a 4 x 4 board
  const LetterGrid grid = MakeGrid(
      "CATXX"
      "XSEXX"
      "QQQQQ"
      "QQQQQ"
      "QQQQQ",
      4, 4);
  ASSERT_TRUE(Open());

  const std::vector<BoardWord> found = FindWords(grid, session_, 3, false);
  // SAT is excluded, TACT and TASTE need a cell twice, AT is too short.
  EXPECT_THAT(Words(found),
              UnorderedElementsAre("CAT", "CATS", "EAT", "SCAT", "TEA", "TEAS", "SEAT", "ASE"));
  for (const BoardWord& word : found) EXPECT_TRUE(IsPathOf(grid, word.Path, word.Word, false));

  EXPECT_THAT(Words(FindWords(grid, session_, 2, false)), ::testing::Contains("AT"));
  // With repeats TASTE uses its T twice; TACT stays out: no T touches the C.
  EXPECT_THAT(
      Words(FindWords(grid, session_, 3, true)),
      UnorderedElementsAre("CAT", "CATS", "EAT", "SCAT", "TEA", "TEAS", "SEAT", "ASE", "TASTE"));
}

TEST_F(WordFinderTest, KeepsToTheEnginesLimitsAndToLettersAGuessCanMatch) {
  folder_.Write("SPELAMC.TLX", CompiledLexiconBytes({"cat", "eel"}, 0x409));
  folder_.Write("SPELAMM.CLX", CompiledLexiconBytes({}, 0x409));
  WriteUserWordList(folder_.File(kAdditionListFile), SE_KIND_ADDITION,
                    {std::string(50, 'e'), std::string(51, 'e'), "EL"});
  ASSERT_TRUE(Open());

  // One E cell serves twice in a row; fifty letters is the longest word there is.
  const LetterGrid single = MakeGrid("ELXXX" + std::string(20, 'X'), 4, 4);
  const std::vector<BoardWord> found = FindWords(single, session_, 2, true);
  EXPECT_THAT(Words(found), UnorderedElementsAre("EEL", "EL", std::string(50, 'E')));
  for (const BoardWord& word : found) EXPECT_TRUE(IsPathOf(single, word.Path, word.Word, true));
  EXPECT_THAT(Words(FindWords(single, session_, 2, false)), UnorderedElementsAre("EL"));

  // A lower-case letter or a NUL byte on the board is never part of a word.
  EXPECT_THAT(Words(FindWords(MakeGrid("CaT" + std::string(22, 'X'), 5, 5), session_, 3, false)),
              ::testing::IsEmpty());
  std::string withNul = "CAT" + std::string(22, 'X');
  withNul[1] = '\0';
  EXPECT_THAT(Words(FindWords(MakeGrid(withNul, 5, 5), session_, 3, false)), ::testing::IsEmpty());
  // Cells off the board take no part: the A is in column 5 of a 4-wide board.
  EXPECT_THAT(Words(FindWords(MakeGrid("XXXCA"
                                       "XXXTX" +
                                           std::string(15, 'X'),
                                       5, 4),
                              session_, 3, false)),
              ::testing::IsEmpty());
}

// The finder against its definition: every dictionary word, as a guess would spell it,
// tried with the board search and the dictionary check one by one.
class WordFinderAgainstBruteForce : public WordFinderTest {
 protected:
  void SetUp() override {
    for (const char* name : {"SPELAMC.TLX", "SPELAMM.CLX"}) {
      const std::string path = std::string(TOLVANE_PROGRAM_DIR) + "/" + name;
      std::filesystem::copy_file(path, folder_.File(name));
      lexiconBytes_.push_back(ReadFileBytes(path));
    }
    WriteUserWordList(folder_.File(kExclusionListFile), SE_KIND_EXCLUSION, excluded_);
    WriteUserWordList(folder_.File(kAdditionListFile), SE_KIND_ADDITION, added_);
    ASSERT_TRUE(Open());
    for (const std::string& bytes : lexiconBytes_) {
      auto lexicon = CompiledLexicon::FromBytes(
          reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
      ASSERT_NE(lexicon, nullptr);
      for (uint32_t i = 0; i < lexicon->WordCount(); ++i)
        dictionary_.push_back(UpperCopy(std::string(lexicon->WordAt(i)), 255));
    }
    for (const auto* list : {&added_, &excluded_})
      for (const std::string& word : *list) dictionary_.push_back(UpperCopy(word, 255));
  }

  std::set<std::string> BruteForce(const LetterGrid& grid, int minimum, bool repeats) const {
    bool onBoard[256] = {};
    for (int cell = 1; cell <= LetterGrid::kCells; ++cell)
      if (grid.CellOnBoard[cell]) onBoard[static_cast<unsigned char>(grid.Letters[cell])] = true;
    std::set<std::string> words;
    for (const std::string& word : dictionary_) {
      // Only saves time: a word with a letter the board lacks is never on it.
      const bool lettersThere = std::all_of(
          word.begin(), word.end(), [&](char c) { return onBoard[static_cast<unsigned char>(c)]; });
      if (lettersThere && static_cast<int>(word.size()) >= minimum &&
          InPuzzle(grid, word, repeats) && InSpeller(session_, word)) {
        words.insert(word);
      }
    }
    return words;
  }

  void Compare(const LetterGrid& grid, int minimum, bool repeats) {
    const std::vector<BoardWord> found = FindWords(grid, session_, minimum, repeats);
    const std::vector<std::string> words = Words(found);
    const std::set<std::string> unique(words.begin(), words.end());
    EXPECT_EQ(unique.size(), words.size()) << "a word listed twice";
    EXPECT_THAT(words, UnorderedElementsAreArray(BruteForce(grid, minimum, repeats)))
        << "board " << std::string(grid.Letters.begin() + 1, grid.Letters.end()) << " minimum "
        << minimum << (repeats ? " with" : " without") << " repeats";
    for (const BoardWord& word : found)
      EXPECT_TRUE(IsPathOf(grid, word.Path, word.Word, repeats)) << word.Word;
    ++boardsCompared_;
    wordsCompared_ += found.size();
  }

  std::vector<std::string> lexiconBytes_;
  // Some everyday words taken out; some words of no lexicon, in the player's spelling,
  // put in, one of them longer than a path without repeats can be.
  std::vector<std::string> excluded_{"eat", "Tea", "rest", "stone", "ones", "not"};
  std::vector<std::string> added_{"SRT", "tset", "Aeiou", "ssssss", "rstlnrstlnrstlnrstlnrstlnrs",
                                  "ee",  "stone"};
  std::vector<std::string> dictionary_;
  int boardsCompared_ = 0;
  std::size_t wordsCompared_ = 0;
};

TEST_F(WordFinderAgainstBruteForce, AgreesOnDealtBoardsOfEverySize) {
  XorShiftRandom random(20240611);
  GameSettings settings;
  for (const auto& [height, width] : {std::pair{4, 4}, {4, 5}, {5, 4}, {5, 5}}) {
    settings.Height = height;
    settings.Width = width;
    for (int round = 0; round < 6; ++round) {
      // Every generation mode the two play options give.
      settings.AlternateLetters = round % 2 == 1;
      settings.HighFrequencyLetters = round % 4 >= 2;
      LetterGrid grid;
      grid.ComputeCellOnBoard(height, width);
      ScrambleLetters(grid, settings, random);
      const bool repeats = round % 3 == 0;
      Compare(grid, 2 + round % 3, repeats);
      Compare(grid, 3, !repeats);
    }
  }
  EXPECT_EQ(boardsCompared_, 48);
  EXPECT_GT(wordsCompared_, 1000u);
}

TEST_F(WordFinderAgainstBruteForce, AgreesOnBoardsOfFewLettersWhereCellsServeAgain) {
  XorShiftRandom random(7);
  const std::string alphabets[] = {"AEST", "ERSTLN", "OS", "EIRST"};
  for (const auto& [height, width] : {std::pair{4, 4}, {4, 5}, {5, 4}, {5, 5}}) {
    for (const std::string& alphabet : alphabets) {
      std::string letters(25, 'Q');
      for (char& c : letters) c = alphabet[random.Random(static_cast<int>(alphabet.size()))];
      const LetterGrid grid = MakeGrid(letters, height, width);
      Compare(grid, 1, true);
      Compare(grid, 3, false);
    }
  }
}

}  // namespace
