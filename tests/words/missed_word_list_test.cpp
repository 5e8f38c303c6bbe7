#include "words/missed_word_list.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

namespace {

using ::testing::ElementsAre;

std::vector<std::string> Words(const MissedWordList& list) {
  std::vector<std::string> words;
  for (const MissedWord& word : list.Words) words.push_back(word.Word);
  return words;
}

TEST(MissedWordListTest, SortsLongestFirstThenAlphabeticallyAndPricesByLength) {
  GameSettings settings;
  settings.LengthPoints[1] = 7;
  settings.LengthPoints[9] = 1000;
  const std::vector<BoardWord> board{
      {"TEA", {3, 8, 2}}, {"AT", {2, 3}},        {"SEAT", {7, 8, 2, 3}}, {"CATS", {1, 2, 3, 7}},
      {"ASE", {2, 7, 8}}, {"INTERNATIONAL", {}}, {"EAT", {8, 2, 3}}};
  const MissedWordList list = ListMissedWords(board, {"SEAT", "EAT"}, settings);
  EXPECT_THAT(Words(list), ElementsAre("INTERNATIONAL", "CATS", "ASE", "TEA", "AT"));
  std::vector<int64_t> points;
  for (const MissedWord& word : list.Words) points.push_back(word.Points);
  // No length line exists below three letters, so such a word is worth nothing.
  EXPECT_THAT(points, ElementsAre(1000, 7, 1, 1, 0));
  EXPECT_THAT(list.Words[1].Path, ElementsAre(1, 2, 3, 7));
  EXPECT_EQ(list.Summary, "You found 2 of 7 words: 8 of 1,017 points.");
}

TEST(MissedWordListTest, CountsOnlyTheFindsTheBoardHolds) {
  // A valid guess the finder does not know (another case, a cut guess) is no find.
  const MissedWordList list =
      ListMissedWords({{"CAT", {1, 2, 3}}}, {"CAT", "Cat", "DOG"}, GameSettings{});
  EXPECT_TRUE(list.Words.empty());
  EXPECT_EQ(list.Summary, "You found 1 of 1 words: 1 of 1 points.");
  EXPECT_EQ(ListMissedWords({}, {}, GameSettings{}).Summary,
            "You found 0 of 0 words: 0 of 0 points.");
}

}  // namespace

namespace {

TEST(MissedWordListTest, CommonWordsOnlyCountsAndShowsTheWordsOfTheCommonLists) {
  const std::map<std::string, int> sizes = {
      {"CAT", 10}, {"CATS", 35}, {"SCAT", 50}, {"CASTE", 55}, {"TEAS", 70}};
  const ListSizeFn listSize = [&](const std::string& word) {
    return sizes.contains(word) ? sizes.at(word) : 0;
  };
  const std::vector<BoardWord> board{{"CAT", {}},   {"CATS", {}}, {"SCAT", {}},
                                     {"CASTE", {}}, {"TEAS", {}}, {"ZAX", {}}};
  const MissedWordList list = ListMissedWords(board, {"CAT", "TEAS"}, GameSettings{}, listSize);
  EXPECT_EQ(list.Summary, "You found 2 of 6 words: 2 of 7 points.");
  // A word of no list (ZAX) is one the player added: it counts as common.
  EXPECT_EQ(list.CommonSummary, "You found 1 of 4 common words: 1 of 4 points.");
  EXPECT_THAT(Words({ShownMissedWords(list, true), "", ""}), ElementsAre("CATS", "SCAT", "ZAX"));
  EXPECT_THAT(Words({ShownMissedWords(list, false), "", ""}),
              ElementsAre("CASTE", "CATS", "SCAT", "ZAX"));
  std::vector<std::string> commonness;
  for (const MissedWord& word : ShownMissedWords(list, false))
    commonness.push_back(CommonnessText(list, word));
  EXPECT_THAT(commonness, ElementsAre("rare", "common", "less common", "common"));

  // With no size known, there is no telling common words: all are shown.
  const MissedWordList unknown = ListMissedWords(board, {"CAT"}, GameSettings{});
  EXPECT_EQ(unknown.CommonSummary, "");
  EXPECT_EQ(ShownMissedWords(unknown, true).size(), 5u);
  EXPECT_EQ(CommonnessText(unknown, unknown.Words[0]), "");
}

}  // namespace
